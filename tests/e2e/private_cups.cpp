#include "private_cups.h"

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <thread>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr const char* kCupsd = "/usr/sbin/cupsd";
constexpr const char* kCupsPdfBackend = "/usr/lib/cups/backend/cups-pdf";
constexpr const char* kCupsPdfSettings = "/etc/cups/cups-pdf.conf";
constexpr const char* kCupsPdfPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeAll(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::vector<char*> argvOf(std::vector<std::string>& strings) {
    std::vector<char*> argv;
    for (std::string& s : strings) {
        argv.push_back(s.data());
    }
    argv.push_back(nullptr);
    return argv;
}

// A folder of our own under /tmp: the socket's path must stay short.
fs::path makeFolder() {
    std::string pattern = "/tmp/zrx-cups-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        return {};
    }
    // The daemon's filters run as lp and must reach the spool inside.
    ::chmod(pattern.c_str(), 0755);
    return pattern;
}

} // namespace

TimedRun runWithin(const std::vector<std::string>& command, std::chrono::seconds limit) {
    TimedRun run;
    char outName[] = "/tmp/zrx-run-out-XXXXXX";
    char errName[] = "/tmp/zrx-run-err-XXXXXX";
    const int out = ::mkstemp(outName);
    const int err = ::mkstemp(errName);
    std::vector<std::string> strings = command;
    std::vector<char*> argv = argvOf(strings);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        const int null = ::open("/dev/null", O_RDONLY);
        ::dup2(null, STDIN_FILENO);
        ::dup2(out, STDOUT_FILENO);
        ::dup2(err, STDERR_FILENO);
        ::execv(argv[0], argv.data());
        ::dprintf(STDERR_FILENO, "cannot run %s: %s\n", argv[0], std::strerror(errno));
        ::_exit(127);
    }
    ::close(out);
    ::close(err);
    int status = 0;
    const auto deadline = Clock::now() + limit;
    bool ended = false;
    while (!ended) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            ended = true;
        } else if (Clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            break;
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    if (ended && WIFEXITED(status)) {
        run.exitStatus = WEXITSTATUS(status);
    }
    run.err = readAll(errName);
    run.output = readAll(outName) + run.err;
    if (!ended) {
        run.output += "\n(killed after " + std::to_string(limit.count()) + " s)";
    }
    ::unlink(outName);
    ::unlink(errName);
    return run;
}

PrivateCups::PrivateCups() {
    m_error = start();
}

PrivateCups::~PrivateCups() {
    if (m_pid > 0) {
        ::kill(m_pid, SIGTERM);
        const auto deadline = Clock::now() + std::chrono::seconds(5);
        int status = 0;
        while (::waitpid(m_pid, &status, WNOHANG) == 0) {
            if (Clock::now() > deadline) {
                ::kill(m_pid, SIGKILL);
                ::waitpid(m_pid, &status, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    if (!m_dir.empty()) {
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }
}

std::string PrivateCups::start() {
    for (const char* needed : {kCupsd, kCupsPdfBackend, kCupsPdfSettings, kCupsPdfPpd}) {
        if (!fs::exists(needed)) {
            return std::string(needed) +
                   " is missing: install cups-daemon, cups-client, printer-driver-cups-pdf "
                   "(scripts/setup.sh does)";
        }
    }
    if (::geteuid() != 0) {
        return "the private print system needs root (a mount namespace of its own, and the "
               "cups-pdf backend runs only as root); run the tests as root, as CI does";
    }
    m_dir = makeFolder();
    if (m_dir.empty()) {
        return std::string("cannot make a folder under /tmp: ") + std::strerror(errno);
    }
    for (const char* sub : {"spool", "cache", "state", "log", "pdf", "pdf-spool", "home"}) {
        fs::create_directories(m_dir / sub);
    }
    const std::string d = m_dir.string();
    writeAll(m_dir / "cups-files.conf",
             "ServerRoot " + d + "\nRequestRoot " + d + "/spool\nCacheDir " + d +
                 "/cache\nStateDir " + d + "/state\nErrorLog " + d + "/log/error_log\n" +
                 "AccessLog " + d + "/log/access_log\nPageLog " + d +
                 "/log/page_log\nUser lp\nGroup lp\n" + "SystemGroup root\nFileDevice No\n");
    // Anyone on the socket may do anything: only this test knows it.
    writeAll(m_dir / "cupsd.conf", "Listen " + socketPath() +
                                       "\nBrowsing No\nWebInterface No\nLogLevel warn\n"
                                       "DefaultAuthType None\n"
                                       "<Location />\n  Order allow,deny\n  Allow all\n"
                                       "</Location>\n<Policy default>\n  <Limit All>\n"
                                       "    Order deny,allow\n  </Limit>\n</Policy>\n");
    writeAll(m_dir / "cups-pdf.conf", "Out " + d + "/pdf\nAnonDirName " + d + "/pdf\nSpool " + d +
                                          "/pdf-spool\nLog " + d + "/log\nGrp lp\n");

    const std::string settings = (m_dir / "cups-pdf.conf").string();
    const std::string daemonLog = (m_dir / "log" / "cupsd.out").string();
    std::vector<std::string> strings = {kCupsd, "-f",
                                        "-c",   (m_dir / "cupsd.conf").string(),
                                        "-s",   (m_dir / "cups-files.conf").string()};
    std::vector<char*> argv = argvOf(strings);
    m_pid = ::fork();
    if (m_pid < 0) {
        return std::string("fork: ") + std::strerror(errno);
    }
    if (m_pid == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        const int log = ::open(daemonLog.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(log, STDOUT_FILENO);
        ::dup2(log, STDERR_FILENO);
        if (::unshare(CLONE_NEWNS) != 0) {
            ::dprintf(STDERR_FILENO, "unshare(CLONE_NEWNS): %s\n", std::strerror(errno));
            ::_exit(126);
        }
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount(settings.c_str(), kCupsPdfSettings, nullptr, MS_BIND, nullptr) != 0) {
            ::dprintf(STDERR_FILENO, "bind mount of %s: %s\n", kCupsPdfSettings,
                      std::strerror(errno));
            ::_exit(126);
        }
        ::execv(argv[0], argv.data());
        ::dprintf(STDERR_FILENO, "cannot run %s: %s\n", argv[0], std::strerror(errno));
        ::_exit(127);
    }

    // Up when its socket answers; a daemon that ended tells why in its log.
    const auto deadline = Clock::now() + std::chrono::seconds(15);
    while (Clock::now() < deadline) {
        int status = 0;
        if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            return "cupsd ended at start: " + log();
        }
        if (fs::exists(socketPath()) &&
            runWithin({"/usr/bin/lpstat", "-h", socketPath(), "-r"}, std::chrono::seconds(5))
                    .exitStatus == 0) {
            return {};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return "cupsd did not answer on " + socketPath() + " within 15 s: " + log();
}

std::string PrivateCups::runClient(const std::vector<std::string>& argv) const {
    const TimedRun run = runWithin(argv, std::chrono::seconds(20));
    return run.exitStatus == 0 ? std::string() : argv[0] + ": " + run.output + log();
}

std::string PrivateCups::addPdfQueue(const std::string& name) const {
    // Text stays text through the print filters when the PDF they get is
    // turned into PostScript by cairo, as cups-pdf's own notes advise.
    return runClient({"/usr/sbin/lpadmin", "-h", socketPath(), "-p", name, "-E", "-v", "cups-pdf:/",
                      "-P", kCupsPdfPpd, "-o", "pdftops-renderer-default=pdftocairo"});
}

std::string PrivateCups::setDefault(const std::string& name) const {
    return runClient({"/usr/sbin/lpadmin", "-h", socketPath(), "-d", name});
}

void PrivateCups::clearPrinted() const {
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(m_dir / "pdf", ec)) {
        fs::remove(entry.path(), ec);
    }
}

fs::path PrivateCups::waitForPrinted(std::chrono::seconds limit) const {
    const auto deadline = Clock::now() + limit;
    while (Clock::now() < deadline) {
        // Done when no job is left to finish and its file is there.
        const TimedRun pending =
            runWithin({"/usr/bin/lpstat", "-h", socketPath(), "-o"}, std::chrono::seconds(5));
        if (pending.exitStatus == 0 && pending.output.empty()) {
            std::error_code ec;
            for (const fs::directory_entry& entry : fs::directory_iterator(m_dir / "pdf", ec)) {
                if (entry.path().extension() == ".pdf") {
                    return entry.path();
                }
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return {};
}

std::string PrivateCups::log() const {
    std::string text;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(m_dir / "log", ec)) {
        text += "\n--- " + entry.path().filename().string() + "\n" + readAll(entry.path());
    }
    return text;
}
