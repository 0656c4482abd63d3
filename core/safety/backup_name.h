#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace zrx {

// What made a backup: which read brought the radio's memory in.
enum class BackupOrigin {
    ProgramRead, // Program > Read in the window
    ZrxRead,     // zrx read
    BeforeWrite, // zrx write --backup, just before writing
    FleetWrite,  // zrx fleet --backup, just before writing one radio of the fleet
};

// The tag an origin leaves in the file name ("zrx-read"), and back; an
// unknown tag (from a later version) is kept as it is.
[[nodiscard]] std::string_view backupOriginTag(BackupOrigin origin);
[[nodiscard]] std::optional<BackupOrigin> backupOriginFromTag(std::string_view tag);

using BackupTime = std::chrono::time_point<std::chrono::system_clock, std::chrono::milliseconds>;

// A backup's file name: the moment it was taken, in UTC to the millisecond so
// names sort by time and never depend on the clock's time zone, then the
// origin, then for the second and later backup of the same millisecond a
// number: "2024-05-01T120322.123Z_zrx-read.sin", "..._zrx-read_2.sin".
[[nodiscard]] std::string backupFileName(BackupTime taken, BackupOrigin origin, int copy = 1);

struct ParsedBackupName {
    BackupTime taken;
    std::string originTag;
};

// The time and origin tag of a name made by backupFileName; nothing for any
// other name (temporary files, files the user put there).
[[nodiscard]] std::optional<ParsedBackupName> parseBackupFileName(std::string_view name);

} // namespace zrx
