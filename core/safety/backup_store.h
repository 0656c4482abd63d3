#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "backup_name.h"
#include "image/language.h"
#include "image/radio_image.h"

namespace zrx {

struct BackupSaved {
    bool ok = false;
    std::filesystem::path path; // the new backup, when ok
    std::string error;          // the system's reason, when not
};

// Keeps `image` as a new backup in `folder` (created when missing): the
// 1024 bytes as a channel data file named by backupFileName. The file
// appears complete or not at all, and never replaces an earlier backup,
// even when several readers back up in the same millisecond.
[[nodiscard]] BackupSaved saveBackup(const std::filesystem::path& folder, const RadioImage& image,
                                     BackupOrigin origin, BackupTime taken);

// saveBackup into backupFolder() at the present moment: what every
// successful read calls.
[[nodiscard]] BackupSaved keepReadBackup(const RadioImage& image, BackupOrigin origin);

// Why a write asked to keep a backup first did not start; the system's
// reason follows.
inline constexpr LocalText kNoBackupNoWriteText{
    "nothing was written: the radio's memory could not be kept as a backup first",
    "未写入任何数据：无法先备份电台存储器", "未寫入任何資料：無法先備份電台記憶體"};

// One backup as `zrx backups` lists it.
struct BackupEntry {
    std::filesystem::path path;
    BackupTime taken;
    std::string originTag;
    bool readable = false;
    std::string problem;        // why not, when not readable
    int programmedChannels = 0; // channels whose row is not empty
    std::string pcbaCode;
};

// The backups in `folder`, newest first. Other files there are left out;
// a backup that cannot be read is listed with the reason. A missing folder
// has no backups.
[[nodiscard]] std::vector<BackupEntry> listBackups(const std::filesystem::path& folder);

} // namespace zrx
