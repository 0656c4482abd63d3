#pragma once

#include "serial_port.h"

namespace zrx {

// Sets an open port up the way the radio needs it: the driver's queues, the
// time-outs, then speed and format, in that order, stopping at the first
// one the driver refuses. A port that could not be set up is no better than
// one that did not open: with unknown time-outs a read could wait for ever,
// and with unknown line settings the radio's bytes could arrive changed.
[[nodiscard]] bool setUpRadioLine(SerialPort& port);

} // namespace zrx
