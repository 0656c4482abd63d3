#pragma once

#include <QString>

// The folder of the running executable, with a trailing separator, so that
// "Program.ini" and "Default.sin" are appended directly.
inline QString g_moduleDirectory;
