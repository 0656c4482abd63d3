#pragma once

#include "editing/channel_edits.h"

// The rules of in-place editing that are about the editors themselves: what
// a key does in each editor and where an editor goes over its cell. What an
// edit writes into a channel is the core's (editing/channel_edits.h), the
// same for the grid and for zrx; the view only applies these decisions to
// its widgets.
namespace zrx::editing {

// Keys as the editors see them.
enum class Key { Enter, Delete, Backspace, Left, Right, Up, Down, Home, End, Digit, Point, Other };

struct KeyStroke {
    Key key = Key::Other;
    bool keypad = false; // from the numeric keypad
    bool shift = false;  // Shift held down
};

enum class FrequencyKeyAction {
    Pass,    // the edit box handles it normally
    Swallow, // consumed without effect
    Commit,  // Enter: commit, then move right (or down when the text was empty)
};

// Only digits and the decimal point can be typed into the frequency box,
// plus the editing keys; Shift turns the main keyboard's digits off.
[[nodiscard]] FrequencyKeyAction frequencyKeyAction(const KeyStroke& stroke);

// The extra moves the grid queues before it handles an arrow key itself, so
// that Right on the last column continues on the next row and Left on the
// first data column goes back to the end of the previous row.
enum class GridWrap { None, ToNextRowStart, ToPreviousRowEnd };

[[nodiscard]] GridWrap gridArrowWrap(Key key, long row, long col, long rows, long cols);

// Where an in-place editor goes over cell geometry given in twips, with the
// grid's window at (gridLeft, gridTop) and the screen's pixels per inch:
// one pixel inside the grid's frame, covering the cell up to its grid line.
struct EditorRect {
    int left = 0;
    int top = 0;
    int right = 0; // one past the last column of pixels
    int bottom = 0;
};

[[nodiscard]] EditorRect cellEditorRect(long colPos, long rowPos, long colWidth, long rowHeight,
                                        int dpiX, int dpiY, int gridLeft, int gridTop);

} // namespace zrx::editing
