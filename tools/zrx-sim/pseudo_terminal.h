#pragma once

#include <string>

namespace zrx::sim {

// The master side of a pseudo-terminal. Its slave device (/dev/pts/N) is
// the serial port the programming tool opens; what the tool writes there
// can be read here, and what is written here the tool receives.
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Creates the pair and puts the line in raw mode. On failure returns
    // false with the system's reason in `error`.
    [[nodiscard]] bool open(std::string& error);
    // Dropping the master hangs up the line for whoever has the slave open.
    void close();

    [[nodiscard]] int masterFd() const { return m_master; }
    [[nodiscard]] const std::string& slavePath() const { return m_slavePath; }

private:
    int m_master = -1;
    std::string m_slavePath;
};

} // namespace zrx::sim
