#pragma once

#include <QString>

// The serial port name as Program.ini or the Port menu gave it ("COM1"),
// passed unchanged to the port open.
inline QString g_portName;
