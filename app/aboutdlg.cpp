#include "aboutdlg.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "dialog_units.h"
#include "resources.h"

namespace {
constexpr int kIdOk = 1;
constexpr int kIdIcon = 128;
} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(res("Dialog100", "About"));
    setFont(QFont(QStringLiteral("Arial"), 9));
    const DialogUnits units(font());
    setFixedSize(units.ToPixels(290, 55));

    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icon128.png")).pixmap(32, 32));
    icon->setGeometry(QRect(units.ToPixels(11, 17, 0, 0).topLeft(), QSize(32, 32)));
    icon->setObjectName(QString::number(kIdIcon));

    auto* version = new QLabel(res("Dialog100", "Vesion 1.0.1"), this);
    version->setGeometry(units.ToPixels(40, 10, 180, 8));
    auto* copyright =
        new QLabel(res("Dialog100", "Copyright (C) 2026 The ZRX PC Encoder authors"), this);
    copyright->setGeometry(units.ToPixels(40, 25, 180, 10));

    auto* ok = new QPushButton(res("Dialog100", "OK"), this);
    ok->setGeometry(units.ToPixels(230, 7, 50, 14));
    ok->setDefault(true);
    SetControlId(ok, kIdOk);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
