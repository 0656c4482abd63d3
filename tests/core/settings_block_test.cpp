#include <gtest/gtest.h>

#include <vector>

#include "image/image_layout.h"
#include "image/new_image.h"
#include "image/settings_codes.h"
#include "image/settings_field.h"
#include "image/settings_lists.h"

using namespace zrx;
using F = SettingsField;

namespace {

RadioImage allFFImage() {
    return RadioImage{};
}

std::vector<std::uint8_t> bytes(const RadioImage& image, std::size_t offset, std::size_t length) {
    const auto span = image.range(offset, length);
    return {span.begin(), span.end()};
}

// What a dialog does when it closes: every field it owns written back from
// the selection it decoded when it opened.
void reopenAndClose(RadioImage& image, std::span<const SettingsField> fields) {
    std::vector<std::optional<int>> shown;
    for (const SettingsField field : fields) {
        shown.push_back(decodeSelection(image, field));
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        encodeSelection(image, fields[i], shown[i]);
    }
}

std::string shownText(const RadioImage& image, SettingsField field, Language language) {
    const auto selection = decodeSelection(image, field);
    return selection ? entry(field, *selection, language) : std::string("(none)");
}

} // namespace

TEST(SettingsDecode, AllFFBlockShowsEachFieldsFallbackOrMeaning) {
    const RadioImage image = allFFImage();
    const std::pair<SettingsField, const char*> expected[] = {
        {F::Beep, "On"},
        {F::BatterySaver, "On"},
        {F::Scan, "On"},
        {F::RefuseEmergencyAlert, "Off"},
        {F::VoiceAnnunciation, "Chinese"},
        {F::EmergencyCallSwitch, "Tx Alert"},
        {F::SquelchLevel, "0"},
        {F::VoxGainLevel, "1"},
        {F::TimeOutTimer, "Off"},
        {F::VoxDelayTime, "0.5"},
        {F::KillTone, "Off"},
        {F::PttId, "Both"},
        {F::Vox, "On"},
        {F::Power, "High"},
        {F::SideTone, "On"},
        {F::PriorityChannel, "None"},
        {F::FirstDigitDelayTime, "(none)"},
        {F::DigitIntervalTime, "6400"},
        {F::DigitDelayTime, "6400"},
        {F::SideKey1Short, "None"},
        {F::SideKey1Long, "None"},
        {F::SideKey2Short, "None"},
        {F::SideKey2Long, "None"},
    };
    for (const auto& [field, text] : expected) {
        EXPECT_EQ(shownText(image, field, Language::English), text) << fieldName(field);
    }
    EXPECT_EQ(decodePttIdCode(image), "");
    EXPECT_EQ(decodePcbaCode(image), "");
}

TEST(SettingsEncode, ClosingBothDialogsOnAllFFBlockNormalisesIt) {
    RadioImage image = allFFImage();
    reopenAndClose(image, kOptionFunctionFields);
    encodePttIdCode(image, decodePttIdCode(image));
    EXPECT_EQ(bytes(image, 0x3C0, 12),
              (std::vector<std::uint8_t>{0xFF, 0x00, 0x01, 0x00, 0x01, 0xFC, 0x00, 0xFF, 0xFF, 0x01,
                                         0xFF, 0xFF}));
    reopenAndClose(image, kSideKeyFields);
    EXPECT_EQ(image.byte(layout::kSideKey1), 0x00);
    EXPECT_EQ(image.byte(layout::kSideKey2), 0x00);
    EXPECT_EQ(bytes(image, layout::kPttIdCode, 16), std::vector<std::uint8_t>(16, 0xFF));
    // Nothing outside the fields moved.
    EXPECT_EQ(bytes(image, 0, 0x3C0), std::vector<std::uint8_t>(0x3C0, 0xFF));
    EXPECT_EQ(bytes(image, 0x3CC, 0x34), std::vector<std::uint8_t>(0x34, 0xFF));
}

TEST(SettingsDecode, NewDocumentShowsTheRadiosDefaults) {
    RadioImage image = makeNewImage();
    const std::pair<SettingsField, const char*> expected[] = {
        {F::VoiceAnnunciation, "Chinese"},
        {F::SquelchLevel, "5"},
        {F::VoxGainLevel, "5"},
        {F::TimeOutTimer, "60"},
        {F::VoxDelayTime, "1.5"},
        {F::KillTone, "120 phase shift"},
        {F::PttId, "Off"},
        {F::Vox, "Off"},
        {F::Power, "High"},
        {F::SideTone, "On"},
        {F::PriorityChannel, "None"},
        {F::SideKey1Short, "Monitor"},
        {F::SideKey1Long, "Monitor"},
        {F::SideKey2Short, "Scan On/Off"},
        {F::SideKey2Long, "Scan On/Off"},
        {F::FirstDigitDelayTime, "200"},
        {F::DigitIntervalTime, "200"},
        {F::DigitDelayTime, "200"},
    };
    for (const auto& [field, text] : expected) {
        EXPECT_EQ(shownText(image, field, Language::English), text) << fieldName(field);
    }
    // A new document survives both dialogs byte for byte.
    const RadioImage before = image;
    reopenAndClose(image, kOptionFunctionFields);
    reopenAndClose(image, kSideKeyFields);
    EXPECT_EQ(image, before);
}

TEST(SettingsDecode, VoiceAnnunciationTwoShowsOffAndIsWrittenBackAsZero) {
    RadioImage image = allFFImage();
    image.setByte(layout::kOptionFlags, 0xEF); // bits 5..4 = 10
    EXPECT_EQ(decodeSelection(image, F::VoiceAnnunciation), 0);
    reopenAndClose(image, kOptionFunctionFields);
    EXPECT_EQ(image.byte(layout::kOptionFlags), 0xCF);
    encodeSelection(image, F::VoiceAnnunciation, 2); // Chinese is stored as 3
    EXPECT_EQ(image.byte(layout::kOptionFlags), 0xFF);
    encodeSelection(image, F::VoiceAnnunciation, 1);
    EXPECT_EQ(image.byte(layout::kOptionFlags), 0xDF);
}

TEST(SettingsDecode, OutOfRangeValuesShowTheFallback) {
    RadioImage image = allFFImage();
    image.setByte(layout::kSquelchLevel, 10);
    image.setByte(layout::kVoxGainLevel, 0);
    image.setByte(layout::kTimeOutTimer, 21);
    image.setByte(layout::kVoxDelayTime, 7);
    image.setByte(layout::kPriorityChannel, 17);
    image.setByte(layout::kSideKey1, 0x45); // short Reverse Frequency, long out of range
    image.setByte(layout::kFirstDigitDelay, 0);
    EXPECT_EQ(decodeSelection(image, F::SquelchLevel), 0);
    EXPECT_EQ(decodeSelection(image, F::VoxGainLevel), 0);
    EXPECT_EQ(decodeSelection(image, F::TimeOutTimer), 0);
    EXPECT_EQ(decodeSelection(image, F::VoxDelayTime), 0);
    EXPECT_EQ(decodeSelection(image, F::PriorityChannel), 0);
    EXPECT_EQ(decodeSelection(image, F::SideKey1Short), 4);
    EXPECT_EQ(decodeSelection(image, F::SideKey1Long), 0);
    EXPECT_EQ(decodeSelection(image, F::FirstDigitDelayTime), std::nullopt);
    image.setByte(layout::kFirstDigitDelay, 91);
    EXPECT_EQ(decodeSelection(image, F::FirstDigitDelayTime), std::nullopt);
    image.setByte(layout::kFirstDigitDelay, 90);
    EXPECT_EQ(decodeSelection(image, F::FirstDigitDelayTime), 89);
    // The last valid values are not mistaken for out-of-range ones.
    image.setByte(layout::kPriorityChannel, 16);
    image.setByte(layout::kTimeOutTimer, 20);
    EXPECT_EQ(decodeSelection(image, F::PriorityChannel), 16);
    EXPECT_EQ(decodeSelection(image, F::TimeOutTimer), 20);
}

TEST(SettingsEncode, PackedFieldsKeepTheirNeighbours) {
    RadioImage image = makeNewImage();
    encodeSelection(image, F::SideKey1Short, 4);
    encodeSelection(image, F::SideKey1Long, 0);
    EXPECT_EQ(image.byte(layout::kSideKey1), 0x40);
    EXPECT_EQ(image.byte(layout::kSideKey2), 0x22);

    // Bit 7 of 0x3C5 is the radio's own: it survives whichever way it was.
    for (const std::uint8_t txOptions : {std::uint8_t{0x00}, std::uint8_t{0x80}}) {
        image.setByte(layout::kTxOptions, txOptions);
        encodeSelection(image, F::KillTone, 2);
        encodeSelection(image, F::PttId, 1);
        encodeSelection(image, F::Vox, 0);   // On
        encodeSelection(image, F::Power, 1); // Low
        encodeSelection(image, F::SideTone, 1);
        EXPECT_EQ(image.byte(layout::kTxOptions), txOptions | 0x16);
    }
    encodeSelection(image, F::RefuseEmergencyAlert, 0); // On = clear bit 3
    encodeSelection(image, F::Beep, 1);                 // Off = clear bit 0
    EXPECT_EQ(image.byte(layout::kOptionFlags), 0xF6);
}

TEST(SettingsEncode, NoSelectionOrImpossiblePositionStoresTheFirstEntry) {
    RadioImage image = makeNewImage();
    encodeSelection(image, F::FirstDigitDelayTime, std::nullopt);
    EXPECT_EQ(image.byte(layout::kFirstDigitDelay), 1);
    encodeSelection(image, F::SideKey2Long, -1);
    EXPECT_EQ(image.byte(layout::kSideKey2), 0x20);
    encodeSelection(image, F::DigitIntervalTime, 255);
    EXPECT_EQ(image.byte(layout::kDigitInterval), 255);
    encodeSelection(image, F::DigitIntervalTime, 256);
    EXPECT_EQ(image.byte(layout::kDigitInterval), 0);
}

TEST(SettingsEncode, BytesTheDialogsDoNotOwnAreNeverWritten) {
    RadioImage image = allFFImage();
    for (std::size_t offset = 0x3CC; offset < 0x3D0; ++offset) {
        image.setByte(offset, static_cast<std::uint8_t>(offset));
    }
    const RadioImage before = image;
    for (int field = 0; field < kSettingsFieldCount; ++field) {
        for (int index = 0; index < entryCount(static_cast<SettingsField>(field)); ++index) {
            encodeSelection(image, static_cast<SettingsField>(field), index);
        }
    }
    encodePttIdCode(image, "123");
    encodePcbaCode(image, "ABC");
    EXPECT_EQ(bytes(image, 0x3CC, 4), bytes(before, 0x3CC, 4));
    EXPECT_EQ(image.bit(layout::kTxOptions, 7), true);
    EXPECT_EQ(bytes(image, 0, 0x3B0), bytes(before, 0, 0x3B0));
    EXPECT_EQ(bytes(image, 0x3E0, 32), bytes(before, 0x3E0, 32));
}

TEST(SettingsRoundTrip, EveryEntryOfEveryFieldComesBack) {
    for (int f = 0; f < kSettingsFieldCount; ++f) {
        const auto field = static_cast<SettingsField>(f);
        RadioImage image = allFFImage();
        for (int index = 0; index < entryCount(field); ++index) {
            encodeSelection(image, field, index);
            EXPECT_EQ(decodeSelection(image, field), index) << fieldName(field);
        }
    }
}

TEST(SettingsLists, EntriesInEachLanguage) {
    EXPECT_EQ(entries(F::TimeOutTimer, Language::SimplifiedChinese).front(), "关");
    EXPECT_EQ(entries(F::TimeOutTimer, Language::TraditionalChinese).front(), "關");
    EXPECT_EQ(entries(F::TimeOutTimer, Language::English).back(), "600");
    EXPECT_EQ(entries(F::EmergencyCallSwitch, Language::SimplifiedChinese),
              (std::vector<std::string>{"关", "本地报警", "本地发射报警", "发射报警"}));
    EXPECT_EQ(entries(F::SideKey1Short, Language::TraditionalChinese),
              (std::vector<std::string>{"無", "監聽", "掃描開關", "優先掃描", "倒頻"}));
    EXPECT_EQ(entries(F::VoxDelayTime, Language::English),
              (std::vector<std::string>{"0.5", "1.0", "1.5", "2.0", "2.5", "3.0"}));
    EXPECT_EQ(entries(F::Power, Language::SimplifiedChinese),
              (std::vector<std::string>{"高", "低"}));
    EXPECT_EQ(entries(F::PriorityChannel, Language::TraditionalChinese).front(), "無");
    EXPECT_EQ(entries(F::PriorityChannel, Language::English).back(), "16");

    const std::pair<SettingsField, int> counts[] = {{F::SquelchLevel, 10},
                                                    {F::VoxGainLevel, 9},
                                                    {F::TimeOutTimer, 21},
                                                    {F::VoxDelayTime, 6},
                                                    {F::KillTone, 3},
                                                    {F::PttId, 4},
                                                    {F::PriorityChannel, 17},
                                                    {F::FirstDigitDelayTime, 90},
                                                    {F::DigitIntervalTime, 256},
                                                    {F::DigitDelayTime, 256},
                                                    {F::VoiceAnnunciation, 3},
                                                    {F::Beep, 2}};
    for (const auto& [field, count] : counts) {
        EXPECT_EQ(entryCount(field), count) << fieldName(field);
        EXPECT_EQ(entries(field, Language::English).size(), static_cast<std::size_t>(count));
    }
    EXPECT_EQ(entries(F::FirstDigitDelayTime, Language::English).back(), "4500");
    EXPECT_EQ(entries(F::DigitDelayTime, Language::English).front(), "25");
    EXPECT_EQ(entry(F::Beep, 2, Language::English), "");
}

TEST(PttIdCode, StoresDtmfCodesAndPadsWithFF) {
    RadioImage image = allFFImage();
    encodePttIdCode(image, "12A#");
    std::vector<std::uint8_t> expected(16, 0xFF);
    expected[0] = 0x01;
    expected[1] = 0x02;
    expected[2] = 0x0A;
    expected[3] = 0x0F;
    EXPECT_EQ(bytes(image, layout::kPttIdCode, 16), expected);
    EXPECT_EQ(decodePttIdCode(image), "12A#");

    encodePttIdCode(image, "*");
    EXPECT_EQ(image.byte(layout::kPttIdCode), 0x0E);
}

TEST(PttIdCode, ShowsUpToTheFirstNonCodeAndLosesTheRestOnClose) {
    RadioImage image = allFFImage();
    image.setByte(layout::kPttIdCode, 0x01);
    image.setByte(layout::kPttIdCode + 2, 0x02);
    EXPECT_EQ(decodePttIdCode(image), "1");
    encodePttIdCode(image, decodePttIdCode(image));
    std::vector<std::uint8_t> expected(16, 0xFF);
    expected[0] = 0x01;
    EXPECT_EQ(bytes(image, layout::kPttIdCode, 16), expected);
}

TEST(PttIdCode, OtherCharactersBecomeFFAndSixteenFillTheBlock) {
    RadioImage image = allFFImage();
    encodePttIdCode(image, "1a中2");
    EXPECT_EQ(bytes(image, layout::kPttIdCode, 5),
              (std::vector<std::uint8_t>{0x01, 0xFF, 0xFF, 0x02, 0xFF}));
    encodePttIdCode(image, "0123456789ABCD*#99");
    EXPECT_EQ(decodePttIdCode(image), "0123456789ABCD*#");
    EXPECT_EQ(image.byte(layout::kPttIdCode + 15), 0x0F);
    EXPECT_EQ(image.byte(layout::kPttIdCode + 16), 0xFF); // the PTT ID code is the last field
}

TEST(PcbaCode, StoresLowByteOfEachCharacter) {
    RadioImage image = allFFImage();
    encodePcbaCode(image, "AB12");
    std::vector<std::uint8_t> expected(16, 0xFF);
    expected[0] = 0x41;
    expected[1] = 0x42;
    expected[2] = 0x31;
    expected[3] = 0x32;
    EXPECT_EQ(bytes(image, layout::kPcbaCode, 16), expected);
    EXPECT_EQ(decodePcbaCode(image), "AB12");

    encodePcbaCode(image, "");
    EXPECT_EQ(bytes(image, layout::kPcbaCode, 16), std::vector<std::uint8_t>(16, 0xFF));

    encodePcbaCode(image, "ABCDEFGHIJKLMNOPQR");
    EXPECT_EQ(decodePcbaCode(image), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(image.byte(layout::kPcbaCode + 16), 0xFF); // 0x3C0 is untouched

    encodePcbaCode(image, "é"); // U+00E9 keeps its code as the byte
    EXPECT_EQ(image.byte(layout::kPcbaCode), 0xE9);
    EXPECT_EQ(decodePcbaCode(image), "é");
}

TEST(PcbaCode, ANulByteEndsTheShownText) {
    RadioImage image = allFFImage();
    encodePcbaCode(image, "AB");
    image.setByte(layout::kPcbaCode + 1, 0x00);
    EXPECT_EQ(decodePcbaCode(image), "A");
}
