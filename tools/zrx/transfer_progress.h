#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "image/language.h"
#include "link/transfer_observer.h"

namespace zrx::cli {

class CommandFailed;

// A transfer as the command line shows it on stderr, and its failure kept
// for the command to report. On a terminal a progress bar is redrawn in
// place after every block. Anywhere else (a pipe, a CI log) there is one
// line as the transfer starts ("reading the radio on /dev/ttyUSB0") and
// one as it ends ("128 of 128 blocks"), and nothing in between.
class TransferProgress final : public TransferObserver {
public:
    // `startLine`: what the plain start line says.
    TransferProgress(std::ostream& out, Language language, bool live, std::string startLine);

    // One transfer per process: nothing else waits on the flag here.
    void setTransferFlag(int) override {}
    void portOpened() override;
    void setProgress(int position, int upperBound, std::string_view percentText) override;
    void showFailure(std::string_view message) override;
    void reportFailure(const TransferFailure& failure) override;
    void transferEnded(bool success) override;

    [[nodiscard]] const std::string& failure() const { return m_message; }
    // The failure as the command reports it: message, detail and facts.
    [[nodiscard]] CommandFailed failed() const;

private:
    std::ostream& m_out;
    Language m_language;
    bool m_live;
    std::string m_startLine;
    std::string m_message;
    std::optional<TransferFailure> m_failure;
    bool m_barShown = false;
    int m_position = 0;
    int m_upperBound = 0;
};

// The start lines of a read and a write on `port`, in `language`.
[[nodiscard]] std::string readingLine(const std::string& port, Language language);
[[nodiscard]] std::string writingLine(const std::string& port, Language language);

} // namespace zrx::cli
