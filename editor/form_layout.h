#pragma once

#include <array>

#include <QFont>
#include <QRect>
#include <QSize>

#include "shell/dialog_units.h"

// The form of the main window as its dialog template lays it out, in dialog
// units, with the control ids tests and translations refer to.
namespace form101 {

inline constexpr int kModelList = 1017;
inline constexpr int kRangeList = 1011;
inline constexpr int kFrequencyEdit = 1082;
inline constexpr int kToneList = 1083;
inline constexpr int kChoiceList = 1084;
inline constexpr int kGrid = 1007;
inline constexpr int kDefaultFactoryButton = 1068;

enum class ControlKind { GroupBox, Label, DropDownList, Edit, Grid, Button };

struct Control {
    int id; // 0 for controls without an id
    ControlKind kind;
    const char* text; // English resource text, or nullptr
    int x;
    int y;
    int width;
    int height;
};

// Size of the whole form, and its font.
inline constexpr int kFormWidth = 395;
inline constexpr int kFormHeight = 245;
inline constexpr const char* kFontFamily = "Arial";
inline constexpr int kFontPoints = 8;

inline constexpr std::array<Control, 10> kControls{{
    {0, ControlKind::GroupBox, nullptr, 14, 12, 365, 36},
    {0, ControlKind::Label, QT_TRANSLATE_NOOP("Dialog101", "Model"), 25, 25, 22, 12},
    {kModelList, ControlKind::DropDownList, nullptr, 52, 25, 61, 52},
    {0, ControlKind::Label, QT_TRANSLATE_NOOP("Dialog101", "Frequency Range"), 123, 25, 62, 12},
    {kRangeList, ControlKind::DropDownList, nullptr, 190, 25, 60, 59},
    {kFrequencyEdit, ControlKind::Edit, nullptr, 130, 5, 39, 12},
    {kToneList, ControlKind::DropDownList, nullptr, 173, 5, 41, 102},
    {kChoiceList, ControlKind::DropDownList, nullptr, 218, 5, 41, 88},
    {kGrid, ControlKind::Grid, nullptr, 14, 53, 365, 179},
    {kDefaultFactoryButton, ControlKind::Button, QT_TRANSLATE_NOOP("Dialog101", "Default Factory"),
     279, 24, 67, 14},
}};

// The form's font: Arial 8 points.
[[nodiscard]] QFont formFont();

// A control's rectangle and the whole form's size in pixels.
[[nodiscard]] QRect toPixels(const DialogUnits& units, const Control& control);
[[nodiscard]] QSize formSize(const DialogUnits& units);

// A drop-down list's template height includes its opened list; closed it is
// one text line tall.
[[nodiscard]] int closedListHeight(const QFont& font);

} // namespace form101
