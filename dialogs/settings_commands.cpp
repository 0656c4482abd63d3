#include "settings_commands.h"

#include "app/command_ids.h"
#include "app/language_state.h"
#include "image/radio_image_global.h"
#include "optionfunctiondlg.h"
#include "pcbadlg.h"
#include "sidekeydlg.h"

bool RunSettingsCommand(int id, QWidget* parent) {
    switch (id) {
    case cmd::kOption: {
        COptionFunctionDlg dialog(g_radioImage, g_language, parent);
        dialog.exec();
        return true;
    }
    case cmd::kSideKey: {
        CSideKeyDlg dialog(g_radioImage, g_language, parent);
        dialog.exec();
        return true;
    }
    case cmd::kEmbed: {
        CPcbaDlg dialog(g_radioImage, parent);
        dialog.exec();
        return true;
    }
    default:
        return false;
    }
}
