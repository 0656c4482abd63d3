#pragma once

#include <QString>

#include "image/language.h"

// One line for the status bar when the port exists but this user may not
// open it: the device, and on Linux the usual way out (serial devices
// belong to the dialout group there).
[[nodiscard]] QString PermissionProblemText(const QString& portName, zrx::Language language);
