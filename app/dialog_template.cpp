#include "dialog_template.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QIcon>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStringList>

#include "dialog_units.h"

namespace {

constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIconSize = 32;

QString templateText(const DialogTemplate& dialogTemplate, const char* english) {
    const QByteArray context = "Dialog" + QByteArray::number(dialogTemplate.id);
    return QCoreApplication::translate(context.constData(), english);
}

QWidget* createControl(QDialog* dialog, const DialogTemplate& dialogTemplate,
                       const DialogControl& control) {
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
        return icon;
    }
    }
    return nullptr;
}

} // namespace

QFont DialogFont(const DialogTemplate& dialogTemplate) {
    const QString family = QString::fromLatin1(dialogTemplate.fontFamily);
    QFont font(family, dialogTemplate.fontPoints);
    QStringList families{family};
    if (family == QLatin1String("Times New Roman")) {
        families << QStringLiteral("Liberation Serif") << QStringLiteral("Tinos")
                 << QStringLiteral("Nimbus Roman");
        font.setStyleHint(QFont::Serif);
    } else {
        families << QStringLiteral("Liberation Sans") << QStringLiteral("Arimo")
                 << QStringLiteral("Nimbus Sans");
        font.setStyleHint(QFont::SansSerif);
    }
    font.setFamilies(families);
    return font;
}

void BuildDialog(QDialog* dialog, const DialogTemplate& dialogTemplate) {
    dialog->setWindowTitle(templateText(dialogTemplate, dialogTemplate.caption));
    dialog->setFont(DialogFont(dialogTemplate));
    const DialogUnits units(dialog->font());
    dialog->setFixedSize(units.ToPixels(dialogTemplate.width, dialogTemplate.height));
    for (const DialogControl& control : dialogTemplate.controls) {
        QWidget* widget = createControl(dialog, dialogTemplate, control);
        QRect area = units.ToPixels(control.x, control.y, control.width, control.height);
        if (control.kind == ControlKind::Icon) {
            area.setSize(QSize(kIconSize, kIconSize)); // an icon keeps its own size
        }
        if (auto* label = qobject_cast<QLabel*>(widget);
            label != nullptr && !label->text().isEmpty()) {
            // Chinese glyphs come from a fallback font that may stand taller
            // than the dialog font a template's line was measured for: the
            // line grows rather than cut them, about its middle where the
            // text is centred.
            const int needed =
                label->fontMetrics().size(Qt::TextShowMnemonic, label->text()).height();
            const int extra = needed - area.height();
            if (extra > 0) {
                const int above = control.kind == ControlKind::Label ? 0 : extra / 2;
                area.adjust(0, -above, 0, extra - above);
            }
        }
        widget->setGeometry(area);
        if (control.id >= 0) {
            SetControlId(widget, control.id);
        }
    }
}

QWidget* DialogItem(const QDialog* dialog, int id) {
    return dialog->findChild<QWidget*>(QString::number(id), Qt::FindDirectChildrenOnly);
}
