#include "dialog_template.h"

#include <algorithm>

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
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
    for (const DialogControl& control : dialogTemplate.controls) {
        QRect area = units.ToPixels(control.x, control.y, control.width, control.height);
        QWidget* widget = createControl(dialog, dialogTemplate, control, area);
        fitLabelHeight(widget, control.kind, area);
        widget->setGeometry(area);
        if (control.id >= 0) {
            SetControlId(widget, control.id);
        }
    }
}

QWidget* DialogItem(const QDialog* dialog, int id) {
    return dialog->findChild<QWidget*>(QString::number(id), Qt::FindDirectChildrenOnly);
}
