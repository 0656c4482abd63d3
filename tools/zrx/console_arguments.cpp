#include "console_arguments.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// shellapi.h needs windows.h before it.
#include <shellapi.h>

#include <cstdio>
#endif

namespace zrx::cli {

#ifdef _WIN32
namespace {

std::string toUtf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return {};
    }
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), size, nullptr, nullptr);
    result.pop_back(); // the terminating zero
    return result;
}

} // namespace
#endif

ConsoleArguments::ConsoleArguments(int argc, char** argv) {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
    int count = 0;
    if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i) {
            m_arguments.push_back(toUtf8(wide[i]));
        }
        LocalFree(wide);
    }
#endif
    if (m_arguments.empty()) {
        m_arguments.assign(argv, argv + argc);
    }
    for (std::string& argument : m_arguments) {
        m_pointers.push_back(argument.data());
    }
    m_pointers.push_back(nullptr);
}

} // namespace zrx::cli
