#pragma once

#include <string>
#include <vector>

#include "image/language.h"
#include "serial_port_inventory.h"

namespace zrx {

// The serial ports as `zrx ports` lists them, one line each: the device,
// what it is, and whether this user may open it ("no serial ports found"
// when there are none). A diagnostic report gives the same lines.
[[nodiscard]] std::vector<std::string> serialPortReport(const std::vector<SystemSerialPort>& ports,
                                                        Language language);

} // namespace zrx
