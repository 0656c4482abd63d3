#include "usb_serial_chips.h"

#include <array>

namespace zrx {

namespace {

struct KnownChip {
    std::uint16_t vendorId;
    std::uint16_t productId;
    std::string_view name;
};

// The adapters inside the programming cables sold for such radios.
constexpr std::array<KnownChip, 11> kKnownChips{{
    {0x1a86, 0x7523, "CH340"},
    {0x1a86, 0x5523, "CH341"},
    {0x1a86, 0x55d4, "CH9102"},
    {0x0403, 0x6001, "FT232R"},
    {0x0403, 0x6015, "FT231X"},
    {0x0403, 0x6010, "FT2232"},
    {0x0403, 0x6014, "FT232H"},
    {0x067b, 0x2303, "PL2303"},
    {0x067b, 0x23a3, "PL2303GS"},
    {0x10c4, 0xea60, "CP210x"},
    {0x10c4, 0xea70, "CP2105"},
}};

} // namespace

std::string_view usbSerialChip(std::uint16_t vendorId, std::uint16_t productId) {
    for (const KnownChip& chip : kKnownChips) {
        if (chip.vendorId == vendorId && chip.productId == productId) {
            return chip.name;
        }
    }
    return {};
}

} // namespace zrx
