#pragma once

#include <string>
#include <vector>

namespace zrx::cli {

// The command line as UTF-8, and standard output and error that pass bytes
// through unchanged.
//
// On Windows a program's narrow argv is in the ANSI code page, so a file
// named in Chinese arrives as question marks; the arguments are taken from
// the wide command line instead. Standard output and error start in text
// mode there, which would turn the "\r\n" of an exported table into
// "\r\r\n"; they are switched to binary, and the console is told the text is
// UTF-8. Elsewhere the arguments are used as they are.
class ConsoleArguments {
public:
    ConsoleArguments(int argc, char** argv);

    [[nodiscard]] int argc() const { return static_cast<int>(m_arguments.size()); }
    [[nodiscard]] char** argv() { return m_pointers.data(); }

private:
    std::vector<std::string> m_arguments;
    std::vector<char*> m_pointers;
};

} // namespace zrx::cli
