#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "image/language.h"
#include "image/radio_image.h"

// The words of a fleet run: what it is asked to do, where each port
// stands, and how each radio went.
namespace zrx {

class TraceSink;

// Where one port of a fleet run stands.
enum class FleetPortState {
    Waiting,     // no radio on the cable yet: asking again and again who is there
    Unavailable, // the port does not open (adapter unplugged, in use, no permission)
    Held,        // a radio is there, but the radios in progress may make up the count
    BackingUp,   // reading the radio's memory to keep it before the write
    Writing,
    Verifying, // reading the radio back to compare it with the template
    TakeAway,  // this radio is done: waiting for it to leave the cable
    Finished,  // the port's loop has ended
};

struct FleetPortStatus {
    std::string port;
    FleetPortState state = FleetPortState::Waiting;
    // In the user's language, may be empty: why the port does not open, or
    // what answers instead of a radio.
    std::string detail;
    // Blocks moved for the radio in progress, of all its transfers together
    // (backup, write, read-back); 0 of 0 between radios.
    int progress = 0;
    int progressTotal = 0;
    int unit = 0;       // the radio in progress, or the last one, on this port
    int programmed = 0; // radios verified on this port
    int failed = 0;     // radios that failed on this port
};

// What reading a radio back after its write showed.
enum class FleetVerify {
    Verified,       // it holds every byte written
    Mismatch,       // it holds other bytes than were written
    ReadBackFailed, // written, but reading it back did not get through
    NotWritten,     // the write did not get through (or never started): nothing to compare
};

// One radio of a run: a row of the log.
struct FleetRadio {
    int unit = 0; // numbered over all ports in the order the radios started, from 1
    std::string port;
    std::chrono::system_clock::time_point started;
    std::chrono::system_clock::time_point ended;
    double seconds = 0;
    bool ok = false; // written and verified
    FleetVerify verify = FleetVerify::NotWritten;
    std::string reason;                       // why it failed, in the user's language
    std::string pcbaCode;                     // as read back; empty when nothing was read
    std::vector<std::uint8_t> identification; // what the radio said about itself
    std::filesystem::path backup;             // its memory kept before the write, or empty
};

struct FleetPlan {
    RadioImage templateImage;
    std::vector<std::string> ports; // port names as a transfer opens them
    Language language = Language::English;
    std::optional<int> count; // stop after this many programmed radios, over all ports
    bool backup = false;      // read each radio first and keep its memory as a backup
    // Every read of a radio (its backup, its read-back) made twice and
    // compared, a third time when they differ (see readAndVerify).
    bool readTwice = false;
    // Where every port's exchanges are traced, each line naming its port;
    // none when null. It must outlive the run.
    TraceSink* trace = nullptr;
    // A radio has left the cable once this many looks in a row found none.
    int goneAfterLooks = 2;
    // The least time between two looks at a port (each look is a handshake,
    // the same as a transfer's first step, and never touches the memory).
    std::chrono::milliseconds lookInterval{500};
};

// What a run tells whoever shows it. The calls come from the ports'
// threads, one at a time (the run holds one lock around each), so an
// implementation needs no lock against the run itself, only against its own
// readers. They should return soon, as the port waits for them: a window
// passes them on to its own thread without waiting there (a blocking call
// would deadlock with a window that waits for the run to end). They may
// call FleetRun::stop(), never FleetRun::wait(). The observer must outlive
// the run.
class FleetObserver {
public:
    virtual ~FleetObserver() = default;
    // Port `index` of the plan has a new state or has moved on.
    virtual void portChanged(std::size_t index, const FleetPortStatus& status) = 0;
    // A radio has ended; its port looks for the next only after this returns,
    // so a log row written here is on disk before that port goes on.
    virtual void radioDone(const FleetRadio& radio) = 0;
};

} // namespace zrx
