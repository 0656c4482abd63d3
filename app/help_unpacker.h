#pragma once

#include <QString>
#include <optional>

#include "help_bundle.h"

// Runs the helper `unpacker` (zrx-chm-unpack) on the help file at `chmPath`
// and returns what it took out; nullopt when the file is missing or damaged,
// or the helper fails, hangs (10 s) or is missing.
[[nodiscard]] std::optional<HelpBundle> UnpackHelpFile(const QString& chmPath,
                                                       const QString& unpacker);
