#include "new_image.h"

#include <array>

#include "image_layout.h"

namespace zrx {

RadioImage makeNewImage() {
    // Beep, saver and scan on, emergency alert refused off, Chinese voice,
    // Tx Alert; squelch 5; vox gain 5; TOT 60 s; vox delay 1.5 s; 120 phase
    // shift kill tone, high power, side tone on; no priority channel; side
    // keys Monitor and Scan On/Off; 200 ms DTMF timings.
    static constexpr std::array<std::uint8_t, 12> kDefaultSettings{
        0xFF, 0x05, 0x05, 0x02, 0x03, 0xE1, 0x00, 0x11, 0x22, 0x04, 0x07, 0x07};
    RadioImage image;
    for (std::size_t i = 0; i < kDefaultSettings.size(); ++i) {
        image.setByte(layout::kOptionFlags + i, kDefaultSettings[i]);
    }
    return image;
}

} // namespace zrx
