#include "menu_table.h"

#include <array>

#include <QRegularExpression>

#include "command_ids.h"
#include "resources.h"

namespace {

constexpr MenuItem kFileMenu[] = {
    {QT_TRANSLATE_NOOP("Menu128", "&New\tCtrl+N"), cmd::kFileNew},
    {QT_TRANSLATE_NOOP("Menu128", "New from P&lan..."), cmd::kFileNewFromPlan},
    {QT_TRANSLATE_NOOP("Menu128", "&Open...\tCtrl+O"), cmd::kFileOpen},
    {QT_TRANSLATE_NOOP("Menu128", "&Save\tCtrl+S"), cmd::kFileSave},
    {QT_TRANSLATE_NOOP("Menu128", "Save &As..."), cmd::kFileSaveAs},
    {nullptr, 0},
    {QT_TRANSLATE_NOOP("Menu128", "&Print...\tCtrl+P"), cmd::kFilePrint},
    {QT_TRANSLATE_NOOP("Menu128", "Print Pre&view"), cmd::kFilePrintPreview},
    {QT_TRANSLATE_NOOP("Menu128", "P&rint Setup..."), cmd::kFilePrintSetup},
    {nullptr, 0},
    {QT_TRANSLATE_NOOP("Menu128", "E&xit"), cmd::kAppExit},
};
constexpr MenuItem kEditMenu[] = {
    {QT_TRANSLATE_NOOP("Menu128", "&Undo\tCtrl+Z"), cmd::kEditUndo},
    {QT_TRANSLATE_NOOP("Menu128", "&Redo\tCtrl+Y"), cmd::kEditRedo},
    {nullptr, 0},
    {QT_TRANSLATE_NOOP("Menu128", "Cu&t\tCtrl+X"), cmd::kEditCut},
    {QT_TRANSLATE_NOOP("Menu128", "&Copy\tCtrl+C"), cmd::kEditCopy},
    {QT_TRANSLATE_NOOP("Menu128", "&Paste\tCtrl+V"), cmd::kEditPaste},
    {QT_TRANSLATE_NOOP("Menu128", "&Delete\tDel"), cmd::kEditClear},
    {nullptr, 0},
    {QT_TRANSLATE_NOOP("Menu128", "Mo&ve Up\tCtrl+Up"), cmd::kMoveUp},
    {QT_TRANSLATE_NOOP("Menu128", "Move Do&wn\tCtrl+Down"), cmd::kMoveDown},
    {QT_TRANSLATE_NOOP("Menu128", "&Sort by Rx Frequency"), cmd::kSortByRx},
};
constexpr MenuItem kProgramMenu[] = {
    {QT_TRANSLATE_NOOP("Menu128", "&Read\tCtrl+R"), cmd::kRead},
    {QT_TRANSLATE_NOOP("Menu128", "&Write\tCtrl+W"), cmd::kWrite},
    {QT_TRANSLATE_NOOP("Menu128", "&Compare with Radio..."), cmd::kCompareWithRadio},
    {QT_TRANSLATE_NOOP("Menu128", "Program &Many Radios..."), cmd::kProgramMany},
    {QT_TRANSLATE_NOOP("Menu128", "Chec&k Plan"), cmd::kCheckPlan},
    {nullptr, 0},
    {QT_TRANSLATE_NOOP("Menu128", "&Option"), cmd::kOption},
    {QT_TRANSLATE_NOOP("Menu128", "&Side Key"), cmd::kSideKey},
};
constexpr MenuItem kSettingMenu[] = {
    {QT_TRANSLATE_NOOP("Menu128", "&Embed"), cmd::kEmbed},
    {QT_TRANSLATE_NOOP("Menu128", "&Language"), cmd::kLanguage},
};
// COM1 to COM4 and COM5 to COM8 are two runs of ids: Side Key sits between them.
constexpr MenuItem kPortMenu[] = {
    {QT_TRANSLATE_NOOP("Menu128", "COM&1"), cmd::kCom1},
    {QT_TRANSLATE_NOOP("Menu128", "COM&2"), cmd::kCom2},
    {QT_TRANSLATE_NOOP("Menu128", "COM&3"), cmd::kCom3},
    {QT_TRANSLATE_NOOP("Menu128", "COM&4"), cmd::kCom4},
    {QT_TRANSLATE_NOOP("Menu128", "COM&5"), cmd::kCom5},
    {QT_TRANSLATE_NOOP("Menu128", "COM&6"), cmd::kCom6},
    {QT_TRANSLATE_NOOP("Menu128", "COM&7"), cmd::kCom7},
    {QT_TRANSLATE_NOOP("Menu128", "COM&8"), cmd::kCom8},
};
constexpr MenuItem kViewMenu[] = {
    {QT_TRANSLATE_NOOP("Menu128", "&Toolbar"), cmd::kViewToolbar},
    {QT_TRANSLATE_NOOP("Menu128", "&Status Bar"), cmd::kViewStatusBar},
};
constexpr MenuItem kHelpMenu[] = {
    {QT_TRANSLATE_NOOP("Menu128", "&About"), cmd::kAppAbout},
    {QT_TRANSLATE_NOOP("Menu128", "&Help\tF1"), cmd::kHelp},
    {QT_TRANSLATE_NOOP("Menu128", "Save &Diagnostic Report..."), cmd::kSaveDiagnostic},
};

constexpr std::array<MenuPopup, 7> kMainMenu = {{
    {QT_TRANSLATE_NOOP("Menu128", "&File"), kFileMenu},
    {QT_TRANSLATE_NOOP("Menu128", "&Edit"), kEditMenu},
    {QT_TRANSLATE_NOOP("Menu128", "&Program"), kProgramMenu},
    {QT_TRANSLATE_NOOP("Menu128", "&Setting"), kSettingMenu},
    {QT_TRANSLATE_NOOP("Menu128", "P&ort"), kPortMenu},
    {QT_TRANSLATE_NOOP("Menu128", "&View"), kViewMenu},
    {QT_TRANSLATE_NOOP("Menu128", "&Help"), kHelpMenu},
}};

// F6 and Shift+F6 move between panes in a split window; this frame has none.
const std::array<Accelerator, 18> kAccelerators = {{
    {Qt::CTRL | Qt::Key_N, cmd::kFileNew},
    {Qt::CTRL | Qt::Key_O, cmd::kFileOpen},
    {Qt::CTRL | Qt::Key_P, cmd::kFilePrint},
    {Qt::CTRL | Qt::Key_R, cmd::kRead},
    {Qt::CTRL | Qt::Key_S, cmd::kFileSave},
    {Qt::CTRL | Qt::Key_W, cmd::kWrite},
    {Qt::CTRL | Qt::Key_Z, cmd::kEditUndo},
    {Qt::CTRL | Qt::Key_Y, cmd::kEditRedo},
    {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, cmd::kEditRedo},
    {Qt::CTRL | Qt::Key_X, cmd::kEditCut},
    {Qt::CTRL | Qt::Key_C, cmd::kEditCopy},
    {Qt::CTRL | Qt::Key_V, cmd::kEditPaste},
    {QKeyCombination(Qt::Key_Delete), cmd::kEditClear},
    {Qt::CTRL | Qt::Key_Up, cmd::kMoveUp},
    {Qt::CTRL | Qt::Key_Down, cmd::kMoveDown},
    {QKeyCombination(Qt::Key_F6), cmd::kNextPane},
    {Qt::SHIFT | Qt::Key_F6, cmd::kPrevPane},
    {QKeyCombination(Qt::Key_F1), cmd::kHelp},
}};

constexpr std::array<ToolbarButton, 9> kToolbar = {{
    {cmd::kFileNew, 0},
    {cmd::kFileOpen, 1},
    {cmd::kFileSave, 2},
    {0, -1},
    {cmd::kRead, 3},
    {cmd::kWrite, 4},
    {0, -1},
    {cmd::kFilePrint, 5},
    {cmd::kAppAbout, 6},
}};

struct Prompt {
    int id;
    const char* text;
};

constexpr Prompt kPrompts[] = {
    {cmd::kRead, QT_TRANSLATE_NOOP("String", "Read Data From Radio\nRead")},
    {cmd::kWrite, QT_TRANSLATE_NOOP("String", "Write Data to Radio \nWrite")},
    {cmd::kCom1, QT_TRANSLATE_NOOP("String", "Choose Communication Port 1\nCom1")},
    {cmd::kCom2, QT_TRANSLATE_NOOP("String", "Choose Communication Port 2\nCom2")},
    {cmd::kCom3, QT_TRANSLATE_NOOP("String", "Choose Communication Port 3\nCom3")},
    {cmd::kCom4, QT_TRANSLATE_NOOP("String", "Choose Communication Port 4\nCom4")},
    {cmd::kFileNew, QT_TRANSLATE_NOOP("String", "Create a new document\nNew")},
    {cmd::kFileOpen, QT_TRANSLATE_NOOP("String", "Open an existing document\nOpen")},
    {cmd::kFileClose, QT_TRANSLATE_NOOP("String", "Close the active document\nClose")},
    {cmd::kFileSave, QT_TRANSLATE_NOOP("String", "Save the active document\nSave")},
    {cmd::kFileSaveAs,
     QT_TRANSLATE_NOOP("String", "Save the active document with a new name\nSave As")},
    {cmd::kFilePageSetup, QT_TRANSLATE_NOOP("String", "Change the printing options\nPage Setup")},
    {cmd::kFilePrintSetup,
     QT_TRANSLATE_NOOP("String", "Change the printer and printing options\nPrint Setup")},
    {cmd::kFilePrint, QT_TRANSLATE_NOOP("String", "Print the active document\nPrint")},
    {cmd::kFilePrintPreview, QT_TRANSLATE_NOOP("String", "Display full pages\nPrint Preview")},
    {cmd::kAppAbout,
     QT_TRANSLATE_NOOP("String",
                       "Display program information, version number and copyright\nAbout")},
    {cmd::kAppExit,
     QT_TRANSLATE_NOOP("String", "Quit the application; prompts to save documents\nExit")},
    {cmd::kNextPane, QT_TRANSLATE_NOOP("String", "Switch to the next window pane\nNext Pane")},
    {cmd::kPrevPane,
     QT_TRANSLATE_NOOP("String", "Switch back to the previous window pane\nPrevious Pane")},
    {cmd::kEditUndo, QT_TRANSLATE_NOOP("String", "Undo the last action\nUndo")},
    {cmd::kFileNewFromPlan,
     QT_TRANSLATE_NOOP("String", "Start a new document from a ready channel plan\nNew from Plan")},
    {cmd::kCheckPlan,
     QT_TRANSLATE_NOOP("String", "Check the channels for what a radio cannot use or should not "
                                 "get\nCheck Plan")},
    {cmd::kCompareWithRadio,
     QT_TRANSLATE_NOOP("String", "Read the radio and show what a write would change\nCompare")},
    {cmd::kSaveDiagnostic,
     QT_TRANSLATE_NOOP("String", "Save what support needs to know in one text file\nDiagnostic "
                                 "Report")},
    {cmd::kProgramMany,
     QT_TRANSLATE_NOOP("String",
                       "Write this memory into many radios, on every cable at once\nMany Radios")},
    {cmd::kEditCut, QT_TRANSLATE_NOOP("String", "Cut the selected channels to the clipboard\nCut")},
    {cmd::kEditCopy,
     QT_TRANSLATE_NOOP("String", "Copy the selected channels to the clipboard\nCopy")},
    {cmd::kEditPaste,
     QT_TRANSLATE_NOOP("String", "Paste channels over the current channel and those below\nPaste")},
    {cmd::kEditClear, QT_TRANSLATE_NOOP("String", "Empty the selected channels\nDelete")},
    {cmd::kMoveUp, QT_TRANSLATE_NOOP("String", "Move the selected channels up one place\nMove Up")},
    {cmd::kMoveDown,
     QT_TRANSLATE_NOOP("String", "Move the selected channels down one place\nMove Down")},
    {cmd::kSortByRx,
     QT_TRANSLATE_NOOP("String", "Order the channels by Rx frequency, empty channels last\nSort")},
    {cmd::kEditRedo, QT_TRANSLATE_NOOP("String", "Redo the previously undone action\nRedo")},
    {cmd::kViewToolbar, QT_TRANSLATE_NOOP("String", "Show or hide the toolbar\nToggle ToolBar")},
    {cmd::kViewStatusBar,
     QT_TRANSLATE_NOOP("String", "Show or hide the status bar\nToggle StatusBar")},
};

constexpr int kAllCommands[] = {
    cmd::kFileNew,
    cmd::kFileNewFromPlan,
    cmd::kFileOpen,
    cmd::kFileSave,
    cmd::kFileSaveAs,
    cmd::kFilePrint,
    cmd::kFilePrintDirect,
    cmd::kFilePrintPreview,
    cmd::kFilePrintSetup,
    cmd::kAppExit,
    cmd::kEditUndo,
    cmd::kEditRedo,
    cmd::kEditCut,
    cmd::kEditCopy,
    cmd::kEditPaste,
    cmd::kEditClear,
    cmd::kMoveUp,
    cmd::kMoveDown,
    cmd::kSortByRx,
    cmd::kRead,
    cmd::kWrite,
    cmd::kProgramMany,
    cmd::kCompareWithRadio,
    cmd::kSaveDiagnostic,
    cmd::kCheckPlan,
    cmd::kOption,
    cmd::kSideKey,
    cmd::kEmbed,
    cmd::kLanguage,
    cmd::kCom1,
    cmd::kCom2,
    cmd::kCom3,
    cmd::kCom4,
    cmd::kCom5,
    cmd::kCom6,
    cmd::kCom7,
    cmd::kCom8,
    cmd::kViewToolbar,
    cmd::kViewStatusBar,
    cmd::kAppAbout,
    cmd::kHelp,
    cmd::kNextPane,
    cmd::kPrevPane,
};

} // namespace

std::span<const MenuPopup> MainMenu() {
    return kMainMenu;
}
std::span<const Accelerator> Accelerators() {
    return kAccelerators;
}
std::span<const ToolbarButton> ToolbarButtons() {
    return kToolbar;
}
std::span<const int> AllCommands() {
    return kAllCommands;
}

QString CommandName(int id) {
    for (const MenuPopup& popup : MainMenu()) {
        for (const MenuItem& item : popup.items) {
            if (item.text == nullptr || item.id != id) {
                continue;
            }
            QString name = res("Menu128", item.text);
            name = name.left(name.indexOf(QLatin1Char('\t')));
            // "剪切(&T)": a mnemonic in brackets after a Chinese text.
            static const QRegularExpression kBracketed(QStringLiteral("\\(&.\\)$"));
            name.remove(kBracketed);
            name.remove(QLatin1Char('&'));
            return name.trimmed();
        }
    }
    return {};
}

const char* CommandPrompt(int id) {
    for (const Prompt& prompt : kPrompts) {
        if (prompt.id == id) {
            return prompt.text;
        }
    }
    return nullptr;
}
