#include "read_backup.h"

#include <iostream>

#include "input_files.h"
#include "safety/backup_store.h"

namespace zrx::cli {

namespace {

constexpr LocalText kNotKept{"zrx: warning: no backup of the radio's memory was kept: ",
                             "zrx：警告：未能保存电台存储器的备份：",
                             "zrx：警告：未能保存電台記憶體的備份："};

} // namespace

std::string keepBackupOrWarn(const RadioImage& image, BackupOrigin origin, Language language) {
    const BackupSaved saved = keepReadBackup(image, origin);
    if (!saved.ok) {
        std::cerr << kNotKept.in(language) << saved.error << '\n';
        return {};
    }
    return displayName(saved.path);
}

} // namespace zrx::cli
