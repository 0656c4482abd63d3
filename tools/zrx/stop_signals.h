#pragma once

namespace zrx::cli {

// While it lives, Ctrl+C (SIGINT, and Ctrl+Break on Windows) and SIGTERM do
// not end the program: they are counted, for a command that ends cleanly
// on its own once asked. The handlers before it come back when it goes.
class StopSignals {
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // How many have come so far.
    [[nodiscard]] int count() const;
};

} // namespace zrx::cli
