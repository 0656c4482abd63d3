#pragma once

#include <optional>
#include <string>

#include "image/language.h"

namespace zrx {

// What stands between this user and a device file, as far as its owner,
// group and mode tell.
struct DeviceAccess {
    std::string group;            // the device's group ("dialout"), empty when unknown
    bool groupMayUse = false;     // the group has read and write permission
    bool inGroupNow = false;      // this login has the group
    bool inGroupDatabase = false; // the user is listed in the group (perhaps since this login)
};

// The facts for `device` (a device path); nothing where they cannot be had
// (no such file, or a system without user groups).
[[nodiscard]] std::optional<DeviceAccess> deviceAccess(const std::string& device);

// The way out of a permission refusal, in words: join the group and log in
// again, or just log in again, or nothing a group can do.
[[nodiscard]] std::string permissionAdvice(const DeviceAccess& access, Language language);

// True when this user may open `device` for reading and writing, as far as
// its permissions go (another program holding it is not looked at).
[[nodiscard]] bool mayOpenDevice(const std::string& device);

// What `path` is when it is not a character device: "a regular file",
// "a folder", "not a terminal"...
[[nodiscard]] std::string describeNonSerialPath(const std::string& path, Language language);

} // namespace zrx
