#pragma once

#include <QKeyCombination>
#include <QString>
#include <span>

// The main window's vocabulary as data: the menu, the accelerators, the
// toolbar and the command prompts. The texts are the English resource texts;
// the language library gives each its translation (context "Menu128" for the
// menu, "String" for the prompts), and QT_TRANSLATE_NOOP marks each with its
// context for lupdate.

struct MenuItem {
    const char* text; // nullptr for a separator
    int id;
};

struct MenuPopup {
    const char* title;
    std::span<const MenuItem> items;
};

struct Accelerator {
    QKeyCombination keys;
    int id;
};

// The image of a toolbar button is its position in the 126 x 18 strip.
struct ToolbarButton {
    int id; // 0 for a separator
    int image;
};

[[nodiscard]] std::span<const MenuPopup> MainMenu();
[[nodiscard]] std::span<const Accelerator> Accelerators();
[[nodiscard]] std::span<const ToolbarButton> ToolbarButtons();

// The prompt of a command ("status-bar text\ntooltip"), or nullptr for a
// command without one.
[[nodiscard]] const char* CommandPrompt(int id);

// A command's menu text in the running language, as a name: without its
// mnemonic and its key ("Cu&t\tCtrl+X" -> "Cut", "剪切(&T)\tCtrl+X" -> "剪切");
// empty for a command no menu holds.
[[nodiscard]] QString CommandName(int id);

// Every command id the menus, accelerators, toolbar and command line can send.
[[nodiscard]] std::span<const int> AllCommands();
