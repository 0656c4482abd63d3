#pragma once

#include <string_view>

#include "transfer_failure.h"

namespace zrx {

// What a transfer shows to the user while it runs. The program's transfer
// dialog and the command-line tool each implement it; the engine calls it
// from the thread the transfer runs on.
class TransferObserver {
public:
    virtual ~TransferObserver() = default;

    // The transfer flag: 1 from the transfer's first step until its last.
    virtual void setTransferFlag(int value) = 0;
    // The port is open: from here on the user cannot stop the transfer.
    virtual void portOpened() {}
    // After every block the radio acknowledged: `position` blocks of
    // `upperBound` done, and the percentage as the label shows it ("50%").
    virtual void setProgress(int position, int upperBound, std::string_view percentText) = 0;
    // A failure, in the user's language. Returns once the user has seen it.
    virtual void showFailure(std::string_view message) = 0;
    // A failure with everything the engine knows about it: what failed
    // where, and the second line that says so (failure.detail). The engine
    // calls this, not showFailure(); by default it shows the first line
    // alone, as the program always has.
    virtual void reportFailure(const TransferFailure& failure) { showFailure(failure.message); }
    // True once whoever shows the transfer has gone away (the window closed,
    // the program is ending): the transfer then stops before its next
    // exchange, sends nothing more and shows nothing.
    [[nodiscard]] virtual bool stopRequested() const { return false; }
    // The transfer is over, just before the port closes; a dialog closes
    // itself here.
    virtual void transferEnded(bool success) { static_cast<void>(success); }
};

} // namespace zrx
