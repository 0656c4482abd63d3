// The difference list between the radio and a file: every field that
// differs, in the running language, and every other byte a write would
// change.

#include <gtest/gtest.h>

#include <random>

#include "image/channel_codec.h"
#include "image/image_differences.h"
#include "image/image_layout.h"
#include "image/new_image.h"
#include "image/settings_codes.h"
#include "image/settings_field.h"
#include "random_image.h"

using namespace zrx;

namespace {

// The radio: two channels, the new radio's settings.
RadioImage radioImage() {
    RadioImage image = makeNewImage();
    encodeChannel(image, 1, {"462.56250", "462.56250", "67.0", "Off", "Yes", "Wide", "Add"});
    encodeChannel(image, 4, {"446.00625", "446.10625", "D023N", "Off", "No", "Narrow", "Del"});
    image.setByte(layout::kVoxGainLevel, 1); // "1"
    return image;
}

// The file: what a user changed, and bytes no field shows.
RadioImage fileImage() {
    RadioImage image = radioImage();
    encodeChannel(image, 1, {"446.00625", "462.56250", "Off", "Off", "Yes", "Narrow", "Add"});
    encodeChannel(image, 4, {"", "", "", "", "", "", ""});
    encodeSelection(image, SettingsField::Power, 1);
    encodeSelection(image, SettingsField::SideKey1Short, 0);
    encodeSelection(image, SettingsField::SquelchLevel, 3);
    encodePcbaCode(image, "AB\x01");
    image.setBit(layout::channelOffset(1) + layout::channel::kFlags, 1, false); // unknown bit
    image.setByte(layout::channelOffset(1) + 14, 0x12);
    image.setByte(0x200, 0x00);
    image.setByte(layout::kVoxGainLevel, 0);  // out of range: shows "1" as well
    image.setByte(layout::kModelIndex, 0x00); // never written
    return image;
}

struct Row {
    int channel;
    std::string_view key;
    LocalText label;
    LocalText first;
    LocalText second;
};

LocalText same(std::string_view text) {
    return {text, text, text};
}

const LocalText kEmpty{"(empty)", "（空）", "（空）"};

// In the order the list gives them: channels, settings, other bytes.
const std::vector<Row> kWrittenDifferences = {
    {1, "rx_freq", {"Rx Freq", "接收频率", "接收頻率"}, same("462.56250"), same("446.00625")},
    {1, "rx_tone", {"Rx Tone", "接收亚音", "接收亞音"}, same("67.0"), {"Off", "关", "關"}},
    {1, "bandwidth", {"W/N", "带宽", "帶寬"}, {"Wide", "宽", "寬"}, {"Narrow", "窄", "窄"}},
    {4, "rx_freq", {"Rx Freq", "接收频率", "接收頻率"}, same("446.00625"), kEmpty},
    {4, "tx_freq", {"Tx Freq", "发射频率", "發射頻率"}, same("446.10625"), kEmpty},
    {4, "rx_tone", {"Rx Tone", "接收亚音", "接收亞音"}, same("D023N"), kEmpty},
    {4, "tx_tone", {"Tx Tone", "发射亚音", "發射亞音"}, {"Off", "关", "關"}, kEmpty},
    {4, "busy_lock", {"Busy Lock", "繁忙锁定", "繁忙鎖定"}, {"No", "否", "否"}, kEmpty},
    {4, "bandwidth", {"W/N", "带宽", "帶寬"}, {"Narrow", "窄", "窄"}, kEmpty},
    {4, "add_scan", {"Add Scan", "扫描添加", "掃描添加"}, {"Del", "删除", "刪除"}, kEmpty},
    {0, "power", {"Power", "功率", "功率"}, {"High", "高", "高"}, {"Low", "低", "低"}},
    {0, "squelch_level", {"Squelch Level", "静噪等级", "靜噪等級"}, same("5"), same("3")},
    {0,
     "side_key_1_short",
     {"Side Key 1 Short", "侧键 1 短按", "側鍵 1 短按"},
     {"Monitor", "监听", "監聽"},
     {"None", "无", "無"}},
    {0, "pcba_code", {"PCBA", "PCBA 码", "PCBA 碼"}, same(""), same("AB\\x01")},
    {1,
     "other_bytes",
     {"Other bytes 0x01C", "其他字节 0x01C", "其他位元組 0x01C"},
     same("FA"),
     same("FC")},
    {1,
     "other_bytes",
     {"Other bytes 0x01E", "其他字节 0x01E", "其他位元組 0x01E"},
     same("FF"),
     same("12")},
    {0,
     "other_bytes",
     {"Other bytes 0x200", "其他字节 0x200", "其他位元組 0x200"},
     same("FF"),
     same("00")},
    {0,
     "other_bytes",
     {"Other bytes 0x3C2", "其他字节 0x3C2", "其他位元組 0x3C2"},
     same("01"),
     same("00")},
};

void expectRows(const std::vector<ImageDifference>& got, const std::vector<Row>& expected,
                Language language) {
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        SCOPED_TRACE(std::string(expected[i].label.english));
        EXPECT_EQ(got[i].channel, expected[i].channel);
        EXPECT_EQ(got[i].key, expected[i].key);
        EXPECT_EQ(got[i].label, expected[i].label.in(language));
        EXPECT_EQ(got[i].first, expected[i].first.in(language));
        EXPECT_EQ(got[i].second, expected[i].second.in(language));
    }
}

TEST(ImageDifferences, ListEveryFieldAndEveryOtherByteAWriteWouldChange) {
    for (const Language language :
         {Language::English, Language::SimplifiedChinese, Language::TraditionalChinese}) {
        SCOPED_TRACE(static_cast<int>(language));
        expectRows(compareImages(radioImage(), fileImage(), CompareScope::WrittenBytes, language),
                   kWrittenDifferences, language);
        // Two files: the Model selection, which a write never sends, too.
        std::vector<Row> whole = kWrittenDifferences;
        whole.push_back({0,
                         "other_bytes",
                         {"Other bytes 0x3E0", "其他字节 0x3E0", "其他位元組 0x3E0"},
                         same("FF"),
                         same("00")});
        expectRows(compareImages(radioImage(), fileImage(), CompareScope::WholeImage, language),
                   whole, language);
    }
    const auto list =
        compareImages(radioImage(), fileImage(), CompareScope::WrittenBytes, Language::English);
    // Frequencies as counts of 10 Hz besides their texts; none for an empty side.
    EXPECT_EQ(list[0].firstFrequency, FrequencyCount{46256250});
    EXPECT_EQ(list[0].secondFrequency, FrequencyCount{44600625});
    EXPECT_EQ(list[3].firstFrequency, FrequencyCount{44600625});
    EXPECT_EQ(list[3].secondFrequency, std::nullopt);
    EXPECT_EQ(list[2].firstFrequency, std::nullopt);
    EXPECT_EQ(list[0].firstAddress, 0x010u);
    EXPECT_EQ(list[0].lastAddress, 0x013u);
}

// Whatever two images hold, every byte that differs within the scope is in
// some entry, and no entry reaches outside the scope; equal images have none.
TEST(ImageDifferences, EveryDifferingByteIsAccountedFor) {
    std::mt19937 random(7);
    for (unsigned seed = 1; seed <= 40; ++seed) {
        RadioImage first = seed % 2 == 0 ? makeNewImage() : randomImage(seed);
        RadioImage second = first;
        for (int i = 0; i < 1 + static_cast<int>(seed % 9) * 20; ++i) {
            second.setByte(random() % RadioImage::kSize, static_cast<std::uint8_t>(random()));
        }
        for (const CompareScope scope : {CompareScope::WrittenBytes, CompareScope::WholeImage}) {
            const std::size_t end =
                scope == CompareScope::WrittenBytes ? layout::kRadioWriteLength : RadioImage::kSize;
            const auto list = compareImages(first, second, scope, Language::English);
            std::vector<bool> covered(RadioImage::kSize, false);
            for (const ImageDifference& d : list) {
                ASSERT_LE(d.firstAddress, d.lastAddress);
                ASSERT_LT(d.lastAddress, end) << d.label;
                for (std::size_t a = d.firstAddress; a <= d.lastAddress; ++a) {
                    covered[a] = true;
                }
            }
            for (std::size_t a = 0; a < end; ++a) {
                if (first.byte(a) != second.byte(a)) {
                    EXPECT_TRUE(covered[a]) << "seed " << seed << ", address " << a;
                }
            }
            EXPECT_TRUE(compareImages(first, first, scope, Language::English).empty());
        }
    }
}

} // namespace
