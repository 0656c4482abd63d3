#include "port_name.h"

#include <cctype>
#include <cstdint>
#include <utility>

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

namespace {

// A name cut before its trailing digits: "ttyUSB" and "10".
std::pair<std::string_view, std::string_view> splitTrailingNumber(std::string_view name) {
    std::size_t digits = name.size();
    while (digits > 0 && name[digits - 1] >= '0' && name[digits - 1] <= '9') {
        --digits;
    }
    return {name.substr(0, digits), name.substr(digits)};
}

} // namespace

bool portNameBefore(std::string_view a, std::string_view b) {
    const auto [aStem, aNumber] = splitTrailingNumber(a);
    const auto [bStem, bNumber] = splitTrailingNumber(b);
    if (aStem != bStem) {
        return aStem < bStem;
    }
    // Numbers of any length, without converting them: leading zeros aside,
    // the shorter number is the smaller.
    const auto significant = [](std::string_view number) {
        const std::size_t first = number.find_first_not_of('0');
        return first == std::string_view::npos ? std::string_view{} : number.substr(first);
    };
    const std::string_view aValue = significant(aNumber);
    const std::string_view bValue = significant(bNumber);
    if (aValue.size() != bValue.size()) {
        return aValue.size() < bValue.size();
    }
    if (aValue != bValue) {
        return aValue < bValue;
    }
    return aNumber < bNumber;
}

} // namespace zrx
