// zrx-sim makes itself findable: a link in the user's runtime folder while
// it runs, which `zrx ports` (and the Port menu) list.

#include <gtest/gtest.h>

#include <optional>

#include "core/environment_override.h"
#include "core/radio_simulator.h"
#include "link/simulator_link.h"
#include "zrx_run_fixture.h"

namespace fs = std::filesystem;

namespace {

class SimulatorLink : public ZrxRun {
protected:
    SimulatorLink() {
        fs::create_directory(runtime);
        fs::permissions(runtime, fs::perms::owner_all, fs::perm_options::replace);
    }

    // link name -> device, as listed now.
    std::vector<std::pair<std::string, std::string>> listed() const {
        std::vector<std::pair<std::string, std::string>> names;
        for (const zrx::SimulatedRadio& radio : zrx::listSimulatedRadios(runtime)) {
            names.emplace_back(radio.link.filename().string(), radio.device.string());
        }
        return names;
    }

    const fs::path runtime = dir / "runtime";
    const EnvironmentOverride m_runtime{"XDG_RUNTIME_DIR", runtime.string()};
};

// Links that are left behind (a device gone, or a simulator killed) are
// not listed and their names are taken again; a stopped simulator takes
// its link away.
TEST_F(SimulatorLink, ListedWhileRunningAndGoneWhenStopped) {
    ASSERT_EQ(zrx::simulatorFolder(), runtime);
    fs::create_symlink("/dev/pts/no-such-terminal", runtime / "zrx-sim");
    // A real terminal device, but no simulator holds the lock.
    fs::create_symlink("/dev/null", runtime / "zrx-sim-3");

    RadioSimulator first({});
    std::optional<RadioSimulator> second(std::in_place, std::vector<std::string>{});
    ASSERT_EQ(listed(), (std::vector<std::pair<std::string, std::string>>{
                            {"zrx-sim", first.device()}, {"zrx-sim-2", second->device()}}));

    ASSERT_EQ(zrx({"ports"}), 0) << errors;
    EXPECT_NE(output.find((runtime / "zrx-sim").string() + "  Simulated radio (zrx-sim) -> " +
                          first.device() + "\n"),
              std::string::npos)
        << output;
    EXPECT_EQ(output.find("zrx-sim-3"), std::string::npos) << output;
    ASSERT_EQ(zrx({"ports", "--json"}), 0) << errors;
    EXPECT_NE(output.find("\"link\": \"" + (runtime / "zrx-sim-2").string() +
                          "\",\n      \"device\": \"" + second->device() + "\""),
              std::string::npos)
        << output;
    ASSERT_EQ(zrx({"ports", "--lang", "chs"}), 0) << errors;
    EXPECT_NE(output.find("  模拟电台 (zrx-sim-2) -> " + second->device()), std::string::npos);

    first.stop();
    EXPECT_FALSE(fs::exists(fs::symlink_status(runtime / "zrx-sim")));
    second.reset(); // killed: its link stays, unlisted
    EXPECT_TRUE(fs::is_symlink(runtime / "zrx-sim-2"));
    EXPECT_TRUE(listed().empty());

    RadioSimulator third({});
    EXPECT_EQ(listed(),
              (std::vector<std::pair<std::string, std::string>>{{"zrx-sim", third.device()}}));
}

// Only a folder that is the user's alone holds links: another user could
// plant one in a folder open to all.
TEST_F(SimulatorLink, RuntimeFolderMustBePrivate) {
    fs::permissions(runtime, fs::perms::others_write, fs::perm_options::add);
    const auto lookup = [this](std::string_view name) -> std::optional<std::string> {
        if (name == "XDG_RUNTIME_DIR") {
            return runtime.string();
        }
        if (name == "TMPDIR") {
            return dir.path().string();
        }
        return std::nullopt;
    };
    const fs::path fallback = dir / ("zrx-" + std::to_string(::getuid()));
    EXPECT_EQ(zrx::simulatorFolder(false, lookup), std::nullopt);
    EXPECT_EQ(zrx::simulatorFolder(true, lookup), fallback);
    EXPECT_EQ(fs::status(fallback).permissions() & fs::perms::all, fs::perms::owner_all);
}

} // namespace
