#include "menu_table.h"

#include <array>

#include "command_ids.h"

namespace {

constexpr MenuItem kFileMenu[] = {
    {"&New\tCtrl+N", cmd::kFileNew},
    {"&Open...\tCtrl+O", cmd::kFileOpen},
    {"&Save\tCtrl+S", cmd::kFileSave},
    {"Save &As...", cmd::kFileSaveAs},
    {nullptr, 0},
    {"&Print...\tCtrl+P", cmd::kFilePrint},
    {"Print Pre&view", cmd::kFilePrintPreview},
    {"P&rint Setup...", cmd::kFilePrintSetup},
    {nullptr, 0},
    {"E&xit", cmd::kAppExit},
};
constexpr MenuItem kProgramMenu[] = {
    {"&Read\tCtrl+R", cmd::kRead}, {"&Write\tCtrl+W", cmd::kWrite}, {nullptr, 0},
    {"Option", cmd::kOption},      {"Side Key", cmd::kSideKey},
};
constexpr MenuItem kSettingMenu[] = {
    {"Embed", cmd::kEmbed},
    {"Language", cmd::kLanguage},
};
// COM1 to COM4 and COM5 to COM8 are two runs of ids: Side Key sits between them.
constexpr MenuItem kPortMenu[] = {
    {"COM1", cmd::kCom1}, {"COM2", cmd::kCom2}, {"COM3", cmd::kCom3}, {"COM4", cmd::kCom4},
    {"COM5", cmd::kCom5}, {"COM6", cmd::kCom6}, {"COM7", cmd::kCom7}, {"COM8", cmd::kCom8},
};
constexpr MenuItem kViewMenu[] = {
    {"&Toolbar", cmd::kViewToolbar},
    {"&Status Bar", cmd::kViewStatusBar},
};
constexpr MenuItem kHelpMenu[] = {
    {"About", cmd::kAppAbout},
    {"Help", cmd::kHelp},
};

constexpr std::array<MenuPopup, 6> kMainMenu = {{
    {"&File", kFileMenu},
    {"&Program", kProgramMenu},
    {"Setting", kSettingMenu},
    {"Port", kPortMenu},
    {"&View", kViewMenu},
    {"Help", kHelpMenu},
}};

// F6 and Shift+F6 move between panes in a split window; this frame has none.
const std::array<Accelerator, 8> kAccelerators = {{
    {Qt::CTRL | Qt::Key_N, cmd::kFileNew},
    {Qt::CTRL | Qt::Key_O, cmd::kFileOpen},
    {Qt::CTRL | Qt::Key_P, cmd::kFilePrint},
    {Qt::CTRL | Qt::Key_R, cmd::kRead},
    {Qt::CTRL | Qt::Key_S, cmd::kFileSave},
    {Qt::CTRL | Qt::Key_W, cmd::kWrite},
    {QKeyCombination(Qt::Key_F6), cmd::kNextPane},
    {Qt::SHIFT | Qt::Key_F6, cmd::kPrevPane},
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
    {cmd::kRead, "Read Data From Radio\nRead"},
    {cmd::kWrite, "Write Data to Radio \nWrite"},
    {cmd::kCom1, "Choose Communication Port 1\nCom1"},
    {cmd::kCom2, "Choose Communication Port 2\nCom2"},
    {cmd::kCom3, "Choose Communication Port 3\nCom3"},
    {cmd::kCom4, "Choose Communication Port 4\nCom4"},
    {cmd::kFileNew, "Create a new document\nNew"},
    {cmd::kFileOpen, "Open an existing document\nOpen"},
    {cmd::kFileClose, "Close the active document\nClose"},
    {cmd::kFileSave, "Save the active document\nSave"},
    {cmd::kFileSaveAs, "Save the active document with a new name\nSave As"},
    {cmd::kFilePageSetup, "Change the printing options\nPage Setup"},
    {cmd::kFilePrintSetup, "Change the printer and printing options\nPrint Setup"},
    {cmd::kFilePrint, "Print the active document\nPrint"},
    {cmd::kFilePrintPreview, "Display full pages\nPrint Preview"},
    {cmd::kAppAbout, "Display program information, version number and copyright\nAbout"},
    {cmd::kAppExit, "Quit the application; prompts to save documents\nExit"},
    {cmd::kNextPane, "Switch to the next window pane\nNext Pane"},
    {cmd::kPrevPane, "Switch back to the previous window pane\nPrevious Pane"},
    {cmd::kViewToolbar, "Show or hide the toolbar\nToggle ToolBar"},
    {cmd::kViewStatusBar, "Show or hide the status bar\nToggle StatusBar"},
};

constexpr int kAllCommands[] = {
    cmd::kFileNew,
    cmd::kFileOpen,
    cmd::kFileSave,
    cmd::kFileSaveAs,
    cmd::kFilePrint,
    cmd::kFilePrintDirect,
    cmd::kFilePrintPreview,
    cmd::kFilePrintSetup,
    cmd::kAppExit,
    cmd::kRead,
    cmd::kWrite,
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

const char* CommandPrompt(int id) {
    for (const Prompt& prompt : kPrompts) {
        if (prompt.id == id) {
            return prompt.text;
        }
    }
    return nullptr;
}
