#include "backup_name.h"

#include <array>
#include <cstdio>

namespace zrx {

namespace {

using namespace std::chrono;

struct OriginTag {
    BackupOrigin origin;
    std::string_view tag;
};

constexpr std::array<OriginTag, 4> kTags{{
    {BackupOrigin::ProgramRead, "program-read"},
    {BackupOrigin::ZrxRead, "zrx-read"},
    {BackupOrigin::BeforeWrite, "zrx-write"},
    {BackupOrigin::FleetWrite, "zrx-fleet"},
}};

// "YYYY-MM-DDTHHMMSS.mmmZ"
constexpr std::size_t kStampLength = 22;
constexpr std::string_view kExtension = ".sin";

// The decimal number in `text`, or -1 when it holds anything but digits.
int digits(std::string_view text) {
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return -1;
        }
        value = value * 10 + (c - '0');
    }
    return text.empty() ? -1 : value;
}

bool isTagCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

} // namespace

std::string_view backupOriginTag(BackupOrigin origin) {
    for (const OriginTag& entry : kTags) {
        if (entry.origin == origin) {
            return entry.tag;
        }
    }
    return "unknown";
}

std::optional<BackupOrigin> backupOriginFromTag(std::string_view tag) {
    for (const OriginTag& entry : kTags) {
        if (entry.tag == tag) {
            return entry.origin;
        }
    }
    return std::nullopt;
}

std::string backupFileName(BackupTime taken, BackupOrigin origin, int copy) {
    const sys_days day = floor<days>(taken);
    const year_month_day date{day};
    const hh_mm_ss<milliseconds> time{taken - day};
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%04d-%02u-%02uT%02d%02d%02d.%03dZ", int(date.year()),
                  unsigned(date.month()), unsigned(date.day()), int(time.hours().count()),
                  int(time.minutes().count()), int(time.seconds().count()),
                  int(time.subseconds().count()));
    std::string name(stamp);
    name += '_';
    name += backupOriginTag(origin);
    if (copy > 1) {
        name += '_';
        name += std::to_string(copy);
    }
    name += kExtension;
    return name;
}

std::optional<ParsedBackupName> parseBackupFileName(std::string_view name) {
    if (name.size() < kStampLength + 2 + kExtension.size() || !name.ends_with(kExtension) ||
        name[kStampLength] != '_') {
        return std::nullopt;
    }
    const std::string_view stamp = name.substr(0, kStampLength);
    if (stamp[4] != '-' || stamp[7] != '-' || stamp[10] != 'T' || stamp[17] != '.' ||
        stamp[21] != 'Z') {
        return std::nullopt;
    }
    const int y = digits(stamp.substr(0, 4));
    const int mo = digits(stamp.substr(5, 2));
    const int d = digits(stamp.substr(8, 2));
    const int h = digits(stamp.substr(11, 2));
    const int mi = digits(stamp.substr(13, 2));
    const int s = digits(stamp.substr(15, 2));
    const int ms = digits(stamp.substr(18, 3));
    const year_month_day date{year{y}, month{static_cast<unsigned>(mo)},
                              day{static_cast<unsigned>(d)}};
    if (y < 0 || mo < 0 || d < 0 || !date.ok() || h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 ||
        s > 60 || ms < 0) {
        return std::nullopt;
    }
    std::string_view rest =
        name.substr(kStampLength + 1, name.size() - kStampLength - 1 - kExtension.size());
    // A copy number after the tag: "_2".
    if (const auto underscore = rest.rfind('_'); underscore != std::string_view::npos) {
        if (digits(rest.substr(underscore + 1)) < 2) {
            return std::nullopt;
        }
        rest = rest.substr(0, underscore);
    }
    if (rest.empty()) {
        return std::nullopt;
    }
    for (const char c : rest) {
        if (!isTagCharacter(c)) {
            return std::nullopt;
        }
    }
    ParsedBackupName parsed;
    parsed.taken = sys_days{date} + hours{h} + minutes{mi} + seconds{s} + milliseconds{ms};
    parsed.originTag = std::string(rest);
    return parsed;
}

} // namespace zrx
