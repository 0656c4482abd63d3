#include "simulator_link.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zrx {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kLinkName = "zrx-sim";
// More simulators than this at once are beyond any use.
constexpr int kMostLinks = 100;

#ifndef _WIN32

std::string linkName(int number) {
    return number == 1 ? std::string(kLinkName)
                       : std::string(kLinkName) + "-" + std::to_string(number);
}

// The number of a link's name: 1 for "zrx-sim", n for "zrx-sim-n"; 0 for any
// other name.
int linkNumber(const std::string& name) {
    for (int number = 1; number <= kMostLinks; ++number) {
        if (name == linkName(number)) {
            return number;
        }
    }
    return 0;
}

fs::path lockFileFor(const fs::path& link) {
    return link.parent_path() / ("." + link.filename().string() + ".lock");
}

// A folder of this user's alone: a real folder (not a link to one), owned
// by the user, with no rights for group or others.
bool isPrivateFolder(const fs::path& folder) {
    struct stat info {};
    return ::lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

// True while a simulator holds the lock beside `link`.
bool lockIsHeld(const fs::path& link) {
    const int fd = ::open(lockFileFor(link).c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        return false;
    }
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd); // also gives back the shared lock, when it was had
    return held;
}

// The lock for `link`, held: its descriptor, or -1 when a running
// simulator has it (or it cannot be had).
int takeLock(const fs::path& link, std::string& error) {
    const fs::path lockFile = lockFileFor(link);
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd =
            ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, S_IRUSR | S_IWUSR);
        if (fd < 0) {
            error = lockFile.string() + ": " + std::strerror(errno);
            return -1;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            return -1;
        }
        // A simulator that was ending may have removed the file between the
        // open and the lock: then the lock is on a file nobody will look
        // at, and the name is tried again.
        struct stat held {};
        struct stat named {};
        if (::fstat(fd, &held) == 0 && ::stat(lockFile.c_str(), &named) == 0 &&
            held.st_ino == named.st_ino && held.st_dev == named.st_dev) {
            return fd;
        }
        ::close(fd);
    }
    return -1;
}

#endif

} // namespace

std::optional<fs::path> simulatorFolder(bool create, const EnvironmentLookup& environment) {
#ifdef _WIN32
    static_cast<void>(create);
    static_cast<void>(environment);
    return std::nullopt;
#else
    if (const std::optional<std::string> runtime = environment("XDG_RUNTIME_DIR");
        runtime && !runtime->empty()) {
        const fs::path folder = fs::u8path(*runtime);
        if (folder.is_absolute() && isPrivateFolder(folder)) {
            return folder;
        }
    }
    fs::path temporary = "/tmp";
    if (const std::optional<std::string> tmpdir = environment("TMPDIR");
        tmpdir && !tmpdir->empty() && fs::u8path(*tmpdir).is_absolute()) {
        temporary = fs::u8path(*tmpdir);
    }
    const fs::path folder = temporary / ("zrx-" + std::to_string(::getuid()));
    if (create) {
        ::mkdir(folder.c_str(), S_IRWXU);
    }
    if (!isPrivateFolder(folder)) {
        return std::nullopt;
    }
    return folder;
#endif
}

std::vector<SimulatedRadio> listSimulatedRadios(const fs::path& folder) {
    std::vector<SimulatedRadio> radios;
#ifndef _WIN32
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path link = it->path();
        std::error_code inner;
        if (linkNumber(link.filename().string()) == 0 || !fs::is_symlink(link, inner)) {
            continue;
        }
        // Only a link that leads to a terminal device and whose simulator
        // still holds its lock: one left behind may by now lead to a
        // terminal that someone else uses.
        struct stat target {};
        if (::stat(link.c_str(), &target) != 0 || !S_ISCHR(target.st_mode) || !lockIsHeld(link)) {
            continue;
        }
        radios.push_back({link, fs::read_symlink(link, inner)});
    }
    std::sort(radios.begin(), radios.end(), [](const SimulatedRadio& a, const SimulatedRadio& b) {
        return linkNumber(a.link.filename().string()) < linkNumber(b.link.filename().string());
    });
#else
    static_cast<void>(folder);
#endif
    return radios;
}

std::vector<SimulatedRadio> listSimulatedRadios() {
    const std::optional<fs::path> folder = simulatorFolder();
    return folder ? listSimulatedRadios(*folder) : std::vector<SimulatedRadio>{};
}

SimulatorAnnouncement::~SimulatorAnnouncement() {
    withdraw();
}

bool SimulatorAnnouncement::announce(const fs::path& folder, const fs::path& device,
                                     std::string& error) {
    withdraw();
#ifdef _WIN32
    static_cast<void>(folder);
    static_cast<void>(device);
    error = "not on this system";
    return false;
#else
    for (int number = 1; number <= kMostLinks; ++number) {
        const fs::path link = folder / linkName(number);
        const int lock = takeLock(link, error);
        if (lock < 0) {
            if (!error.empty()) {
                return false;
            }
            continue; // a running simulator has this name
        }
        // The new link replaces whatever a killed simulator left, in one
        // step, so a reader never finds the name missing or half made.
        const fs::path fresh = folder / ("." + linkName(number) + ".new");
        ::unlink(fresh.c_str());
        if (::symlink(device.c_str(), fresh.c_str()) != 0 ||
            ::rename(fresh.c_str(), link.c_str()) != 0) {
            error = link.string() + ": " + std::strerror(errno);
            ::unlink(fresh.c_str());
            ::close(lock);
            return false;
        }
        m_lock = lock;
        m_link = link;
        m_lockFile = lockFileFor(link);
        return true;
    }
    error = folder.string() + ": no free name";
    return false;
#endif
}

void SimulatorAnnouncement::withdraw() {
#ifndef _WIN32
    if (m_lock < 0) {
        return;
    }
    // The link first: while the lock is held no other simulator has taken
    // the name, so the link is still this one's.
    ::unlink(m_link.c_str());
    ::unlink(m_lockFile.c_str());
    ::close(m_lock);
    m_lock = -1;
    m_link.clear();
    m_lockFile.clear();
#endif
}

} // namespace zrx
