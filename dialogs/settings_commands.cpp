#include "settings_commands.h"

#include <QString>

#include "optionfunctiondlg.h"
#include "pcbadlg.h"
#include "shell/command_ids.h"
#include "sidekeydlg.h"

namespace {

void runDialog(QDialog& dialog, QString* caption) {
    dialog.exec();
    if (caption != nullptr) {
        *caption = dialog.windowTitle();
    }
}

} // namespace

bool RunSettingsCommand(int id, zrx::RadioImage& image, zrx::Language language, QWidget* parent,
                        QString* caption) {
    switch (id) {
    case cmd::kOption: {
        COptionFunctionDlg dialog(image, language, parent);
        runDialog(dialog, caption);
        return true;
    }
    case cmd::kSideKey: {
        CSideKeyDlg dialog(image, language, parent);
        runDialog(dialog, caption);
        return true;
    }
    case cmd::kEmbed: {
        CPcbaDlg dialog(image, parent);
        runDialog(dialog, caption);
        return true;
    }
    default:
        return false;
    }
}
