#include "backup_store.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>
#endif

#include "backup_folder.h"
#include "image/channel_data_file.h"
#include "image/image_layout.h"
#include "image/settings_codes.h"

namespace zrx {

namespace fs = std::filesystem;

namespace {

// A name no backup can have (it starts with a dot), unique to this call.
fs::path temporaryName(const fs::path& folder) {
    std::random_device device;
    char name[48];
    std::snprintf(name, sizeof name, ".backup-%08x%08x.tmp", device(), device());
    return folder / name;
}

enum class Placed { Done, Taken, Failed };

// Moves `from` to `to` unless `to` exists; never replaces anything.
Placed placeWithoutReplacing(const fs::path& from, const fs::path& to, std::string& error) {
#ifdef _WIN32
    // _wrename refuses an existing target.
    if (::_wrename(from.c_str(), to.c_str()) == 0) {
        return Placed::Done;
    }
    if (errno == EEXIST || errno == EACCES) {
        std::error_code ec;
        if (fs::exists(to, ec)) {
            return Placed::Taken;
        }
    }
    error = std::strerror(errno);
    return Placed::Failed;
#else
#ifdef __linux__
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return Placed::Done;
    }
    if (errno == EEXIST) {
        return Placed::Taken;
    }
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) {
        error = std::strerror(errno);
        return Placed::Failed;
    }
#endif
    // Where the file system cannot rename that way: a hard link is made in one step and fails when
    // the name is taken; the temporary name then goes.
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return Placed::Done;
    }
    if (errno == EEXIST) {
        return Placed::Taken;
    }
    error = std::strerror(errno);
    return Placed::Failed;
#endif
}

// The folder's entry for a new file reaches the disk too.
void syncFolder([[maybe_unused]] const fs::path& folder) {
#ifndef _WIN32
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
}

int programmedChannelCount(const RadioImage& image) {
    int count = 0;
    for (int channel = 1; channel <= layout::kChannelCount; ++channel) {
        if (image.byte(layout::channelOffset(channel) + layout::channel::kEmptyMarker) != 0xFF) {
            ++count;
        }
    }
    return count;
}

} // namespace

BackupSaved saveBackup(const fs::path& folder, const RadioImage& image, BackupOrigin origin,
                       BackupTime taken) {
    BackupSaved result;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        result.error = ec.message();
        return result;
    }
    const fs::path temp = temporaryName(folder);
    if (const FileResult written = saveChannelDataFile(temp, image); !written) {
        fs::remove(temp, ec);
        result.error = describe(written, temp);
        return result;
    }
    for (int copy = 1; copy <= 1000; ++copy) {
        const fs::path target = folder / backupFileName(taken, origin, copy);
        switch (placeWithoutReplacing(temp, target, result.error)) {
        case Placed::Done:
            syncFolder(folder);
            result.ok = true;
            result.path = target;
            return result;
        case Placed::Taken:
            continue;
        case Placed::Failed:
            fs::remove(temp, ec);
            return result;
        }
    }
    fs::remove(temp, ec);
    result.error = "too many backups with the same time";
    return result;
}

BackupSaved keepReadBackup(const RadioImage& image, BackupOrigin origin) {
    const auto folder = backupFolder();
    if (!folder) {
        return BackupSaved{false, {}, "no home folder is set (HOME)"};
    }
    const auto now =
        std::chrono::time_point_cast<std::chrono::milliseconds>(std::chrono::system_clock::now());
    return saveBackup(*folder, image, origin, now);
}

std::vector<BackupEntry> listBackups(const fs::path& folder) {
    std::vector<BackupEntry> entries;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const auto parsed = parseBackupFileName(name);
        if (!parsed) {
            continue;
        }
        BackupEntry entry;
        entry.path = it->path();
        entry.taken = parsed->taken;
        entry.originTag = parsed->originTag;
        RadioImage image;
        if (const FileResult loaded = loadChannelDataFile(entry.path, image); !loaded) {
            entry.problem = describe(loaded, entry.path);
        } else {
            entry.readable = true;
            entry.programmedChannels = programmedChannelCount(image);
            entry.pcbaCode = decodePcbaCode(image);
        }
        entries.push_back(std::move(entry));
    }
    std::sort(entries.begin(), entries.end(), [](const BackupEntry& a, const BackupEntry& b) {
        if (a.taken != b.taken) {
            return a.taken > b.taken;
        }
        return a.path.filename() > b.path.filename();
    });
    return entries;
}

} // namespace zrx
