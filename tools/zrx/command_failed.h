#pragma once

#include <stdexcept>
#include <string>

namespace zrx::cli {

// The one way a command says it failed: the message is printed as is.
class CommandFailed : public std::runtime_error {
public:
    explicit CommandFailed(const std::string& message) : std::runtime_error(message) {}
};

} // namespace zrx::cli
