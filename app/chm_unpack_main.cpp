// zrx-chm-unpack FILE.chm: writes the help file's title, first page,
// contents and files to stdout for the program's help window, which runs it
// as a separate process so that a damaged help file can never take the
// program down. Exit status 0 with the bundle, 1 for a file that cannot be
// read as a help file, 2 for a wrong command line.
#include <cstdio>
#include <iostream>

#include "chm_file.h"
#include "help_bundle.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char* argv[]) {
#ifdef _WIN32
    // The bundle is bytes: text mode would turn each "\n" in it into "\r\n".
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    if (argc != 2) {
        std::cerr << "usage: zrx-chm-unpack FILE.chm\n";
        return 2;
    }
    const std::unique_ptr<ChmFile> file = ChmFile::Open(argv[1]);
    if (!file) {
        std::cerr << "zrx-chm-unpack: " << argv[1] << ": not a readable help file\n";
        return 1;
    }
    const std::string bundle = PackHelpBundle(*file);
    if (std::fwrite(bundle.data(), 1, bundle.size(), stdout) != bundle.size() ||
        std::fflush(stdout) != 0) {
        return 1;
    }
    return 0;
}
