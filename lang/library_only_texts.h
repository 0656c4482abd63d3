#pragma once

// Not compiled: only lupdate reads this file (scripts/update-translations.sh).
//
// Texts every language library carries although no code of the program looks
// them up: the rest of the library's string table (the document's type name,
// status-bar indicators and window prompts this frame has no place for, and a
// transfer caption the program now takes from a three-language table of its
// own), and the two entries of the form's lists, which read the same in every
// language. Listed here they stay live entries of lang/*.ts, so each library
// keeps every text it has always had. When code starts to look one of them up,
// mark it there and take it out of this list.

#include <QtGlobal>

inline constexpr const char* kLibraryOnlyTexts[] = {
    QT_TRANSLATE_NOOP("String", "Write Data"),
    QT_TRANSLATE_NOOP("String", "Program Document"),
    QT_TRANSLATE_NOOP("String", "Open this document"),
    QT_TRANSLATE_NOOP("String", "Split the active window into panes\nSplit"),
    QT_TRANSLATE_NOOP("String", "EXT"),
    QT_TRANSLATE_NOOP("String", "OVR"),
    QT_TRANSLATE_NOOP("String", "REC"),
    QT_TRANSLATE_NOOP("String", "Change the window size"),
    QT_TRANSLATE_NOOP("String", "Change the window position"),
    QT_TRANSLATE_NOOP("String", "Reduce the window to an icon"),
    QT_TRANSLATE_NOOP("String", "Enlarge the window to full size"),
    QT_TRANSLATE_NOOP("String", "Switch to the next document window"),
    QT_TRANSLATE_NOOP("String", "Switch to the previous document window"),
    QT_TRANSLATE_NOOP("String", "Close the active window and prompts to save the documents"),
    QT_TRANSLATE_NOOP("String", "Restore the window to normal size"),
    QT_TRANSLATE_NOOP("String", "Activate Task List"),
    QT_TRANSLATE_NOOP("String", "Close print preview mode\nCancel Preview"),
    QT_TRANSLATE_NOOP("Dialog101", "ZRX412"),
    QT_TRANSLATE_NOOP("Dialog101", "400-470MHz"),
};
