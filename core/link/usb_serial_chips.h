#pragma once

#include <cstdint>
#include <string_view>

namespace zrx {

// The chip of a USB serial adapter that radio owners meet in programming
// cables ("CH340", "FT232R", "PL2303", "CP210x"), by its USB vendor and
// product id; empty for one this list does not know.
[[nodiscard]] std::string_view usbSerialChip(std::uint16_t vendorId, std::uint16_t productId);

} // namespace zrx
