#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "image/channel_codec.h"
#include "image/frequency_codec.h"
#include "image/language.h"

// The rules of in-place editing that need no window: what a typed frequency
// becomes, what a commit writes into a channel's row, how a frequency-range
// text sets the band, and what a key does in each editor. The view only
// applies these decisions to its widgets.
namespace zrx::editing {

// The raster of the radio: every channel frequency is a multiple of 5 kHz or
// of 6.25 kHz (500 or 625 units of 10 Hz).
inline constexpr FrequencyCount kRaster5k = 500;
inline constexpr FrequencyCount kRaster6k25 = 625;

// A typed frequency is pulled into [lower, upper] (unless it is 0, which
// clears the cell), then moved down to the nearer raster point below it; on
// a tie the 5 kHz raster wins. 462.563 MHz -> 462.5625, 430.0031 -> 430.0000.
[[nodiscard]] FrequencyCount clampAndSnap(FrequencyCount typed, FrequencyCount lower,
                                          FrequencyCount upper);

// The seven texts of a channel row (grid columns 1..7) after the frequency
// editor opened on `column` (1 Rx, 2 Tx) commits `typed`:
// - Rx cleared (0 or no number) empties the whole channel;
// - a frequency in the Rx cell of an empty channel starts the channel with
//   Tx = Rx and the new-channel defaults in `language`;
// - otherwise only the edited cell changes; Tx cannot be set on an empty
//   channel.
[[nodiscard]] ChannelTexts commitFrequency(const ChannelTexts& row, int column,
                                           std::string_view typed, Language language,
                                           FrequencyCount lower, FrequencyCount upper);

// What a tone or choice list writes into its cell: the chosen text, unless
// the channel has no Rx frequency (then the cell stays empty).
[[nodiscard]] std::string listCommitText(std::string_view rxText, std::string_view chosen);

// The texts a freshly started channel gets in columns 3..7.
[[nodiscard]] ChannelTexts newChannelTexts(std::string_view frequency, Language language);

struct BandLimits {
    FrequencyCount lower = 0;
    FrequencyCount upper = 0;
};

// "400-470MHz" -> 40000000..47000000: the first run of digits, any
// non-digits, the second run of digits, both in whole MHz. A text without two
// numbers, or with a number too large for the radio's 32-bit count, gives
// nothing (the caller keeps the limits it had).
[[nodiscard]] std::optional<BandLimits> bandFromRangeText(std::string_view text);

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
