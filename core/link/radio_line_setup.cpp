#include "radio_line_setup.h"

#include "protocol_frames.h"

namespace zrx {

bool setUpRadioLine(SerialPort& port) {
    return port.setQueueSizes(protocol::kInputQueueSize, protocol::kOutputQueueSize) &&
           port.setTimeouts(protocol::kTimeouts) && port.configureLine(protocol::kBaudRate);
}

} // namespace zrx
