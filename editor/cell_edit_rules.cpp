#include "cell_edit_rules.h"

#include "grid/twips.h"

namespace zrx::editing {

FrequencyKeyAction frequencyKeyAction(const KeyStroke& stroke) {
    switch (stroke.key) {
    case Key::Enter:
        return FrequencyKeyAction::Commit;
    case Key::Delete:
    case Key::Backspace:
    case Key::Left:
    case Key::Right:
        return FrequencyKeyAction::Pass;
    case Key::Digit:
    case Key::Point:
        if (stroke.keypad) {
            return FrequencyKeyAction::Pass;
        }
        return stroke.shift ? FrequencyKeyAction::Swallow : FrequencyKeyAction::Pass;
    default:
        return FrequencyKeyAction::Swallow;
    }
}

GridWrap gridArrowWrap(Key key, long row, long col, long rows, long cols) {
    if (key == Key::Right && col == cols - 1 && row != rows - 1) {
        return GridWrap::ToNextRowStart;
    }
    if (key == Key::Left && col == 1 && row > 1) {
        return GridWrap::ToPreviousRowEnd;
    }
    return GridWrap::None;
}

EditorRect cellEditorRect(long colPos, long rowPos, long colWidth, long rowHeight, int dpiX,
                          int dpiY, int gridLeft, int gridTop) {
    // Twips to pixels, rounded, the same conversion the grid uses; a whole
    // number of twips per pixel would misplace the editor on screens whose
    // resolution does not divide 1440.
    const long x = twips::toPixels(colPos, dpiX);
    const long y = twips::toPixels(rowPos, dpiY);
    const long w = twips::toPixels(colWidth, dpiX) + 1;
    const long h = twips::toPixels(rowHeight, dpiY) + 1;
    return EditorRect{static_cast<int>(gridLeft + x + 2), static_cast<int>(gridTop + y + 2),
                      static_cast<int>(gridLeft + x + w + 1),
                      static_cast<int>(gridTop + y + h + 1)};
}

} // namespace zrx::editing
