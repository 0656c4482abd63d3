#include <CLI/CLI.hpp>

#include <iostream>

#include "command_failed.h"
#include "commands.h"
#include "image/utf8.h"
#include "input_files.h"
#include "json_output.h"
#include "language_option.h"
#include "safety/backup_folder.h"
#include "safety/backup_store.h"
#include "safety/local_time.h"

namespace zrx::cli {

namespace {

constexpr LocalText kNoHome{"no home folder is set (HOME), so there is no backup folder",
                            "未设置主文件夹（HOME），因此没有备份文件夹",
                            "未設定主資料夾（HOME），因此沒有備份資料夾"};
constexpr LocalText kFolder{"Backups in %1", "备份位于 %1", "備份位於 %1"};
constexpr LocalText kNone{"no backups yet: every successful read keeps one here",
                          "还没有备份：每次成功读取都会在此保存一份",
                          "還沒有備份：每次成功讀取都會在此保存一份"};
constexpr LocalText kChannels{"%1 channels", "%1 个信道", "%1 個通道"};
constexpr LocalText kPcba{"PCBA", "PCBA", "PCBA"};
constexpr LocalText kProgramRead{"Program: Read", "程序：读数据", "程式：讀數據"};
constexpr LocalText kZrxRead{"zrx read", "zrx read", "zrx read"};
constexpr LocalText kBeforeWrite{"zrx write --backup", "zrx write --backup", "zrx write --backup"};
constexpr LocalText kFleetWrite{"zrx fleet --backup", "zrx fleet --backup", "zrx fleet --backup"};

std::string fill(std::string_view format, const std::string& value) {
    std::string text(format);
    if (const auto at = text.find("%1"); at != std::string::npos) {
        text.replace(at, 2, value);
    }
    return text;
}

std::string madeBy(const std::string& tag, Language language) {
    const auto origin = backupOriginFromTag(tag);
    if (!origin) {
        return tag;
    }
    switch (*origin) {
    case BackupOrigin::ProgramRead:
        return std::string(kProgramRead.in(language));
    case BackupOrigin::ZrxRead:
        return std::string(kZrxRead.in(language));
    case BackupOrigin::FleetWrite:
        return std::string(kFleetWrite.in(language));
    case BackupOrigin::BeforeWrite:
        break;
    }
    return std::string(kBeforeWrite.in(language));
}

void listBackupsJson(const std::filesystem::path& folder, const std::vector<BackupEntry>& entries,
                     Language language) {
    JsonWriter json;
    json.beginObject().field("ok", true).field("folder", displayName(folder));
    json.key("backups").beginArray();
    for (const BackupEntry& entry : entries) {
        json.beginObject();
        json.field("file", displayName(entry.path.filename()));
        json.field("path", displayName(entry.path));
        json.field("taken", formatLocalTime(entry.taken, "%Y-%m-%dT%H:%M:%S%z"));
        json.field("origin", entry.originTag);
        json.field("made_by", madeBy(entry.originTag, language));
        json.field("readable", entry.readable);
        if (entry.readable) {
            json.field("channels", entry.programmedChannels);
            json.field("pcba_code", entry.pcbaCode);
        } else {
            json.field("problem", entry.problem);
        }
        json.endObject();
    }
    printJson(json.endArray().endObject());
}

void listBackupsCommand(Language language, bool asJson) {
    const auto folder = backupFolder();
    if (!folder) {
        throw CommandFailed(std::string(kNoHome.in(language)));
    }
    const std::vector<BackupEntry> entries = listBackups(*folder);
    if (asJson) {
        listBackupsJson(*folder, entries, language);
        return;
    }
    // Names, codes and reasons come from files and the system: whatever
    // bytes they hold must not reach the terminal raw.
    using utf8::printable;
    std::cout << fill(kFolder.in(language), printable(displayName(*folder))) << '\n';
    if (entries.empty()) {
        std::cout << kNone.in(language) << '\n';
        return;
    }
    for (const BackupEntry& entry : entries) {
        std::string line = formatLocalTime(entry.taken, "%Y-%m-%d %H:%M:%S") + "  " +
                           printable(madeBy(entry.originTag, language));
        if (entry.readable) {
            line += "  " + fill(kChannels.in(language), std::to_string(entry.programmedChannels));
            line += "  " + std::string(kPcba.in(language)) + " " +
                    (entry.pcbaCode.empty() ? "-" : printable(entry.pcbaCode));
        } else {
            line += "  " + printable(entry.problem);
        }
        std::cout << line << "  " << printable(displayName(entry.path.filename())) << '\n';
    }
}

} // namespace

void addBackupsCommand(CLI::App& app) {
    auto* command = app.add_subcommand(
        "backups", "List the backups every read keeps of the radio's memory, newest first");
    auto json = std::make_shared<bool>(false);
    command->add_flag("--json", *json, "Print one JSON document instead (see README)");
    const auto language = addLanguageOption(*command);
    command->callback([language, json] { listBackupsCommand(language(), *json); });
}

} // namespace zrx::cli
