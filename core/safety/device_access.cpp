#include "device_access.h"

#include <string_view>
#include <vector>

#ifndef _WIN32
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zrx {

namespace {

std::string fill(std::string_view format, std::string_view value) {
    std::string text(format);
    for (auto at = text.find("%1"); at != std::string::npos; at = text.find("%1", at)) {
        text.replace(at, 2, value);
        at += value.size();
    }
    return text;
}

constexpr LocalText kJoinGroup{
    "permission denied: the device belongs to group %1 and you are not in it; run "
    "\"sudo usermod -aG %1 $USER\", then log out and in again",
    "权限不足：设备属于 %1 组，而您不在其中；请运行 \"sudo usermod -aG %1 $USER\"，然后重新登录",
    "權限不足：裝置屬於 %1 群組，而您不在其中；請執行 \"sudo usermod -aG %1 $USER\"，然後重新登入",
};
constexpr LocalText kLogInAgain{
    "permission denied: you were added to group %1 after this login began; log out and in again",
    "权限不足：您是在本次登录之后才加入 %1 组的；请重新登录",
    "權限不足：您是在本次登入之後才加入 %1 群組的；請重新登入",
};
constexpr LocalText kPermissionDenied{"permission denied", "权限不足", "權限不足"};

constexpr LocalText kRegularFile{"a regular file, not a serial port; it was left untouched",
                                 "是普通文件，不是串口；未做任何改动",
                                 "是一般檔案，不是串口；未做任何變動"};
constexpr LocalText kFolder{"a folder, not a serial port; it was left untouched",
                            "是文件夹，不是串口；未做任何改动", "是資料夾，不是串口；未做任何變動"};
constexpr LocalText kNotTerminal{"a device that is not a serial port", "是设备，但不是串口",
                                 "是裝置，但不是串口"};
constexpr LocalText kOther{"not a serial port; it was left untouched", "不是串口；未做任何改动",
                           "不是串口；未做任何變動"};

#ifndef _WIN32
bool hasGroupNow(gid_t group) {
    if (::getegid() == group) {
        return true;
    }
    const int count = ::getgroups(0, nullptr);
    if (count <= 0) {
        return false;
    }
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    const int got = ::getgroups(count, groups.data());
    for (int i = 0; i < got; ++i) {
        if (groups[static_cast<std::size_t>(i)] == group) {
            return true;
        }
    }
    return false;
}

bool inGroupDatabase(gid_t group) {
    const passwd* user = ::getpwuid(::getuid());
    if (user == nullptr) {
        return false;
    }
    int count = 64;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    if (::getgrouplist(user->pw_name, user->pw_gid, groups.data(), &count) < 0) {
        groups.resize(static_cast<std::size_t>(count));
        if (::getgrouplist(user->pw_name, user->pw_gid, groups.data(), &count) < 0) {
            return false;
        }
    }
    for (int i = 0; i < count; ++i) {
        if (groups[static_cast<std::size_t>(i)] == group) {
            return true;
        }
    }
    return false;
}
#endif

} // namespace

std::optional<DeviceAccess> deviceAccess([[maybe_unused]] const std::string& device) {
#ifdef _WIN32
    return std::nullopt;
#else
    struct stat info {};
    if (::stat(device.c_str(), &info) != 0) {
        return std::nullopt;
    }
    DeviceAccess access;
    if (const group* entry = ::getgrgid(info.st_gid)) {
        access.group = entry->gr_name;
    }
    access.groupMayUse = (info.st_mode & S_IRGRP) != 0 && (info.st_mode & S_IWGRP) != 0;
    access.inGroupNow = hasGroupNow(info.st_gid);
    access.inGroupDatabase = access.inGroupNow || inGroupDatabase(info.st_gid);
    return access;
#endif
}

std::string permissionAdvice(const DeviceAccess& access, Language language) {
    if (access.group.empty() || !access.groupMayUse || access.inGroupNow) {
        return std::string(kPermissionDenied.in(language));
    }
    if (access.inGroupDatabase) {
        return fill(kLogInAgain.in(language), access.group);
    }
    return fill(kJoinGroup.in(language), access.group);
}

bool mayOpenDevice([[maybe_unused]] const std::string& device) {
#ifdef _WIN32
    return true;
#else
    return ::access(device.c_str(), R_OK | W_OK) == 0;
#endif
}

std::string describeNonSerialPath([[maybe_unused]] const std::string& path, Language language) {
#ifndef _WIN32
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        if (S_ISREG(info.st_mode)) {
            return std::string(kRegularFile.in(language));
        }
        if (S_ISDIR(info.st_mode)) {
            return std::string(kFolder.in(language));
        }
        if (S_ISCHR(info.st_mode)) {
            return std::string(kNotTerminal.in(language));
        }
    }
#endif
    return std::string(kOther.in(language));
}

} // namespace zrx
