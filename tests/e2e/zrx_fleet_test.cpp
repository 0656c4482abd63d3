// zrx fleet as a dealer runs it: one cable per simulated radio, each radio a
// zrx-sim on its own pseudo-terminal, through the real serial code.

#include <gtest/gtest.h>

#include <csignal>
#include <map>
#include <set>
#include <sstream>

#include "core/await_condition.h"
#include "core/child_process.h"
#include "core/environment_override.h"
#include "core/file_bytes.h"
#include "core/radio_simulator.h"
#include "core/random_image.h"
#include "editing/channel_operations.h"
#include "image/channel_data_file.h"
#include "image/image_layout.h"
#include "image/settings_codes.h"
#include "safety/fleet_log.h"
#include "table/csv_reader.h"
#include "zrx_run_fixture.h"

using namespace zrx;
namespace fs = std::filesystem;

namespace {

// Noise in every byte but the channels, which are empty: a template the
// checks before a write have nothing to say about.
RadioImage fleetTemplate() {
    RadioImage image = randomImage(41);
    for (int channel = 1; channel <= 16; ++channel) {
        editing::clearChannel(image, channel);
    }
    encodePcbaCode(image, "FLEET7");
    return image;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class ZrxFleet : public ZrxRun {
protected:
    // Radio N starts with its own memory (oldN.sin) and saves it to
    // radioN.sin after each write.
    RadioSimulator& addRadio(std::vector<std::string> arguments, std::string log = {}) {
        const std::string n = std::to_string(m_radios.size() + 1);
        arguments.insert(
            arguments.end(),
            {"--memory",
             save("old" + n + ".sin", randomImage(50u + static_cast<unsigned>(m_radios.size()))),
             "--save", (dir / ("radio" + n + ".sin")).string()});
        m_radios.push_back(std::make_unique<RadioSimulator>(arguments, log));
        return *m_radios.back();
    }
    bool holdsTemplate(int radio) const {
        RadioImage image;
        if (!loadChannelDataFile(dir / ("radio" + std::to_string(radio) + ".sin"), image)) {
            return false;
        }
        for (std::size_t a = 0; a < layout::kRadioWriteLength; ++a) {
            if (image.byte(a) != fleetTemplate().byte(a)) {
                return false;
            }
        }
        return true;
    }

    std::string templ = save("template.sin", fleetTemplate());
    fs::path dataHome = dir / "data";
    // Backups go to this test's own folder, never the real home.
    EnvironmentOverride data{"XDG_DATA_HOME", dataHome.string()};

private:
    std::vector<std::unique_ptr<RadioSimulator>> m_radios;
};

TEST_F(ZrxFleet, ProgramsARadioOnEveryPortAndLogsEach) {
    std::vector<std::string> devices;
    for (int i = 0; i < 3; ++i) {
        devices.push_back(addRadio({}).device());
    }
    const std::string log = (dir / "fleet.csv").string();
    ASSERT_EQ(zrx({"fleet", templ, "--port", devices[0], "--port", devices[1], "--port", devices[2],
                   "--count", "3", "--backup", "--log", log}),
              0)
        << errors;

    const std::vector<std::string> out = linesOf(output);
    ASSERT_EQ(out.size(), 4u) << output;
    EXPECT_EQ(out.back(), "3 radios: 3 ok, 0 failed");
    for (const std::string& device : devices) {
        // Not a terminal: a plain line for each change of a port's state.
        EXPECT_TRUE(contains(errors, device + ": writing - radio ")) << errors;
        EXPECT_TRUE(contains(errors, device + ": done: take the radio off\n")) << errors;
    }

    const CsvReadResult table = readCsv(readBytes(log));
    ASSERT_FALSE(table.error);
    ASSERT_EQ(table.records.size(), 4u);
    const std::vector<std::string> heading = table.records[0].cells;
    EXPECT_EQ(heading, fleetLogHeading());
    std::map<std::string, std::string> backupOf;
    std::set<std::string> units; // numbered as they start; rows come as they end
    for (std::size_t r = 1; r < table.records.size(); ++r) {
        std::map<std::string, std::string> field;
        ASSERT_EQ(table.records[r].cells.size(), heading.size());
        for (std::size_t c = 0; c < heading.size(); ++c) {
            field[heading[c]] = table.records[r].cells[c];
        }
        units.insert(field["unit"]);
        EXPECT_EQ(field["result"], "ok");
        EXPECT_EQ(field["verify"], "verified");
        EXPECT_EQ(field["reason"], "");
        EXPECT_EQ(field["pcba"], "FLEET7");
        EXPECT_EQ(field["identification"], "5A 52 58 34 31 32 00 01");
        EXPECT_EQ(field["start"].size(), std::string("2024-05-01T14:03:22+0200").size());
        EXPECT_LE(field["start"], field["end"]);
        EXPECT_GT(std::stod(field["seconds"]), 0.0);
        backupOf[field["port"]] = field["backup"];
    }
    EXPECT_EQ(units, (std::set<std::string>{"1", "2", "3"}));
    for (std::size_t i = 0; i < devices.size(); ++i) {
        const int radio = static_cast<int>(i) + 1;
        EXPECT_TRUE(holdsTemplate(radio)) << radio;
        // The backup holds what that radio held before.
        ASSERT_TRUE(backupOf.count(devices[i])) << devices[i];
        EXPECT_EQ(readBytes(backupOf[devices[i]]),
                  readBytes(dir / ("old" + std::to_string(radio) + ".sin")));
    }
}

TEST_F(ZrxFleet, GoesOnPastASilentPortAndAFailingRadio) {
    const std::string good = addRadio({}).device();
    const std::string silent = addRadio({"--silent"}).device();
    const std::string stuck = addRadio({"--stuck-cell", "0x2A0"}).device();
    const std::string absent = (dir / "unplugged").string();
    const fs::path log = dir / "fleet.jsonl";
    ChildProcess fleet("zrx", {"fleet", templ, "--port", good, "--port", silent, "--port", stuck,
                               "--port", absent, "--json", "--log", log.string()});
    ASSERT_TRUE(awaitCondition([&] { return linesOf(readBytes(log)).size() == 2; }));
    // SIGTERM, as a service manager stops it: the same clean stop as Ctrl+C.
    EXPECT_EQ(fleet.stop(), 1);

    std::map<std::string, std::string> entryOf;
    for (const std::string& line : linesOf(readBytes(log))) {
        for (const std::string& port : {good, stuck}) {
            if (contains(line, "\"port\":\"" + port + "\"")) {
                entryOf[port] = line;
            }
        }
    }
    EXPECT_TRUE(contains(entryOf[good], "\"result\":\"ok\",\"reason\":\"\",\"pcba\":\"FLEET7\""))
        << entryOf[good];
    EXPECT_TRUE(contains(entryOf[good], "\"verify\":\"verified\"")) << entryOf[good];
    EXPECT_TRUE(contains(entryOf[stuck],
                         "\"result\":\"failed\",\"reason\":\"verification failed at 0x2A0: "))
        << entryOf[stuck];
    EXPECT_TRUE(contains(entryOf[stuck], "\"verify\":\"mismatch\"")) << entryOf[stuck];
    EXPECT_TRUE(holdsTemplate(1));
    // With --json stdout is one document, the totals with the radios.
    EXPECT_TRUE(contains(fleet.standardOutput(), "\"programmed\": 1,\n  \"failed\": 1,\n"))
        << fleet.standardOutput();
    EXPECT_EQ(linesOf(fleet.standardOutput()).back(), "}");
    const std::string& shown = fleet.standardError();
    EXPECT_TRUE(contains(shown, "2 radios: 1 ok, 1 failed\n")) << shown;
    // Silence is an empty cable, said once; a port that does not open says why.
    const auto waiting = shown.find(silent + ": waiting for a radio\n");
    EXPECT_NE(waiting, std::string::npos) << shown;
    EXPECT_EQ(shown.find(silent + ": waiting", waiting + 1), std::string::npos) << shown;
    EXPECT_TRUE(contains(shown, absent + ": port not available - no such device: " + absent + "\n"))
        << shown;
    EXPECT_TRUE(contains(shown, absent + ": finished\n")) << shown;
    EXPECT_FALSE(contains(shown, silent + ": writing")) << shown;
    EXPECT_TRUE(contains(shown, "zrx: 1 of 2 radios failed\n")) << shown;
}

TEST_F(ZrxFleet, CtrlCLetsTheWriteInProgressFinishAndStartsNoOtherRadio) {
    // A line at its real speed, so the write takes seconds; once done, the
    // bench has the next radio ready at once.
    const std::string simLog = (dir / "radio1.log").string();
    RadioSimulator& radio = addRadio({"--baud", "9600", "--swap-radios", "1"}, simLog);
    const std::string waiting = addRadio({"--silent"}).device();
    const fs::path log = dir / "fleet.csv";
    ChildProcess fleet("zrx", {"fleet", templ, "--port", radio.device(), "--port", waiting, "--log",
                               log.string()});
    // Well into the write: past the handshakes and 20 blocks.
    ASSERT_TRUE(awaitCondition([&] { return radio.traffic().received.size() > 300; }));
    ASSERT_EQ(readCsv(readBytes(log)).records.size(), 1u) << "only the heading so far";
    fleet.signal(SIGINT);
    ASSERT_EQ(fleet.wait(), 0) << fleet.standardError();

    const CsvReadResult table = readCsv(readBytes(log));
    ASSERT_EQ(table.records.size(), 2u) << readBytes(log);
    const std::vector<std::string>& row = table.records[1].cells;
    EXPECT_EQ(row[3], "ok");
    EXPECT_EQ(row[8], "verified");
    EXPECT_TRUE(holdsTemplate(1));
    const std::vector<std::string> out = linesOf(fleet.standardOutput());
    ASSERT_EQ(out.size(), 2u) << fleet.standardOutput();
    EXPECT_EQ(out[0].rfind("radio 1 (" + radio.device() + "): ok (", 0), 0u) << out[0];
    EXPECT_EQ(out[1], "1 radios: 1 ok, 0 failed");
    EXPECT_TRUE(
        contains(fleet.standardError(), "stopping: no new radios; 1 in progress will finish\n"))
        << fleet.standardError();
}

TEST_F(ZrxFleet, RefusesWhatItCannotDoBeforeOpeningAnyPort) {
    const std::string port = (dir / "cable").string();
    const std::string sin = readBytes(templ);
    struct Case {
        std::vector<std::string> arguments;
        std::string message; // part of stderr
    };
    const std::vector<Case> cases = {
        {{"fleet", templ}, "zrx: --port or --all-ports is required (see zrx --help)\n"},
        {{"fleet", templ, "--port", port, "--port", port},
         "zrx: the port " + port + " is named twice\n"},
        {{"fleet", templ, "--port", port, "--all-ports"}, "zrx: --port excludes --all-ports"},
        {{"fleet", templ, "--port", port, "--count", "0"}, "zrx: --count: "},
        {{"fleet", templ, "--port", port, "--log", templ},
         "zrx: " + templ +
             ": not a fleet log (its first line is neither a fleet log's heading nor JSON); "
             "name a new file or an earlier fleet log\n"},
        {{"fleet", templ, "--port", port, "--log", templ, "--lang", "chs"},
         "zrx: " + templ + ": 不是批量写频日志"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(zrx(c.arguments), 1) << c.message;
        EXPECT_EQ(errors.find(c.message), 0u) << "got: " << errors << "wanted: " << c.message;
        EXPECT_EQ(output, "");
    }
    EXPECT_EQ(readBytes(templ), sin) << "a wrong --log never writes into the file";
}

} // namespace
