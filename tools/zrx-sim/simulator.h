#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include "byte_log.h"
#include "line_pacer.h"
#include "pseudo_terminal.h"
#include "radio_model.h"
#include "reply_chaos.h"

namespace zrx::sim {

// The radio on its end of the line: takes what the programming tool sends
// through the pseudo-terminal, paces it like the real line, lets the radio
// model answer, and keeps its memory file up to date.
class Simulator {
public:
    struct Settings {
        unsigned baud = 9600;
        std::optional<std::filesystem::path> saveTo; // memory written here after each write
        std::optional<std::uint32_t> chaosSeed;
    };

    Simulator(PseudoTerminal& line, RadioModel& radio, ByteLog& log, const Settings& settings);

    // Serves the line until `stop` turns true or the radio hangs up.
    // Returns the process exit status.
    int run(const volatile bool& stop);

private:
    bool handle(std::uint8_t byte, LinePacer::Clock::time_point arrival);
    void send(std::uint8_t byte);
    bool saveMemory();
    void logUnheard();

    PseudoTerminal& m_line;
    RadioModel& m_radio;
    ByteLog& m_log;
    Settings m_settings;
    LinePacer m_pacer;
    std::unique_ptr<ReplyChaos> m_chaos;
    bool m_memoryChanged = false;
};

} // namespace zrx::sim
