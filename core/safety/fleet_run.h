#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "image/language.h"
#include "image/radio_image.h"
#include "link/serial_port.h"
#include "link/transfer_observer.h"

namespace zrx {

// How one radio of a fleet run went.
struct FleetRadio {
    int unit = 0; // 1 for the first radio of the run
    std::chrono::system_clock::time_point started;
    double seconds = 0;
    bool ok = false;
    std::string reason;   // why it failed, in the user's language
    std::string pcbaCode; // as read back from the radio; empty when nothing was read
};

// Whoever stands at the bench: says when the next radio is on the cable,
// shows the transfers, and hears how each radio went.
class FleetStation {
public:
    virtual ~FleetStation() = default;
    // Waits until radio `unit` is connected; false ends the run.
    virtual bool nextRadio(int unit) = 0;
    virtual TransferObserver& transferObserver() = 0;
    virtual void radioDone(const FleetRadio& radio) = 0;
};

struct FleetPlan {
    RadioImage templateImage;
    std::string portName;
    Language language = Language::English;
    std::optional<int> count; // stop after this many radios
};

struct FleetSummary {
    int programmed = 0;
    int failed = 0;
};

// Programs one radio after another with the template, each by a verified
// write, until the station says stop or `count` radios are done. A radio
// that fails is reported and the run goes on with the next.
FleetSummary runFleet(const FleetPlan& plan, SerialPort& port, FleetStation& station);

} // namespace zrx
