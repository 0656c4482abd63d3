#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "link/transfer_failure.h"

namespace zrx::cli {

// The one way a command says it failed: the message is printed as it is,
// and the detail, when there is one, on a second line below it.
class CommandFailed : public std::runtime_error {
public:
    explicit CommandFailed(const std::string& message, std::string detail = {})
        : std::runtime_error(message), m_detail(std::move(detail)) {}

    [[nodiscard]] const std::string& detail() const { return m_detail; }

    // The exit status: 1, or 2 where a command answers like diff(1).
    int status = 1;
    // What a failed transfer told, for --json.
    std::optional<TransferFailure> failure;
    // With --json, the document the command has made for stdout itself;
    // otherwise main makes one from the message.
    std::string jsonDocument;

private:
    std::string m_detail;
};

// A command that ends with `status` and has said all there is to say (diff
// when the two sides differ).
struct CommandExit {
    int status = 0;
};

} // namespace zrx::cli
