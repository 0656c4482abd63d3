#pragma once

#include <string>
#include <vector>

#include "image/language.h"
#include "link/simulator_link.h"
#include "serial_port_inventory.h"

namespace zrx {

// The serial ports as `zrx ports` lists them, one line each: the device,
// what it is, and whether this user may open it ("no serial ports found"
// when there are none). A diagnostic report gives the same lines.
[[nodiscard]] std::vector<std::string> serialPortReport(const std::vector<SystemSerialPort>& ports,
                                                        Language language);

// Every line `zrx ports` prints: the serial ports as above ("no serial ports
// found" only when there is nothing at all to open), then each simulated
// radio running, "<link>  Simulated radio (zrx-sim) -> <device>".
[[nodiscard]] std::vector<std::string> portListing(const std::vector<SystemSerialPort>& ports,
                                                   const std::vector<SimulatedRadio>& simulators,
                                                   Language language);

} // namespace zrx
