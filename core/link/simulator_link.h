#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "image/language.h"
#include "safety/backup_folder.h"

namespace zrx {

// How zrx-sim, the radio simulator, makes itself findable. While it runs it
// keeps a symbolic link in the user's runtime folder to its pseudo-terminal:
// "zrx-sim", or "zrx-sim-2" and on when several run. The link's name stays
// the same from one run to the next, so a port name kept in Program.ini
// still reaches the simulator started tomorrow. Beside each link a lock
// file, held by the simulator for as long as it runs, tells a live link
// from one left behind by a simulator that was killed: the system drops
// the lock with the process, however it ends.

// How the Port menu and `zrx ports` name a simulator: %1 is its link's name.
inline constexpr LocalText kSimulatedRadioLabel{"Simulated radio (%1)", "模拟电台 (%1)",
                                                "模擬電台 (%1)"};

// A simulator that is running now.
struct SimulatedRadio {
    std::filesystem::path link;   // the port name to open: "/run/user/1000/zrx-sim"
    std::filesystem::path device; // where the link leads: "/dev/pts/3"
};

// The folder simulators announce themselves in: $XDG_RUNTIME_DIR, else a
// folder "zrx-<user id>" in the temporary folder. Only a folder that is this
// user's alone counts (owned by the user, no access for others), so nobody
// else can plant a link there; nothing when there is none (and always on
// Windows, where there is no simulator). `create`: make the fallback folder
// when it is missing.
[[nodiscard]] std::optional<std::filesystem::path>
simulatorFolder(bool create = false, const EnvironmentLookup& environment = processEnvironment);

// The simulators running now with a link in `folder`, by name.
[[nodiscard]] std::vector<SimulatedRadio> listSimulatedRadios(const std::filesystem::path& folder);

// The simulators of simulatorFolder(); none when there is no such folder.
[[nodiscard]] std::vector<SimulatedRadio> listSimulatedRadios();

// The simulator's side: the link and its lock for as long as the object
// lives.
class SimulatorAnnouncement {
public:
    SimulatorAnnouncement() = default;
    ~SimulatorAnnouncement();
    SimulatorAnnouncement(const SimulatorAnnouncement&) = delete;
    SimulatorAnnouncement& operator=(const SimulatorAnnouncement&) = delete;

    // Links the first name in `folder` that no running simulator holds to
    // `device`, replacing a link left behind. False with the reason in
    // `error` when no link could be made.
    [[nodiscard]] bool announce(const std::filesystem::path& folder,
                                const std::filesystem::path& device, std::string& error);
    // Takes the link and its lock away; also done when the object goes.
    void withdraw();

    [[nodiscard]] const std::filesystem::path& link() const { return m_link; }

private:
    int m_lock = -1;
    std::filesystem::path m_link;
    std::filesystem::path m_lockFile;
};

} // namespace zrx
