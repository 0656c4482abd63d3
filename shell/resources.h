#pragma once

#include <QCoreApplication>
#include <QString>

// A resource text of the language library loaded at start-up. `context`
// names the resource ("Menu128" for the main menu, "String" for the string
// table, "Dialog<id>" for a dialog template) and `english` is its text in the
// program's own English set, which is also what shows when a library lacks it.
inline QString res(const char* context, const char* english) {
    return QCoreApplication::translate(context, english);
}
