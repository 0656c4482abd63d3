#include "simulator.h"

#include <cerrno>
#include <csignal>
#include <iostream>

#include <poll.h>
#include <unistd.h>

#include "image/channel_data_file.h"

namespace zrx::sim {

namespace {

// While nobody has the slave side open the master reports a hang-up on
// every poll; this is how often it looks again for a new connection.
constexpr timespec kIdleRetry{0, 2'000'000};

} // namespace

Simulator::Simulator(PseudoTerminal& line, RadioModel& radio, ByteLog& log,
                     const Settings& settings)
    : m_line(line), m_radio(radio), m_log(log), m_settings(settings), m_pacer(settings.baud) {
    if (settings.chaosSeed) {
        m_chaos = std::make_unique<ReplyChaos>(*settings.chaosSeed);
    }
}

int Simulator::run(const volatile bool& stop) {
    // Termination signals are blocked except inside ppoll, so a stop
    // request can never slip in between the check and the wait.
    sigset_t blocked;
    sigset_t waiting;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGTERM);
    sigaddset(&blocked, SIGINT);
    sigaddset(&blocked, SIGHUP);
    sigprocmask(SIG_BLOCK, &blocked, &waiting);
    sigdelset(&waiting, SIGTERM);
    sigdelset(&waiting, SIGINT);
    sigdelset(&waiting, SIGHUP);

    bool connected = false;
    std::uint8_t buffer[256];
    while (!stop) {
        pollfd line{m_line.masterFd(), POLLIN, 0};
        const int ready = ::ppoll(&line, 1, nullptr, &waiting);
        if (ready < 0) {
            continue; // a signal: look at `stop` again
        }
        const auto arrival = LinePacer::Clock::now();
        const ssize_t count = ::read(m_line.masterFd(), buffer, sizeof buffer);
        if (count > 0) {
            connected = true;
            for (ssize_t i = 0; i < count; ++i) {
                if (!handle(buffer[i], arrival)) {
                    m_log.flush();
                    return saveMemory() ? 0 : 1;
                }
            }
            m_log.flush();
            continue;
        }
        if (count < 0 && errno == EAGAIN) {
            continue;
        }
        // The tool closed the port: the session is over. Wait for the next.
        if (connected) {
            connected = false;
            m_radio.sessionEnded();
            m_log.closed();
            m_log.flush();
            if (!saveMemory()) {
                return 1;
            }
        }
        ::ppoll(nullptr, 0, &kIdleRetry, &waiting);
    }
    logUnheard();
    m_log.flush();
    return saveMemory() ? 0 : 1;
}

void Simulator::logUnheard() {
    // What the tool wrote before the stop is in the line already: the log
    // records it (unanswered), so whoever stops the radio and reads the log
    // sees every byte that was sent, without waiting for the radio to get
    // round to it.
    std::uint8_t buffer[256];
    for (;;) {
        const ssize_t count = ::read(m_line.masterFd(), buffer, sizeof buffer);
        if (count <= 0) {
            return;
        }
        for (ssize_t i = 0; i < count; ++i) {
            m_log.received(buffer[i]);
        }
    }
}

bool Simulator::handle(std::uint8_t byte, LinePacer::Clock::time_point arrival) {
    m_pacer.awaitReceived(arrival);
    m_log.received(byte);
    RadioReaction reaction = m_radio.receive(byte);
    if (m_chaos) {
        m_chaos->apply(reaction);
    }
    if (reaction.hangUp) {
        m_line.close();
        return false;
    }
    m_memoryChanged = m_memoryChanged || reaction.stored;
    // The file is complete before the radio acknowledges the last block, so
    // whoever sees the write succeed finds it on disk.
    if (reaction.writeFinished && !saveMemory()) {
        return false;
    }
    for (const std::uint8_t replyByte : reaction.reply) {
        send(replyByte);
    }
    return true;
}

void Simulator::send(std::uint8_t byte) {
    m_pacer.awaitSent();
    // Nobody reading for a whole second: the byte is lost, as on a real line.
    for (int tries = 0; tries < 100; ++tries) {
        const ssize_t written = ::write(m_line.masterFd(), &byte, 1);
        if (written == 1 || (written < 0 && errno != EINTR && errno != EAGAIN)) {
            break;
        }
        pollfd line{m_line.masterFd(), POLLOUT, 0};
        ::poll(&line, 1, 10);
    }
    m_log.sent(byte);
}

bool Simulator::saveMemory() {
    if (!m_settings.saveTo || !m_memoryChanged) {
        return true;
    }
    m_memoryChanged = false;
    const FileResult saved = saveChannelDataFile(*m_settings.saveTo, m_radio.memory());
    if (!saved) {
        std::cerr << "zrx-sim: " << describe(saved, *m_settings.saveTo) << '\n';
        return false;
    }
    return true;
}

} // namespace zrx::sim
