#include "settings_commands.h"

#include "shell/command_ids.h"
#include "optionfunctiondlg.h"
#include "pcbadlg.h"
#include "sidekeydlg.h"

bool RunSettingsCommand(int id, zrx::RadioImage& image, zrx::Language language, QWidget* parent) {
    switch (id) {
    case cmd::kOption: {
        COptionFunctionDlg dialog(image, language, parent);
        dialog.exec();
        return true;
    }
    case cmd::kSideKey: {
        CSideKeyDlg dialog(image, language, parent);
        dialog.exec();
        return true;
    }
    case cmd::kEmbed: {
        CPcbaDlg dialog(image, parent);
        dialog.exec();
        return true;
    }
    default:
        return false;
    }
}
