// The backup folder, the names of backups, and keeping and listing them.

#include <gtest/gtest.h>

#include <map>
#include <thread>

#include "file_bytes.h"
#include "image/channel_codec.h"
#include "image/new_image.h"
#include "image/settings_codes.h"
#include "random_image.h"
#include "safety/backup_folder.h"
#include "safety/backup_store.h"
#include "temp_dir.h"

using namespace zrx;
using namespace std::chrono;
namespace fs = std::filesystem;

namespace {

BackupTime at(year_month_day date, hours h, minutes m, seconds s, milliseconds ms) {
    return sys_days{date} + h + m + s + ms;
}

struct BackupFolderCase {
    std::map<std::string, std::string> environment;
    std::optional<std::string> folder;
};

// Where each system keeps a user's data. Empty or relative data folders
// are not to be used.
#ifdef _WIN32
const std::vector<BackupFolderCase> kBackupFolderCases = {
    {{{"LOCALAPPDATA", "C:/Users/ann/AppData/Local"}, {"HOME", "C:/Users/bob"}},
     "C:/Users/ann/AppData/Local/zrx-pc-encoder/backups"},
    {{{"LOCALAPPDATA", ""}}, std::nullopt},
    {{{"LOCALAPPDATA", "AppData/Local"}}, std::nullopt},
    {{{"XDG_DATA_HOME", "C:/data"}}, std::nullopt},
    {{}, std::nullopt},
};
#else
const std::vector<BackupFolderCase> kBackupFolderCases = {
    {{{"XDG_DATA_HOME", "/data"}, {"HOME", "/home/ann"}}, "/data/zrx-pc-encoder/backups"},
    {{{"HOME", "/home/ann"}}, "/home/ann/.local/share/zrx-pc-encoder/backups"},
    {{{"XDG_DATA_HOME", ""}, {"HOME", "/home/ann"}},
     "/home/ann/.local/share/zrx-pc-encoder/backups"},
    {{{"XDG_DATA_HOME", "data"}, {"HOME", "/home/ann"}},
     "/home/ann/.local/share/zrx-pc-encoder/backups"},
    {{{"HOME", "relative"}}, std::nullopt},
    {{}, std::nullopt},
};
#endif

TEST(BackupFolder, FollowsTheUsersDataFolder) {
    for (const BackupFolderCase& c : kBackupFolderCases) {
        const auto lookup = [&](std::string_view name) -> std::optional<std::string> {
            const auto it = c.environment.find(std::string(name));
            return it == c.environment.end() ? std::nullopt : std::optional(it->second);
        };
        const auto folder = backupFolder(lookup);
        ASSERT_EQ(folder.has_value(), c.folder.has_value());
        if (folder) {
            EXPECT_EQ(folder->generic_string(), *c.folder);
        }
    }
}

TEST(BackupName, CarriesTimeAndOriginAndSortsByTime) {
    const std::vector<std::pair<BackupTime, BackupOrigin>> backups = {
        {at(2024y / 2 / 29, 23h, 59min, 59s, 999ms), BackupOrigin::ProgramRead},
        {at(2024y / 3 / 1, 0h, 0min, 0s, 0ms), BackupOrigin::ZrxRead},
        {at(2031y / 12 / 31, 9h, 5min, 7s, 42ms), BackupOrigin::BeforeWrite},
        {at(2031y / 12 / 31, 9h, 5min, 7s, 43ms), BackupOrigin::FleetWrite},
    };
    EXPECT_EQ(backupFileName(backups[0].first, backups[0].second),
              "2024-02-29T235959.999Z_program-read.sin");
    std::string previous;
    for (const auto& [taken, origin] : backups) {
        for (const int copy : {1, 2, 17}) {
            const std::string name = backupFileName(taken, origin, copy);
            const auto parsed = parseBackupFileName(name);
            ASSERT_TRUE(parsed) << name;
            EXPECT_EQ(parsed->taken, taken) << name;
            EXPECT_EQ(backupOriginFromTag(parsed->originTag), origin) << name;
        }
        const std::string name = backupFileName(taken, origin);
        EXPECT_LT(previous, name);
        previous = name;
    }
    // What else may sit in the folder is not a backup.
    for (const char* other :
         {".backup-0123abcd0123abcd.tmp", "radio.sin", "2024-02-29T235959.999Z_zrx-read.sin.tmp",
          "2024-02-30T000000.000Z_zrx-read.sin", "2024-02-29T245959.999Z_zrx-read.sin",
          "2024-02-29T235959.999Z_.sin", "2024-02-29T235959.999Z_zrx-read_1.sin",
          "2024-02-29T235959.999Z_Zrx Read.sin", "2024-02-29T235959.99xZ_zrx-read.sin"}) {
        EXPECT_FALSE(parseBackupFileName(other)) << other;
    }
}

TEST(BackupStore, KeepsEveryReadByteExactWithoutReplacingAny) {
    TempDir dir;
    const fs::path folder = dir / "data/zrx-pc-encoder/backups";
    const BackupTime sameMoment = at(2024y / 5 / 1, 12h, 3min, 22s, 123ms);
    // Two programs backing up in the same millisecond, as fast as they can.
    std::vector<BackupSaved> saved(16);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < saved.size(); ++i) {
        threads.emplace_back([&, i] {
            saved[i] = saveBackup(folder, randomImage(static_cast<unsigned>(i)),
                                  BackupOrigin::ZrxRead, sameMoment);
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    std::set<fs::path> paths;
    for (std::size_t i = 0; i < saved.size(); ++i) {
        ASSERT_TRUE(saved[i].ok) << saved[i].error;
        const auto bytes = randomImage(static_cast<unsigned>(i)).bytes();
        EXPECT_EQ(readBytes(saved[i].path), std::string(bytes.begin(), bytes.end()));
        paths.insert(saved[i].path);
    }
    EXPECT_EQ(paths.size(), saved.size());
    // Nothing else is left in the folder: no temporary files.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()),
              static_cast<std::ptrdiff_t>(saved.size()));
}

TEST(BackupStore, ListsNewestFirstWithWhatTheyHold) {
    TempDir dir;
    RadioImage twoChannels = makeNewImage();
    encodeChannel(twoChannels, 1, {"462.56250", "467.56250", "67.0", "D023N", "No", "Wide", "Add"});
    encodeChannel(twoChannels, 9, {"446.00625", "446.00625", "Off", "Off", "Yes", "Narrow", "Del"});
    encodePcbaCode(twoChannels, "AB12");
    const BackupTime older = at(2023y / 1 / 1, 8h, 0min, 0s, 0ms);
    const BackupTime newer = at(2024y / 1 / 1, 8h, 0min, 0s, 0ms);
    ASSERT_TRUE(saveBackup(dir.path(), makeNewImage(), BackupOrigin::ProgramRead, older).ok);
    ASSERT_TRUE(saveBackup(dir.path(), twoChannels, BackupOrigin::BeforeWrite, newer).ok);
    writeBytes(dir / backupFileName(older - 1s, BackupOrigin::ZrxRead), "short");
    writeBytes(dir / "notes.txt", "not a backup");

    const std::vector<BackupEntry> entries = listBackups(dir.path());
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].taken, newer);
    EXPECT_EQ(entries[0].originTag, "zrx-write");
    EXPECT_EQ(entries[0].programmedChannels, 2);
    EXPECT_EQ(entries[0].pcbaCode, "AB12");
    EXPECT_EQ(entries[1].taken, older);
    EXPECT_EQ(entries[1].originTag, "program-read");
    EXPECT_EQ(entries[1].programmedChannels, 0);
    EXPECT_FALSE(entries[2].readable);
    EXPECT_NE(entries[2].problem.find("shorter than 1024 bytes"), std::string::npos);

    EXPECT_TRUE(listBackups(dir / "missing").empty());
}

TEST(BackupStore, AFolderThatCannotBeMadeIsAnErrorNotACrash) {
    TempDir dir;
    writeBytes(dir / "file", "in the way");
    const BackupSaved saved =
        saveBackup(dir / "file" / "backups", makeNewImage(), BackupOrigin::ZrxRead, BackupTime{});
    EXPECT_FALSE(saved.ok);
    EXPECT_FALSE(saved.error.empty());
    EXPECT_EQ(readBytes(dir / "file"), "in the way");
}

} // namespace
