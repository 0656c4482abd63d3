#pragma once

#include <string>
#include <string_view>

namespace zrx {

// The device a port name stands for on a POSIX system. "COMn" (n from 1,
// letters in any case, as Windows takes them) is the n-th serial port,
// /dev/ttyS<n-1>, the way Wine maps them; a Windows device path "\\.\COMn"
// is the same port. Any other name ("/dev/ttyUSB0", "/dev/pts/3") is a
// device path already and is returned unchanged; so is an empty name.
[[nodiscard]] std::string posixDeviceForPortName(std::string_view name);

// The name Windows opens a port by. A bare device name ("COM5", "COM12",
// "CNCA0") goes through the device namespace, "\\.\COM12": without it only
// COM1 to COM9 open, as those alone are also reserved file names. A name that
// is a path already ("\\.\COM3", "C:\\x", "/dev/ttyS0") is returned
// unchanged; so is an empty name.
[[nodiscard]] std::string win32DevicePathForPortName(std::string_view name);

// The device a port name stands for, as messages name it: the POSIX device
// on a POSIX system, the name itself on Windows.
[[nodiscard]] std::string portDevice(std::string_view name);

// The order ports are listed in: by the letters of the name, then by its
// trailing number as a number, so COM2 comes before COM10 and ttyUSB2
// before ttyUSB10. Names without a number compare as text.
[[nodiscard]] bool portNameBefore(std::string_view a, std::string_view b);

} // namespace zrx
