#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "fleet_plan.h"
#include "image/language.h"
#include "serial_port_inventory.h"

namespace zrx {

// The ports a fleet runs on when told to take every port present: the USB
// serial adapters (programming cables are USB), and radios zrx-sim
// simulates when the list names one; built-in serial ports are left out.
// In the list's order, by device.
[[nodiscard]] std::vector<std::string>
fleetPortsPresent(const std::vector<SystemSerialPort>& ports);

// A port's state as its line or row shows it: "writing".
[[nodiscard]] std::string_view fleetPortStateText(FleetPortState state, Language language);

} // namespace zrx
