#pragma once

#include "language.h"
#include "settings_field.h"

namespace zrx {

// The captions and labels of the Option Function and Side Key dialogs, in the
// three languages, exactly as the language resources give them, so that a
// listing of the settings reads like the dialogs. The English label of Voice
// Annunciation is spelt as the dialog spells it.
inline constexpr LocalText kOptionFunctionCaption{"Option Function", "功能选项", "功能選項"};
inline constexpr LocalText kSideKeyCaption{"Side Key", "侧键", "側鍵"};
inline constexpr LocalText kPttIdCodeLabel{"PTT ID Code", "PTT ID 码", "PTT ID 碼"};
// The PCBA code dialog's label, and the form's labels of its two lists.
inline constexpr LocalText kPcbaLabel{"PCBA", "PCBA 码", "PCBA 碼"};
inline constexpr LocalText kModelLabel{"Model", "型号", "型號"};
inline constexpr LocalText kFrequencyRangeLabel{"Frequency Range", "频率范围", "頻率範圍"};

// The label in front of the field's list; a side key's is its group and its
// press ("Side Key 1 Short").
[[nodiscard]] const LocalText& fieldLabel(SettingsField field);

// The field's name for programs reading zrx's JSON: English, lower case,
// words joined by '_', without a unit ("vox_delay_time"). These never change.
[[nodiscard]] std::string_view fieldKey(SettingsField field);

} // namespace zrx
