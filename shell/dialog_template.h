#pragma once

#include <span>

class QDialog;
class QFont;
class QWidget;

// A dialog's layout as data: its controls with their ids, kinds, texts and
// rectangles in dialog units, as a dialog template gives them. Texts are
// English resource texts, looked up in the language library under the
// context "Dialog<id>"; each table marks them QT_TRANSLATE_NOOP("Dialog<id>",
// ...) with its own id written out, which is how lupdate finds them.

// A DropDownList's height is, as in a dialog template, the height of the box
// with its list dropped down; closed, it is one text line tall.
enum class ControlKind {
    Label,
    RightLabel,
    CenteredLabel, // centred both ways in its rectangle
    ComboBox,
    DropDownList,
    Edit,
    GroupBox,
    Button,
    DefaultButton,
    Icon,
    ProgressBar,
};

struct DialogControl {
    int id; // -1 for a label without an id
    ControlKind kind;
    const char* text;
    int x, y, width, height;
};

struct DialogTemplate {
    int id;
    const char* caption;
    int width, height;
    std::span<const DialogControl> controls;
    // The template's font, which also sets the size of a dialog unit.
    const char* fontFamily = "Arial";
    int fontPoints = 9;
};

// The template's font, with its metric twins where the face itself is missing.
[[nodiscard]] QFont DialogFont(const DialogTemplate& dialogTemplate);

// Gives `dialog` the template's caption, font and size and creates its
// controls. OK (1) accepts and Cancel (2) rejects the dialog. Tab goes
// through the controls in the order the screen shows them, line by line; a
// label names the list or edit box beside it (its buddy), which is how a
// screen reader announces that control.
void BuildDialog(QDialog* dialog, const DialogTemplate& dialogTemplate);

// The focus frame of `window` shows from the start, not only after the first
// Tab.
void ShowFocusFromTheStart(QWidget* window);

// The control with `id` that BuildDialog created, or nullptr.
[[nodiscard]] QWidget* DialogItem(const QDialog* dialog, int id);
