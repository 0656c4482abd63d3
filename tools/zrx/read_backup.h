#pragma once

#include <string>

#include "image/language.h"
#include "image/radio_image.h"
#include "safety/backup_name.h"

namespace zrx::cli {

// Keeps the memory a read brought in as a backup. A backup that cannot be
// kept is one warning line on stderr (the read itself went through); the
// backup's path, or empty.
std::string keepBackupOrWarn(const RadioImage& image, BackupOrigin origin, Language language);

} // namespace zrx::cli
