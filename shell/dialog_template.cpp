#include "dialog_template.h"

#include <algorithm>
#include <cstdlib>

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStringList>

#include "dialog_units.h"
#include "font_fallbacks.h"

namespace {

constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIconSize = 32;

QString templateText(const DialogTemplate& dialogTemplate, const char* english) {
    const QByteArray context = "Dialog" + QByteArray::number(dialogTemplate.id);
    return QCoreApplication::translate(context.constData(), english);
}

// A drop-down list closed is one text line tall; the rest of its template
// height is the opened list, which shows as many entries as fit in it.
QComboBox* createDropDownList(QDialog* dialog, QRect& area) {
    auto* list = new QComboBox(dialog);
    // The list drops down below the box, as a Windows drop-down list does,
    // rather than opening over the current entry.
    list->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    const int lineHeight = QFontMetrics(dialog->font()).height();
    const int closedHeight = lineHeight + 8;
    list->setMaxVisibleItems(std::max(1, (area.height() - closedHeight) / lineHeight));
    area.setHeight(closedHeight);
    return list;
}

QWidget* createControl(QDialog* dialog, const DialogTemplate& dialogTemplate,
                       const DialogControl& control, QRect& area) {
    const QString text =
        control.text != nullptr ? templateText(dialogTemplate, control.text) : QString();
    switch (control.kind) {
    case ControlKind::Label:
        return new QLabel(text, dialog);
    case ControlKind::RightLabel: {
        auto* label = new QLabel(text, dialog);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return label;
    }
    case ControlKind::CenteredLabel: {
        auto* label = new QLabel(text, dialog);
        label->setAlignment(Qt::AlignCenter);
        return label;
    }
    case ControlKind::ComboBox:
        return new QComboBox(dialog);
    case ControlKind::ProgressBar: {
        // The percentage has a label of its own beside the bar.
        auto* bar = new QProgressBar(dialog);
        bar->setTextVisible(false);
        return bar;
    }
    case ControlKind::DropDownList:
        return createDropDownList(dialog, area);
    case ControlKind::Edit:
        return new QLineEdit(dialog);
    case ControlKind::GroupBox: {
        // The frame runs through the middle of the title, as on Windows, so
        // the controls that the template lays out inside the box stay clear
        // of its top line.
        auto* box = new QGroupBox(text, dialog);
        box->setStyleSheet(QStringLiteral(
            "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.5em; }"
            "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
        return box;
    }
    case ControlKind::Button:
    case ControlKind::DefaultButton: {
        auto* button = new QPushButton(text, dialog);
        button->setDefault(control.kind == ControlKind::DefaultButton);
        if (control.id == kIdOk) {
            QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
        } else if (control.id == kIdCancel) {
            QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::reject);
        }
        return button;
    }
    case ControlKind::Icon: {
        auto* icon = new QLabel(dialog);
        icon->setPixmap(QIcon(QStringLiteral(":/icon128.png")).pixmap(kIconSize, kIconSize));
        area.setSize(QSize(kIconSize, kIconSize)); // an icon keeps its own size
        return icon;
    }
    }
    return nullptr;
}

// Chinese glyphs come from a fallback font that may stand taller than the
// dialog font a template's line was measured for: a label's line grows
// rather than cut them, about its middle where the text is centred.
void fitLabelHeight(const QWidget* widget, ControlKind kind, QRect& area) {
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (label == nullptr || label->text().isEmpty()) {
        return;
    }
    const int needed = label->fontMetrics().size(Qt::TextShowMnemonic, label->text()).height();
    const int extra = needed - area.height();
    if (extra > 0) {
        const int above = kind == ControlKind::Label ? 0 : extra / 2;
        area.adjust(0, -above, 0, extra - above);
    }
}

bool takesFocus(ControlKind kind) {
    switch (kind) {
    case ControlKind::ComboBox:
    case ControlKind::DropDownList:
    case ControlKind::Edit:
    case ControlKind::Button:
    case ControlKind::DefaultButton:
        return true;
    default:
        return false;
    }
}

bool takesInput(ControlKind kind) {
    return kind == ControlKind::ComboBox || kind == ControlKind::DropDownList ||
           kind == ControlKind::Edit;
}

// Controls whose tops lie this close (in dialog units) stand on one line.
constexpr int kSameLine = 4;

// Tab goes through the controls as the screen shows them, line by line from
// the top and from the left within a line, whatever order the template
// lists them in.
void orderTabsAsShown(const DialogTemplate& dialogTemplate, const QList<QWidget*>& widgets) {
    QList<qsizetype> order;
    for (qsizetype i = 0; i < widgets.size(); ++i) {
        if (takesFocus(dialogTemplate.controls[static_cast<std::size_t>(i)].kind)) {
            order.append(i);
        }
    }
    const auto control = [&](qsizetype i) -> const DialogControl& {
        return dialogTemplate.controls[static_cast<std::size_t>(i)];
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype a, qsizetype b) { return control(a).y < control(b).y; });
    for (qsizetype start = 0; start < order.size();) {
        qsizetype end = start + 1;
        while (end < order.size() && control(order[end]).y - control(order[start]).y <= kSameLine) {
            ++end;
        }
        std::stable_sort(order.begin() + start, order.begin() + end,
                         [&](qsizetype a, qsizetype b) { return control(a).x < control(b).x; });
        start = end;
    }
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(widgets[order[i - 1]], widgets[order[i]]);
    }
}

// The title of the group box around `control`, or nothing.
QString groupTitle(const DialogTemplate& dialogTemplate, const QList<QWidget*>& widgets,
                   const DialogControl& control) {
    for (qsizetype g = 0; g < widgets.size(); ++g) {
        const DialogControl& group = dialogTemplate.controls[static_cast<std::size_t>(g)];
        if (group.kind == ControlKind::GroupBox &&
            QRect(group.x, group.y, group.width, group.height)
                .contains(QRect(control.x, control.y, control.width, 1))) {
            return qobject_cast<QGroupBox*>(widgets[g])->title();
        }
    }
    return {};
}

// A label names the list or box that follows it on its line, together with
// the group box around them ("Side Key 1 Short"): a screen reader announces
// the control by that name (and finds the label as its buddy).
void pairLabelsWithControls(const DialogTemplate& dialogTemplate, const QList<QWidget*>& widgets) {
    constexpr int kMaxGap = 10;
    for (qsizetype l = 0; l < widgets.size(); ++l) {
        auto* label = qobject_cast<QLabel*>(widgets[l]);
        const DialogControl& text = dialogTemplate.controls[static_cast<std::size_t>(l)];
        if (label == nullptr || label->text().isEmpty()) {
            continue;
        }
        for (qsizetype c = 0; c < widgets.size(); ++c) {
            const DialogControl& control = dialogTemplate.controls[static_cast<std::size_t>(c)];
            const int gap = control.x - (text.x + text.width);
            if (takesInput(control.kind) && std::abs(control.y - text.y) <= kSameLine && gap >= 0 &&
                gap <= kMaxGap) {
                label->setBuddy(widgets[c]);
                QStringList name = {groupTitle(dialogTemplate, widgets, control),
                                    label->text().remove(QLatin1Char('&'))};
                name.removeAll(QString());
                widgets[c]->setAccessibleName(name.join(QLatin1Char(' ')));
                break;
            }
        }
    }
}

} // namespace

QFont DialogFont(const DialogTemplate& dialogTemplate) {
    const QString family = QString::fromLatin1(dialogTemplate.fontFamily);
    QFont font(family, dialogTemplate.fontPoints);
    // Where the Windows font itself is missing, one of its metric twins
    // keeps the layout.
    const bool serif = family.contains(QLatin1String("Times"));
    font.setFamilies(serif ? QStringList{family, QStringLiteral("Liberation Serif"),
                                         QStringLiteral("Tinos"), QStringLiteral("Nimbus Roman")}
                           : QStringList{family, QStringLiteral("Liberation Sans"),
                                         QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans")});
    font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    return WithApplicationFallbacks(font);
}

void BuildDialog(QDialog* dialog, const DialogTemplate& dialogTemplate) {
    dialog->setWindowTitle(templateText(dialogTemplate, dialogTemplate.caption));
    dialog->setFont(DialogFont(dialogTemplate));
    const DialogUnits units(dialog->font());
    dialog->setFixedSize(units.ToPixels(dialogTemplate.width, dialogTemplate.height));
    QList<QWidget*> widgets;
    for (const DialogControl& control : dialogTemplate.controls) {
        QRect area = units.ToPixels(control.x, control.y, control.width, control.height);
        QWidget* widget = createControl(dialog, dialogTemplate, control, area);
        fitLabelHeight(widget, control.kind, area);
        widget->setGeometry(area);
        if (control.id >= 0) {
            SetControlId(widget, control.id);
        }
        widgets.append(widget);
    }
    orderTabsAsShown(dialogTemplate, widgets);
    pairLabelsWithControls(dialogTemplate, widgets);
    ShowFocusFromTheStart(dialog);
}

namespace {

// Styles draw the focus frame only once the keyboard has moved the focus,
// and showing a window forgets that it has: a keyboard user must see where
// the focus is from the first moment.
class FocusShown : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) {
            auto* window = static_cast<QWidget*>(watched);
            window->setAttribute(Qt::WA_KeyboardFocusChange);
            if (QWidget* focus = window->focusWidget()) {
                focus->update();
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void ShowFocusFromTheStart(QWidget* window) {
    window->setAttribute(Qt::WA_KeyboardFocusChange);
    window->installEventFilter(new FocusShown(window));
}

QWidget* DialogItem(const QDialog* dialog, int id) {
    return dialog->findChild<QWidget*>(QString::number(id), Qt::FindDirectChildrenOnly);
}
