#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace zrx {

// Bytes as a person reads them off a line: "5A 52 00 FF"; empty for none.
[[nodiscard]] std::string hexBytes(std::span<const std::uint8_t> bytes);

// An address in the radio's memory as messages give it: "0x03D", "0x3A0".
[[nodiscard]] std::string hexAddress(std::size_t address);

} // namespace zrx
