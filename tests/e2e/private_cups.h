#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/types.h>

// What a finished command left behind.
struct TimedRun {
    int exitStatus = -1; // -1: it did not end normally, or not in time
    std::string output;  // stdout and stderr together
    std::string err;     // stderr alone
};

// Runs `argv` (no shell) with standard input empty; kills it after `limit`.
TimedRun runWithin(const std::vector<std::string>& argv, std::chrono::seconds limit);

// A CUPS print system of the test's own that nobody else sees: a `cupsd`
// with its settings, socket, spool and logs in a temporary folder, reached
// by clients through CUPS_SERVER=<socket>. Its print queues are cups-pdf
// printers that write their PDF files into the same folder.
//
// cups-pdf reads its settings from a fixed place in /etc/cups; the daemon
// runs in a mount namespace of its own where that file is replaced by the
// test's, so its printers write where the test looks and nowhere else.
// That and the cups-pdf backend need root. Two copies run side by side
// without meeting: each has its own folder, socket and namespace.
class PrivateCups {
public:
    PrivateCups();
    ~PrivateCups();
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    // Why the daemon could not be started; empty once it runs.
    [[nodiscard]] const std::string& error() const { return m_error; }
    [[nodiscard]] std::string socketPath() const { return (m_dir / "cups.sock").string(); }
    [[nodiscard]] const std::filesystem::path& folder() const { return m_dir; }

    // Adds a cups-pdf queue; the error text, or empty on success.
    [[nodiscard]] std::string addPdfQueue(const std::string& name) const;
    // Makes `name` the default printer; the error text, or empty.
    [[nodiscard]] std::string setDefault(const std::string& name) const;

    // Removes the PDF files printed so far.
    void clearPrinted() const;
    // The PDF file of the one job sent, once it is complete; empty if none
    // came within `limit`.
    [[nodiscard]] std::filesystem::path waitForPrinted(std::chrono::seconds limit) const;

    // The daemon's own log, for a failure's explanation.
    [[nodiscard]] std::string log() const;

private:
    [[nodiscard]] std::string start();
    [[nodiscard]] std::string runClient(const std::vector<std::string>& argv) const;

    std::filesystem::path m_dir;
    pid_t m_pid = -1;
    std::string m_error;
};
