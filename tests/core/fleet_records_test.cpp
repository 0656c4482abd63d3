// What a fleet run keeps count of and writes down: the tally that decides
// which radio may start, the log, and the ports it takes by itself.

#include <gtest/gtest.h>

#include "file_bytes.h"
#include "safety/fleet_log.h"
#include "safety/fleet_ports.h"
#include "safety/fleet_tally.h"
#include "table/csv_writer.h"
#include "temp_dir.h"

using namespace zrx;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

TEST(FleetTally, StartsARadioOnlyWhileTheCountCannotBeOvershot) {
    enum class Step { Claim, Ok, Fail, Stop };
    using Claim = FleetTally::Claim;
    struct Expected {
        Step step;
        Claim claim = Claim::Granted; // for Claim
        int unit = 0;
    };
    struct Case {
        const char* name;
        std::optional<int> count;
        std::vector<Expected> steps;
        FleetSummary summary;
    };
    const std::vector<Case> cases = {
        {"a failure frees its place for a held radio",
         2,
         {{Step::Claim, Claim::Granted, 1},
          {Step::Claim, Claim::Granted, 2},
          {Step::Claim, Claim::Held},
          {Step::Fail},
          {Step::Claim, Claim::Granted, 3},
          {Step::Claim, Claim::Held},
          {Step::Ok},
          {Step::Ok},
          {Step::Claim, Claim::Over}},
         {2, 1, true, false}},
        {"without a count only stop ends it; radios in progress still count",
         std::nullopt,
         {{Step::Claim, Claim::Granted, 1},
          {Step::Claim, Claim::Granted, 2},
          {Step::Ok},
          {Step::Claim, Claim::Granted, 3},
          {Step::Stop},
          {Step::Claim, Claim::Over},
          {Step::Fail},
          {Step::Ok}},
         {2, 1, false, true}},
        {"stopped with the last radio in progress",
         1,
         {{Step::Claim, Claim::Granted, 1}, {Step::Stop}, {Step::Ok}, {Step::Claim, Claim::Over}},
         {1, 0, true, true}},
    };
    for (const Case& c : cases) {
        FleetTally tally(c.count);
        int step = 0;
        for (const Expected& expected : c.steps) {
            ++step;
            switch (expected.step) {
            case Step::Claim: {
                const FleetTally::Grant grant = tally.claim();
                EXPECT_EQ(grant.claim, expected.claim) << c.name << ", step " << step;
                EXPECT_EQ(grant.unit, expected.unit) << c.name << ", step " << step;
                break;
            }
            case Step::Ok:
            case Step::Fail:
                tally.finish(expected.step == Step::Ok);
                break;
            case Step::Stop:
                tally.stop();
                break;
            }
        }
        const FleetSummary summary = tally.summary();
        EXPECT_EQ(summary.programmed, c.summary.programmed) << c.name;
        EXPECT_EQ(summary.failed, c.summary.failed) << c.name;
        EXPECT_EQ(summary.countReached, c.summary.countReached) << c.name;
        EXPECT_EQ(summary.stopped, c.summary.stopped) << c.name;
        EXPECT_TRUE(tally.over()) << c.name;
        EXPECT_EQ(tally.inProgress(), 0) << c.name;
    }
}

TEST(FleetTally, AHeldPortHearsOfARadioThatEndedBeforeItWaited) {
    FleetTally tally(1);
    ASSERT_EQ(tally.claim().claim, FleetTally::Claim::Granted);
    const FleetTally::Grant held = tally.claim();
    ASSERT_EQ(held.claim, FleetTally::Claim::Held);
    tally.finish(false);
    const auto start = std::chrono::steady_clock::now();
    tally.awaitChange(held, 30s);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
}

FleetRadio sampleRadio() {
    FleetRadio radio;
    radio.unit = 12;
    radio.port = "/dev/ttyUSB1";
    radio.started = std::chrono::system_clock::now();
    radio.ended = radio.started + 4300ms;
    radio.seconds = 4.25;
    radio.verify = FleetVerify::Mismatch;
    radio.reason = "verification failed at 0x0A5: wrote 0x4C, read 0x00 (1 byte differ)";
    radio.pcbaCode = "AB\"12";
    radio.identification = {'Z', 'R', 0x00, 0xFF};
    radio.backup = fs::u8path("/b/2024-05-01T120322.123Z_zrx-fleet.sin");
    return radio;
}

TEST(FleetLog, EntriesKeepTheOlderColumnsFirstAndWriteTheSameFieldsAsCsvAndJson) {
    const FleetRadio radio = sampleRadio();
    const std::vector<std::string> row = fleetLogRow(radio);
    const std::string start = row[1];
    const std::string end = row[7];
    EXPECT_EQ(start.size(), std::string("2024-05-01T14:03:22+0200").size());
    EXPECT_EQ(writeCsv({fleetLogHeading()}),
              "unit,start,seconds,result,reason,pcba,port,end,verify,identification,backup\r\n");
    EXPECT_EQ(writeCsv({row}), "12," + start +
                                   ",4.2,failed,\"verification failed at 0x0A5: wrote 0x4C, "
                                   "read 0x00 (1 byte differ)\",\"AB\"\"12\",/dev/ttyUSB1," +
                                   end +
                                   ",mismatch,5A 52 00 FF,/b/2024-05-01T120322.123Z_zrx-fleet.sin"
                                   "\r\n");
    FleetRadio odd = radio;
    odd.reason = "line\nbreak\\";
    EXPECT_EQ(fleetLogJson(odd),
              "{\"unit\":12,\"start\":\"" + start +
                  "\",\"seconds\":4.2,\"result\":\"failed\",\"reason\":\"line\\u000Abreak\\\\\","
                  "\"pcba\":\"AB\\\"12\",\"port\":\"/dev/ttyUSB1\",\"end\":\"" +
                  end +
                  "\",\"verify\":\"mismatch\",\"identification\":\"5A 52 00 FF\","
                  "\"backup\":\"/b/2024-05-01T120322.123Z_zrx-fleet.sin\"}");
    const std::vector<std::pair<FleetVerify, std::string>> tags = {
        {FleetVerify::Verified, "verified"},
        {FleetVerify::Mismatch, "mismatch"},
        {FleetVerify::ReadBackFailed, "read-back-failed"},
        {FleetVerify::NotWritten, "not-written"}};
    for (const auto& [verify, tag] : tags) {
        EXPECT_EQ(fleetVerifyTag(verify), tag);
    }
}

TEST(FleetLog, AppendsOnlyToALogOfItsOwnKind) {
    TempDir dir;
    const FleetRadio radio = sampleRadio();
    const std::string heading = writeCsv({fleetLogHeading()});
    const std::string older = "unit,start,seconds,result,reason,pcba\r\n1,earlier,4.0,ok,,X\r\n";
    std::vector<std::string> row = fleetLogRow(radio);
    const std::string fullRow = writeCsv({row});
    row.resize(6);
    const std::string olderRow = writeCsv({row});
    const std::string json = fleetLogJson(radio) + "\n";
    struct Case {
        const char* name;
        std::optional<std::string> before; // nothing: no file yet
        FleetLogFormat format;
        std::optional<std::string> after; // nothing: refused, file untouched
        bool olderColumns = false;
    };
    const std::vector<Case> cases = {
        {"new CSV", std::nullopt, FleetLogFormat::Csv, heading + fullRow},
        {"empty CSV", "", FleetLogFormat::Csv, heading + fullRow},
        {"CSV log", heading + fullRow, FleetLogFormat::Csv, heading + fullRow + fullRow},
        {"older CSV log", older, FleetLogFormat::Csv, older + olderRow, true},
        {"a channel table", "CH,Frequency\r\n1,400\r\n", FleetLogFormat::Csv, std::nullopt},
        {"JSON lines", json, FleetLogFormat::JsonLines, json + json},
        {"new JSON lines", std::nullopt, FleetLogFormat::JsonLines, json},
        {"JSON into a CSV log", heading, FleetLogFormat::JsonLines, std::nullopt},
        {"CSV into JSON lines", json, FleetLogFormat::Csv, std::nullopt},
    };
    int number = 0;
    for (const Case& c : cases) {
        const fs::path path = dir / ("log" + std::to_string(++number));
        if (c.before) {
            writeBytes(path, *c.before);
        }
        FleetLog log;
        std::string error;
        const bool opened = log.open(path, c.format, Language::English, error);
        ASSERT_EQ(opened, c.after.has_value()) << c.name << ": " << error;
        if (!opened) {
            EXPECT_EQ(error.rfind("not a fleet log", 0), 0u) << c.name << ": " << error;
            EXPECT_EQ(readBytes(path), *c.before) << c.name;
            continue;
        }
        EXPECT_EQ(log.olderColumns(), c.olderColumns) << c.name;
        ASSERT_TRUE(log.append(radio, error)) << c.name << ": " << error;
        EXPECT_EQ(readBytes(path), *c.after) << c.name;
    }
    FleetLog folder;
    std::string error;
    EXPECT_FALSE(folder.open(dir.path(), FleetLogFormat::Csv, Language::English, error));
    EXPECT_FALSE(error.empty());
}

TEST(FleetPorts, AllPortsMeansTheUsbAdaptersAndSimulatedRadios) {
    std::vector<SystemSerialPort> ports(4);
    ports[0] = {"ttyUSB0", "/dev/ttyUSB0", "ch341-uart", 0x1a86, 0x7523, "", "USB Serial"};
    ports[1] = {"ttyS0", "/dev/ttyS0", "serial8250", std::nullopt, std::nullopt, "", ""};
    ports[2] = {
        "pts7", "/dev/pts/7", "", std::nullopt, std::nullopt, "", "Simulated radio (zrx-sim)"};
    ports[3] = {"ttyACM0", "/dev/ttyACM0", "cdc_acm", 0x2341, 0x0043, "Arduino", ""};
    EXPECT_EQ(fleetPortsPresent(ports),
              (std::vector<std::string>{"/dev/ttyUSB0", "/dev/pts/7", "/dev/ttyACM0"}));
    EXPECT_TRUE(fleetPortsPresent({ports[1]}).empty());
}

} // namespace
