#include "port_name.h"

#include <cctype>
#include <cstdint>

namespace zrx {

namespace {

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (std::toupper(c) != static_cast<unsigned char>(prefix[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string posixDeviceForPortName(std::string_view name) {
    std::string_view port = name;
    if (port.substr(0, 4) == "\\\\.\\") {
        port.remove_prefix(4);
    }
    if (!startsWithIgnoringCase(port, "COM")) {
        return std::string(name);
    }
    const std::string_view digits = port.substr(3);
    if (digits.empty() || digits.size() > 3 || digits.front() == '0') {
        return std::string(name);
    }
    unsigned number = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::string(name);
        }
        number = number * 10 + static_cast<unsigned>(c - '0');
    }
    return "/dev/ttyS" + std::to_string(number - 1);
}

std::string win32DevicePathForPortName(std::string_view name) {
    if (name.empty() || name.find_first_of("\\/:") != std::string_view::npos) {
        return std::string(name);
    }
    std::string path = R"(\\.\)";
    path += name;
    return path;
}

std::string portDevice(std::string_view name) {
#ifdef _WIN32
    return std::string(name);
#else
    return posixDeviceForPortName(name);
#endif
}

} // namespace zrx
