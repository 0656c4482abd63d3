#pragma once

// Command identifiers of the menus, toolbar and accelerators. The numbers are
// the radio tool's traditional ones; tests and translations refer to them.
namespace cmd {
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileClose = 57602;
inline constexpr int kFileSave = 57603;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kFilePageSetup = 57605;
inline constexpr int kFilePrintSetup = 57606;
inline constexpr int kFilePrint = 57607;
inline constexpr int kFilePrintDirect = 57608;
inline constexpr int kFilePrintPreview = 57609;
inline constexpr int kEditClear = 57632;
inline constexpr int kEditCopy = 57634;
inline constexpr int kEditCut = 57635;
inline constexpr int kEditPaste = 57637;
inline constexpr int kEditUndo = 57643;
inline constexpr int kEditRedo = 57644;
inline constexpr int kAppAbout = 57664;
inline constexpr int kAppExit = 57665;
inline constexpr int kNextPane = 57680;
inline constexpr int kPrevPane = 57681;
inline constexpr int kViewToolbar = 59392;
inline constexpr int kViewStatusBar = 59393;

inline constexpr int kOption = 32784;
inline constexpr int kRead = 32785;
inline constexpr int kWrite = 32786;
inline constexpr int kCom1 = 32787;
inline constexpr int kCom2 = 32788;
inline constexpr int kCom3 = 32789;
inline constexpr int kCom4 = 32790;
inline constexpr int kSideKey = 32791;
inline constexpr int kCom5 = 32792;
inline constexpr int kCom6 = 32793;
inline constexpr int kCom7 = 32794;
inline constexpr int kCom8 = 32795;
inline constexpr int kEmbed = 32796;
inline constexpr int kLanguage = 32797;
inline constexpr int kHelp = 32798;
inline constexpr int kMoveUp = 32800;
inline constexpr int kMoveDown = 32801;
inline constexpr int kSortByRx = 32802;
inline constexpr int kFileNewFromPlan = 32803;
inline constexpr int kCheckPlan = 32804;
inline constexpr int kProgramMany = 32805;

// The Port menu's commands are not consecutive: 32791 is Side Key.
inline constexpr int kComPorts[8] = {kCom1, kCom2, kCom3, kCom4, kCom5, kCom6, kCom7, kCom8};
} // namespace cmd
