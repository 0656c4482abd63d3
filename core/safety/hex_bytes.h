#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace zrx {

// Bytes as a person reads them off a line: "5A 52 00 FF"; empty for none.
[[nodiscard]] std::string hexBytes(std::span<const std::uint8_t> bytes);

} // namespace zrx
