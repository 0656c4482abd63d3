#include "stop_signals.h"

#include <atomic>
#include <csignal>
#include <iterator>

namespace zrx::cli {

namespace {

// Lock-free, so a handler may touch it; atomic, since on POSIX a signal may
// land on any of the program's threads.
std::atomic<int> g_signals{0};
static_assert(std::atomic<int>::is_always_lock_free);

#ifdef SIGBREAK
constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGBREAK};
#else
constexpr int kStopSignals[] = {SIGINT, SIGTERM};
#endif

using Handler = void (*)(int);
Handler g_previous[std::size(kStopSignals)] = {};

extern "C" void countStopSignal(int signal) {
    g_signals.fetch_add(1);
    // Windows puts the default handler back before calling this one.
    std::signal(signal, countStopSignal);
}

} // namespace

StopSignals::StopSignals() {
    g_signals.store(0);
    for (std::size_t i = 0; i < std::size(kStopSignals); ++i) {
        g_previous[i] = std::signal(kStopSignals[i], countStopSignal);
    }
}

StopSignals::~StopSignals() {
    for (std::size_t i = 0; i < std::size(kStopSignals); ++i) {
        if (g_previous[i] != SIG_ERR) {
            std::signal(kStopSignals[i], g_previous[i]);
        }
    }
}

int StopSignals::count() const {
    return g_signals.load();
}

} // namespace zrx::cli
