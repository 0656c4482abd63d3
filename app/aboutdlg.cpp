#include "aboutdlg.h"

#include "shell/dialog_template.h"

namespace {

// Template 100.
constexpr DialogControl kAboutControls[] = {
    {128, ControlKind::Icon, nullptr, 11, 17, 20, 20},
    {-1, ControlKind::Label, QT_TRANSLATE_NOOP("Dialog100", "Vesion 1.0.1"), 40, 10, 180, 8},
    {-1, ControlKind::Label,
     QT_TRANSLATE_NOOP("Dialog100", "Copyright (C) 2026 The ZRX PC Encoder authors"), 40, 25, 180,
     10},
    {1, ControlKind::DefaultButton, QT_TRANSLATE_NOOP("Dialog100", "OK"), 230, 7, 50, 14},
};
constexpr DialogTemplate kAboutTemplate{100, QT_TRANSLATE_NOOP("Dialog100", "About"), 290, 55,
                                        kAboutControls};

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    BuildDialog(this, kAboutTemplate);
}
