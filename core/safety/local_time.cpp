#include "local_time.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

namespace zrx {

#ifdef _WIN32
namespace {

// Windows' strftime writes the zone's name for %z ("W. Europe Standard
// Time"), where ISO 8601 and every other system write the offset, "+0200".
// The offset is the local wall time read as UTC, less the real time.
std::string withNumericZone(const char* format, const std::tm& local, std::time_t seconds) {
    std::tm wall = local;
    const long long offset = static_cast<long long>(_mkgmtime(&wall)) - seconds;
    const long long minutes = (offset < 0 ? -offset : offset) / 60;
    char zone[8];
    std::snprintf(zone, sizeof zone, "%c%02lld%02lld", offset < 0 ? '-' : '+', minutes / 60,
                  minutes % 60);
    std::string result = format;
    for (std::size_t at = result.find("%z"); at != std::string::npos;
         at = result.find("%z", at + 5)) {
        result.replace(at, 2, zone);
    }
    return result;
}

} // namespace
#endif

std::string formatLocalTime(std::chrono::system_clock::time_point when, const char* format) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
    const std::string windowsFormat = withNumericZone(format, local, seconds);
    format = windowsFormat.c_str();
#else
    localtime_r(&seconds, &local);
#endif
    char text[64];
    const std::size_t length = std::strftime(text, sizeof text, format, &local);
    return std::string(text, length);
}

} // namespace zrx
