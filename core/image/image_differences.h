#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frequency_codec.h"
#include "language.h"
#include "radio_image.h"

namespace zrx {

// Which bytes a comparison looks at.
enum class CompareScope {
    // What a write sends, 0x000-0x3DF: the radio against a file. The form's
    // list selections and the bytes after them never reach the radio, so
    // they are no difference a write could make.
    WrittenBytes,
    // All 1024 bytes, the Model and Frequency Range selections included:
    // one file against another.
    WholeImage,
};

enum class DifferenceKind {
    ChannelField, // a cell of the channel table
    Setting,      // a radio-wide setting, a code, or a list of the form
    OtherBytes,   // bytes no field shows, within one row of 16
};

// One difference between two images, as a person reads it: the channel,
// the field and its text on either side ("In the radio", "In this file").
struct ImageDifference {
    DifferenceKind kind = DifferenceKind::ChannelField;
    int channel = 0;      // 1..16 for a channel's field or bytes of its record; else 0
    std::string_view key; // stable English name: "rx_freq", "squelch_level", "other_bytes"
    std::string label;    // in the language: "Rx Freq", "静噪等级", "Other bytes 0x3CC-0x3CF"
    std::string first;    // the text in the first image
    std::string second;   // the text in the second
    // The frequency of a programmed channel's Rx or Tx Freq, in 10 Hz units.
    std::optional<FrequencyCount> firstFrequency;
    std::optional<FrequencyCount> secondFrequency;
    // The bytes the field occupies.
    std::size_t firstAddress = 0;
    std::size_t lastAddress = 0;
};

// Every difference between `first` (the radio) and `second` (the file)
// within `scope`: the channels 1 to 16 field by field in the grid's column
// order, then the settings in the order `zrx show` lists them, then, row by
// row, bytes that differ where no field shows it (bytes no field covers, or
// values that show the same text). Every differing byte of the scope is in
// some entry. Texts are in `language`, as the grid and the dialogs show
// them; an empty channel's fields read "(empty)".
[[nodiscard]] std::vector<ImageDifference> compareImages(const RadioImage& first,
                                                         const RadioImage& second,
                                                         CompareScope scope, Language language);

// The headings of a difference list.
inline constexpr LocalText kFieldHeadingText{"Field", "项目", "項目"};
inline constexpr LocalText kInTheRadioText{"In the radio", "电台中", "電台中"};
inline constexpr LocalText kInThisFileText{"In this file", "此文件中", "此檔案中"};
// What a list with no entries says, in one line.
inline constexpr LocalText kNothingDiffersText{
    "Nothing differs: the radio holds what this file would write.",
    "没有差异：电台中已是此文件将写入的内容。", "沒有差異：電台中已是此檔案將寫入的內容。"};
inline constexpr LocalText kFilesSameText{"Nothing differs between the two files.",
                                          "两个文件没有差异。", "兩個檔案沒有差異。"};

} // namespace zrx
