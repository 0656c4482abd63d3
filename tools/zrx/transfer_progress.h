#pragma once

#include <iosfwd>
#include <string>

#include "image/language.h"
#include "link/transfer_observer.h"

namespace zrx::cli {

// A transfer as the command line shows it: a progress bar redrawn in place
// on stderr after every block, and the failure message kept for the
// command to report.
class TransferProgress final : public TransferObserver {
public:
    explicit TransferProgress(std::ostream& out) : m_out(out) {}

    // One transfer per process: nothing else waits on the flag here.
    void setTransferFlag(int) override {}
    void setProgress(int position, int upperBound, std::string_view percentText) override;
    void showFailure(std::string_view message) override { m_failure = message; }
    void transferEnded(bool success) override;

    [[nodiscard]] const std::string& failure() const { return m_failure; }

private:
    std::ostream& m_out;
    std::string m_failure;
    bool m_barShown = false;
};

} // namespace zrx::cli
