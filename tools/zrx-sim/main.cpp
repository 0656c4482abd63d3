// zrx-sim: a ZRX412 radio on a pseudo-terminal. It prints the device that
// the programming tool should open, links it into the user's runtime folder
// for the Port menu, then answers as the radio would until it is stopped
// (SIGTERM, SIGINT or SIGHUP) or told to hang up.

#include <CLI/CLI.hpp>

#include <csignal>
#include <cstdio>
#include <iostream>
#include <stdexcept>

#include <sched.h>
#include <sys/prctl.h>

#include "byte_log.h"
#include "image/channel_data_file.h"
#include "image/new_image.h"
#include "link/simulator_link.h"
#include "pseudo_terminal.h"
#include "radio_model.h"
#include "simulator.h"

namespace {

volatile bool g_stop = false;

extern "C" void requestStop(int) {
    g_stop = true;
}

void installStopHandlers() {
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        sigaction(signal, &action, nullptr);
    }
}

// An address given as 0x3A0 or 928, inside the radio's memory.
std::size_t parseAddress(const std::string& text) {
    std::size_t used = 0;
    const unsigned long value = std::stoul(text, &used, 0);
    if (used != text.size() || value >= zrx::RadioImage::kSize) {
        throw std::out_of_range(text);
    }
    return value;
}

// A byte given as 0x16, 22 or 0X06.
std::uint8_t parseByte(const std::string& text) {
    std::size_t used = 0;
    const unsigned long value = std::stoul(text, &used, 0);
    if (used != text.size() || value > 0xFF) {
        throw CLI::ValidationError("--handshake-reply", "not a byte: " + text);
    }
    return static_cast<std::uint8_t>(value);
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"zrx-sim - a ZRX412 radio on a pseudo-terminal. Prints the device to open, "
                 "then answers as the radio until stopped.",
                 "zrx-sim"};
    std::string memoryFile;
    std::string saveFile;
    std::string logFile;
    std::string handshakeReply = "0x06";
    unsigned baud = 9600;
    zrx::sim::RadioFaults faults;
    int answerAttempt = 0;
    int badAckBlock = 0;
    int shortReplyBlock = 0;
    int hangUpBlock = 0;
    std::uint32_t chaosSeed = 0;
    std::string stuckCell;
    std::string garbledBlock;
    int swapGap = 0;

    app.add_option("--memory", memoryFile,
                   "Start with this .sin file as the radio's memory "
                   "(default: the memory of a new radio)")
        ->check(CLI::ExistingFile);
    app.add_option("--save", saveFile, "Write the memory to this .sin file after each write");
    app.add_option("--baud", baud,
                   "Pace the line at this speed, 10 bit times a byte; 0 answers "
                   "at once")
        ->capture_default_str();
    app.add_option("--log", logFile,
                   "Record every byte on the line, one per line ('rx 52', "
                   "'tx 06'), and '-- closed' where the tool closed the line");
    app.add_option("--handshake-reply", handshakeReply, "Byte that answers the handshake")
        ->capture_default_str();
    app.add_option("--answer-attempt", answerAttempt, "Answer only this handshake attempt (1..)")
        ->check(CLI::PositiveNumber);
    app.add_flag("--silent", faults.silent, "Never answer anything");
    app.add_flag("--odd-identification", faults.oddIdentification,
                 "Answer the identification request with 3 strange bytes");
    app.add_flag("--strange-read-header", faults.strangeReadHeader,
                 "Start every read reply with 4 bytes that do not repeat the command");
    app.add_option("--bad-ack-at", badAckBlock,
                   "Answer read or write block K (1..) with NAK instead of ACK")
        ->check(CLI::PositiveNumber);
    app.add_option("--short-reply-at", shortReplyBlock,
                   "Send only half the read reply of block K (1..)")
        ->check(CLI::PositiveNumber);
    app.add_option("--hang-up-at", hangUpBlock,
                   "Drop the line and stop when block K's command arrives (1..)")
        ->check(CLI::PositiveNumber);
    app.add_option("--stuck-cell", stuckCell,
                   "The memory cell at ADDR (0x000..0x3FF) does not take a write; the radio "
                   "still acknowledges the block");
    app.add_option("--garble-block", garbledBlock,
                   "The read block at ADDR (a multiple of 8) comes back with other data bytes, "
                   "different each time, the first N times it is read (see --garble-times)");
    app.add_option("--garble-times", faults.garbledReads, "N for --garble-block")
        ->check(CLI::PositiveNumber)
        ->capture_default_str();
    app.add_flag("--echo", faults.echo,
                 "No radio: every byte comes straight back, as through a loop-back plug");
    app.add_flag("--noise", faults.noise,
                 "No radio: every byte is answered by garbage, as by a wrong device or speed");
    app.add_option("--swap-radios", swapGap,
                   "Act as a bench where radios are swapped: once a write has been read back "
                   "whole, nothing answers the next N handshakes (the radio is off the "
                   "cable), then a new radio with the starting memory does")
        ->check(CLI::PositiveNumber);
    auto* chaos = app.add_option("--chaos", chaosSeed,
                                 "Spoil about one reply in 250 at random, from this seed");
    CLI11_PARSE(app, argc, argv);

    try {
        faults.handshakeReply = parseByte(handshakeReply);
    } catch (const std::exception&) {
        std::cerr << "zrx-sim: --handshake-reply: not a byte: " << handshakeReply << '\n';
        return 2;
    }
    if (!stuckCell.empty()) {
        try {
            faults.stuckCell = parseAddress(stuckCell);
        } catch (const std::exception&) {
            std::cerr << "zrx-sim: --stuck-cell: not an address from 0x000 to 0x3FF: " << stuckCell
                      << '\n';
            return 2;
        }
    }
    if (!garbledBlock.empty()) {
        try {
            faults.garbledBlock = parseAddress(garbledBlock);
        } catch (const std::exception&) {
            std::cerr << "zrx-sim: --garble-block: not an address from 0x000 to 0x3FF: "
                      << garbledBlock << '\n';
            return 2;
        }
    }
    if (answerAttempt > 0) {
        faults.answerOnlyAttempt = answerAttempt;
    }
    if (badAckBlock > 0) {
        faults.badAcknowledgeBlock = badAckBlock;
    }
    if (shortReplyBlock > 0) {
        faults.shortReplyBlock = shortReplyBlock;
    }
    if (hangUpBlock > 0) {
        faults.hangUpBlock = hangUpBlock;
    }
    if (swapGap > 0) {
        faults.swapGap = swapGap;
    }

    zrx::RadioImage memory = zrx::makeNewImage();
    if (!memoryFile.empty()) {
        const auto path = std::filesystem::u8path(memoryFile);
        if (const auto loaded = zrx::loadChannelDataFile(path, memory); !loaded) {
            std::cerr << "zrx-sim: " << zrx::describe(loaded, path) << '\n';
            return 1;
        }
    }
    zrx::sim::ByteLog log;
    std::string error;
    if (!logFile.empty() && !log.open(std::filesystem::u8path(logFile), error)) {
        std::cerr << "zrx-sim: " << logFile << ": " << error << '\n';
        return 1;
    }

    zrx::sim::PseudoTerminal line;
    if (!line.open(error)) {
        std::cerr << "zrx-sim: cannot create a pseudo-terminal: " << error << '\n';
        return 1;
    }
    installStopHandlers();
    if (baud != 0) {
        // A radio answers in its own time, whatever else the PC is doing:
        // sleep as precisely as the system allows, and where permitted run
        // ahead of ordinary programs so a busy machine does not slow the
        // simulated line down. The simulator only ever waits, so this costs
        // the rest of the system nothing.
        prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
        sched_param priority{};
        priority.sched_priority = 10;
        sched_setscheduler(0, SCHED_FIFO, &priority);
    }

    // A link the Port menu and `zrx ports` list, so nobody has to copy the
    // device's name; gone again when the simulator ends. It is made before
    // the device is printed: whoever reads that line finds the link too.
    zrx::SimulatorAnnouncement announcement;
    std::string linkNote;
    if (const auto folder = zrx::simulatorFolder(true)) {
        if (announcement.announce(*folder, line.slavePath(), error)) {
            linkNote = "zrx-sim: the Port menu lists this radio as \"Simulated radio (" +
                       announcement.link().filename().string() + ")\", port " +
                       announcement.link().string();
        } else {
            linkNote = "zrx-sim: the Port menu will not list this radio: " + error;
        }
    }
    std::cout << line.slavePath() << std::endl;
    if (!linkNote.empty()) {
        std::cerr << linkNote << std::endl;
    }

    zrx::sim::Simulator::Settings settings;
    settings.baud = baud;
    if (!saveFile.empty()) {
        settings.saveTo = std::filesystem::u8path(saveFile);
    }
    if (chaos->count() > 0) {
        settings.chaosSeed = chaosSeed;
    }
    zrx::sim::RadioModel radio(memory, faults);
    zrx::sim::Simulator simulator(line, radio, log, settings);
    return simulator.run(g_stop);
}
