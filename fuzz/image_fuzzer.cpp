// Any bytes as a channel data file's: take them in, decode everything the
// program shows, encode it back, and check the promises the encoders make.
// All in memory, so it runs fast; channel_data_file_fuzzer goes through files.
#include <cstdint>
#include <cstring>

#include "fuzz_check.h"
#include "image/channel_codec.h"
#include "image/channel_data_file.h"
#include "image/image_layout.h"
#include "image/new_image.h"
#include "image/settings_codes.h"
#include "image/settings_field.h"
#include "image/settings_lists.h"

using namespace zrx;

namespace {

constexpr Language kLanguages[] = {Language::English, Language::SimplifiedChinese,
                                   Language::TraditionalChinese};

RadioImage::Bytes copyOf(const RadioImage& image) {
    return image.bytes();
}

// Whole ranges at a time: a byte-by-byte loop here would cost more than
// the code under test.
bool sameBytesOutside(const RadioImage& a, const RadioImage& b, std::size_t begin,
                      std::size_t end) {
    const auto& x = a.bytes();
    const auto& y = b.bytes();
    return std::memcmp(x.data(), y.data(), begin) == 0 &&
           std::memcmp(x.data() + end, y.data() + end, RadioImage::kSize - end) == 0;
}

void checkChannels(RadioImage& image) {
    for (int channel = 1; channel <= layout::kChannelCount; ++channel) {
        for (const Language language : kLanguages) {
            (void)decodeChannel(image, channel, language);
        }
        const RadioImage before = image;
        // What the grid does with a channel it never touched: decode, encode.
        encodeChannel(image, channel, decodeChannel(image, channel, Language::TraditionalChinese));
        const std::size_t row = layout::channelOffset(channel);
        ZRX_FUZZ_CHECK(sameBytesOutside(image, before, row, row + layout::kChannelRecordSize));
        // After one pass the texts are stable. A "DCS code" of four digits
        // (from a high byte the radio never writes) is the exception: its
        // text does not fit back into the byte.
        const ChannelTexts once = decodeChannel(image, channel, Language::English);
        encodeChannel(image, channel, once);
        const ChannelTexts twice = decodeChannel(image, channel, Language::English);
        for (std::size_t c = 0; c < once.size(); ++c) {
            const bool oversizedCode = once[c].size() > 5 && once[c][0] == 'D';
            ZRX_FUZZ_CHECK(oversizedCode || twice[c] == once[c]);
        }
    }
}

void checkSettings(RadioImage& image) {
    const RadioImage before = image;
    for (int f = 0; f < kSettingsFieldCount; ++f) {
        const auto field = static_cast<SettingsField>(f);
        const auto shown = decodeSelection(image, field);
        ZRX_FUZZ_CHECK(!shown || (*shown >= 0 && *shown < entryCount(field)));
        encodeSelection(image, field, shown);
        ZRX_FUZZ_CHECK(decodeSelection(image, field) == shown.value_or(0));
    }
    const std::string ptt = decodePttIdCode(image);
    encodePttIdCode(image, ptt);
    ZRX_FUZZ_CHECK(decodePttIdCode(image) == ptt);
    const std::string pcba = decodePcbaCode(image);
    encodePcbaCode(image, pcba);
    ZRX_FUZZ_CHECK(decodePcbaCode(image) == pcba);

    // Only the settings block moved, and never 0x3CC-0x3CF or bit 7 of 0x3C5.
    ZRX_FUZZ_CHECK(sameBytesOutside(image, before, layout::kSettingsBegin, layout::kSettingsEnd));
    for (std::size_t i = layout::kDigitDelay + 1; i < layout::kPttIdCode; ++i) {
        ZRX_FUZZ_CHECK(image.byte(i) == before.byte(i));
    }
    ZRX_FUZZ_CHECK(image.bit(layout::kTxOptions, 7) == before.bit(layout::kTxOptions, 7));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RadioImage image = makeNewImage();
    const RadioImage::Bytes original = copyOf(image);
    const FileResult loaded = imageFromFileBytes(std::span<const std::uint8_t>(data, size), image);
    if (size < RadioImage::kSize) {
        ZRX_FUZZ_CHECK(loaded.error == FileError::TooShort);
        ZRX_FUZZ_CHECK(image.bytes() == original);
        return 0;
    }
    ZRX_FUZZ_CHECK(loaded.ok());
    ZRX_FUZZ_CHECK(std::memcmp(image.bytes().data(), data, RadioImage::kSize) == 0);
    checkChannels(image);
    checkSettings(image);
    return 0;
}
