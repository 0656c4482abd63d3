// zrx plans, zrx new --plan, zrx check and the checks of zrx write as a user
// meets them: the plans beside the program in the build's output folder and
// the user's own in a data folder of the test's own; the writes against
// zrx-sim.

#include <gtest/gtest.h>

#include "core/environment_override.h"
#include "core/file_bytes.h"
#include "core/radio_simulator.h"
#include "image/channel_codec.h"
#include "image/new_image.h"
#include "plans/plan_loading.h"
#include "zrx_run_fixture.h"

using namespace zrx;
namespace fs = std::filesystem;

namespace {

class ZrxPlans : public ZrxRun {
protected:
    void SetUp() override {
        fs::create_directories(userPlans);
        writeBytes(userPlans / "Site A.csv",
                   "CH,Rx Freq,Tx Freq\r\n1,450.0125,455.0125\r\n3,451,451\r\n");
        writeBytes(userPlans / "Site A.txt", "Our site's two repeaters.\n");
        writeBytes(userPlans / "Too high.csv", "CH,Rx Freq\r\n1,480\r\n");
    }

    fs::path dataHome = dir / "data";
    fs::path userPlans = dataHome / "zrx-pc-encoder" / "plans";
    EnvironmentOverride data{"XDG_DATA_HOME", dataHome.string()};
};

const fs::path kShippedPmr446 = fs::path(ChildProcess::outputDir()) / "plans" / "PMR446.csv";

RadioImage withChannels(std::initializer_list<ChannelTexts> channels) {
    RadioImage image = makeNewImage();
    int number = 1;
    for (const ChannelTexts& texts : channels) {
        encodeChannel(image, number++, texts);
    }
    return image;
}

} // namespace

TEST_F(ZrxPlans, PlansListsShippedAndOwnPlansWithTheirNotes) {
    ASSERT_EQ(zrx({"plans"}), 0) << errors;
    EXPECT_EQ(output.rfind("PMR446 (shipped): The 16 PMR446 channels", 0), 0u) << output;
    EXPECT_NE(output.find("\nSite A (user): Our site's two repeaters.\nToo high (user)\n"),
              std::string::npos)
        << output;
    ASSERT_EQ(zrx({"plans", "--lang", "cht"}), 0) << errors;
    EXPECT_EQ(output.rfind("PMR446 (隨程式提供): 16 個 PMR446 信道", 0), 0u) << output;
}

TEST_F(ZrxPlans, NewFromAPlanWritesItsImageAndRefusesWhatItCannotUse) {
    const std::string file = (dir / "radio.sin").string();
    ASSERT_EQ(zrx({"new", "--plan", "PMR446", file}), 0) << errors;
    EXPECT_EQ(errors, "");
    const plans::PlanLoad shipped = plans::loadPlan(kShippedPmr446);
    ASSERT_TRUE(shipped);
    EXPECT_EQ(readBytes(file),
              std::string(shipped.image.bytes().begin(), shipped.image.bytes().end()));

    ASSERT_EQ(zrx({"new", "--plan", "site a", "--force", file}), 0) << errors;
    RadioImage site;
    ASSERT_TRUE(loadChannelDataFile(file, site));
    EXPECT_EQ(decodeChannel(site, 1, Language::English),
              (ChannelTexts{"450.01250", "455.01250", "Off", "Off", "No", "Wide", "Add"}));

    struct Refusal {
        std::string plan;
        std::string message;
    };
    for (const Refusal& r : std::vector<Refusal>{
             {"Too high", "zrx: the plan \"Too high\" cannot be used: " +
                              (userPlans / "Too high.csv").string() +
                              ", line 2: CH 1, Rx Freq \"480\" is outside the radio's 400-470 MHz "
                              "band\n"},
             {"Nowhere", "zrx: no plan is named \"Nowhere\"; zrx plans lists them\n"}}) {
        SCOPED_TRACE(r.plan);
        const std::string refused = (dir / "refused.sin").string();
        EXPECT_EQ(zrx({"new", "--plan", r.plan, refused}), 1);
        EXPECT_EQ(errors, r.message);
        EXPECT_FALSE(fs::exists(refused));
    }
}

TEST_F(ZrxPlans, CheckPrintsTheFindingsAndStrictFailsOnAny) {
    const std::string clean =
        save("clean.sin", withChannels({{"450", "450", "Off", "Off", "No", "Narrow", "Add"}}));
    const std::string warned =
        save("warned.sin",
             withChannels({{"446.00625", "446.00625", "Off", "Off", "No", "Narrow", "Add"}}));
    const std::string damaged =
        save("damaged.sin", withChannels({{"480", "450", "Off", "Off", "No", "Narrow", "Add"}}));
    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string output;
        std::string errors;
    };
    const std::string highPower =
        "warning: CH 1: PMR446 channels while Power is High: PMR446 allows 0.5 W ERP only\n";
    const std::string outside = "error: CH 1: Rx Freq 480.00000 MHz is outside the radio's "
                                "400-470 MHz band: the radio cannot use it\n";
    const std::vector<Case> cases = {
        {{"check", clean}, 0, "no findings\n", ""},
        {{"check", clean, "--strict"}, 0, "no findings\n", ""},
        {{"check", warned}, 0, highPower, ""},
        {{"check", warned, "--strict"}, 1, highPower, "zrx: 1 finding(s) (--strict)\n"},
        {{"check", damaged}, 0, outside, ""},
        {{"check", damaged, "--strict", "--lang", "chs"},
         1,
         "错误：信道 1：接收频率 480.00000 MHz 超出电台的 400-470 MHz 频段：电台无法使用\n",
         "zrx: 发现 1 个问题（--strict）\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.back());
        EXPECT_EQ(zrx(c.arguments), c.status);
        EXPECT_EQ(output, c.output);
        EXPECT_EQ(errors, c.errors);
    }
}

TEST_F(ZrxPlans, WriteRefusesAMemoryTheRadioCannotUseUnlessForcedAndPrintsWarnings) {
    const RadioImage damaged = withChannels({{"480", "450", "Off", "Off", "No", "Narrow", "Add"},
                                             {"450", "450", "Off", "Off", "No", "Narrow", "Add"},
                                             {"450", "450", "Off", "Off", "No", "Narrow", "Add"}});
    const std::string file = save("damaged.sin", damaged);
    const fs::path written = dir / "radio-after.sin";
    const std::string findings =
        "zrx: error: CH 1: Rx Freq 480.00000 MHz is outside the radio's 400-470 MHz band: the "
        "radio cannot use it\n"
        "zrx: warning: CH 2, 3: the same channel more than once: same Rx Freq, Tx Freq and tones\n";
    {
        RadioSimulator radio({"--save", written.string()}, (dir / "line.log").string());
        EXPECT_EQ(zrx({"write", "--port", radio.device(), file}), 1);
        EXPECT_EQ(errors, findings + "zrx: nothing was written: the radio cannot use this memory "
                                     "as it is (see the errors above); --force writes it anyway\n");
        ASSERT_EQ(radio.stop(), 0);
        EXPECT_TRUE(radio.traffic().lines.empty()); // the port was never opened
        EXPECT_FALSE(fs::exists(written));
    }
    RadioSimulator radio({"--save", written.string()});
    ASSERT_EQ(zrx({"write", "--port", radio.device(), file, "--force"}), 0) << errors;
    EXPECT_EQ(errors.rfind(findings, 0), 0u) << errors; // then the progress
    ASSERT_EQ(radio.stop(), 0);
    RadioImage after;
    ASSERT_TRUE(loadChannelDataFile(written, after));
    EXPECT_EQ(after.byte(0x10), damaged.byte(0x10));
}
