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
#include <QPushButton>

#include "dialog_units.h"

namespace {

constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIconSize = 32;

QString templateText(const DialogTemplate& dialogTemplate, const char* english) {
    const QByteArray context = "Dialog" + QByteArray::number(dialogTemplate.id);
    return QCoreApplication::translate(context.constData(), english);
}

// The template's font; where the Windows font itself is missing, one of its
// metric twins keeps the layout.
QFont templateFont(const DialogTemplate& dialogTemplate) {
    const QString family = QString::fromLatin1(dialogTemplate.fontFamily);
    QFont font(family, dialogTemplate.fontPoints);
    const bool serif = family.contains(QLatin1String("Times"));
    font.setFamilies(serif ? QStringList{family, QStringLiteral("Liberation Serif"),
                                         QStringLiteral("Tinos"), QStringLiteral("Nimbus Roman")}
                           : QStringList{family, QStringLiteral("Liberation Sans"),
                                         QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans")});
    font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    return font;
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
    case ControlKind::ComboBox:
        return new QComboBox(dialog);
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

} // namespace

void BuildDialog(QDialog* dialog, const DialogTemplate& dialogTemplate) {
    dialog->setWindowTitle(templateText(dialogTemplate, dialogTemplate.caption));
    dialog->setFont(templateFont(dialogTemplate));
    const DialogUnits units(dialog->font());
    dialog->setFixedSize(units.ToPixels(dialogTemplate.width, dialogTemplate.height));
    for (const DialogControl& control : dialogTemplate.controls) {
        QRect area = units.ToPixels(control.x, control.y, control.width, control.height);
        QWidget* widget = createControl(dialog, dialogTemplate, control, area);
        widget->setGeometry(area);
        if (control.id >= 0) {
            SetControlId(widget, control.id);
        }
    }
}

QWidget* DialogItem(const QDialog* dialog, int id) {
    return dialog->findChild<QWidget*>(QString::number(id), Qt::FindDirectChildrenOnly);
}
