#include "serial_port.h"

#include <chrono>
#include <thread>

namespace zrx {

void SerialPort::pause(unsigned milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace zrx
