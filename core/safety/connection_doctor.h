#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "image/language.h"
#include "line_probe.h"
#include "link/serial_port.h"

namespace zrx {

// The checks of the connection doctor, in the order they are made; each
// needs the ones before it to pass.
enum class DoctorCheck {
    PortExists,
    SerialDevice,
    MayOpen,  // this user's permissions
    NotInUse, // no other program holds the port
    Radio,    // what answers the handshake
};

struct DoctorFinding {
    DoctorCheck check = DoctorCheck::PortExists;
    bool passed = false;
    std::string detail; // in the user's language
};

struct DoctorReport {
    std::vector<DoctorFinding> findings;
    bool radioAnswered = false;
    bool portOpened = false;
    LineProbe probe; // who answered, once the port opened
};

// The findings a port that would not open leaves: every check before the
// one that failed passed, that one failed with `detail`.
[[nodiscard]] std::vector<DoctorFinding> findingsForOpenError(PortOpenError error,
                                                              std::string detail);

// The last finding, for what answered the handshake.
[[nodiscard]] DoctorFinding radioFinding(const LineProbe& probe, Language language);

// Looks at the port named `portName` the way the transfers open it, then
// asks who is there (see probeLine). Stops at the first check that fails. A
// regular file or a folder given as the port is never opened, let alone
// written; the radio's memory is never read or written.
[[nodiscard]] DoctorReport runDoctor(SerialPort& port, std::string_view portName,
                                     Language language);

// The label of a check as its line starts: "Port exists".
[[nodiscard]] std::string_view doctorCheckLabel(DoctorCheck check, Language language);

} // namespace zrx
