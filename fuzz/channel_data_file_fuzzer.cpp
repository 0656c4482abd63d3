// Any file as a channel data file, through the file system: loading it
// gives what the same bytes give in memory, a failed load leaves the image
// alone, and saving what was loaded writes the same 1024 bytes back.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "fuzz_check.h"
#include "image/channel_data_file.h"
#include "image/new_image.h"

using namespace zrx;

namespace {

// A file of this process's own in the temporary folder (TMPDIR).
std::filesystem::path scratchFile(const char* suffix) {
    return std::filesystem::temp_directory_path() /
           ("zrx-fuzz-" + std::to_string(::getpid()) + suffix);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path in = scratchFile(".in.sin");
    static const std::filesystem::path out = scratchFile(".out.sin");
    if (std::FILE* file = std::fopen(in.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    } else {
        return 0;
    }
    RadioImage fromFile = makeNewImage();
    RadioImage fromMemory = makeNewImage();
    const FileResult loaded = loadChannelDataFile(in, fromFile);
    const FileResult taken =
        imageFromFileBytes(std::span<const std::uint8_t>(data, size), fromMemory);
    ZRX_FUZZ_CHECK(loaded.error == taken.error);
    ZRX_FUZZ_CHECK(fromFile == fromMemory);
    if (!loaded) {
        ZRX_FUZZ_CHECK(fromFile == makeNewImage());
        return 0;
    }
    ZRX_FUZZ_CHECK(saveChannelDataFile(out, fromFile).ok());
    RadioImage again;
    ZRX_FUZZ_CHECK(loadChannelDataFile(out, again).ok());
    ZRX_FUZZ_CHECK(again == fromFile);
    return 0;
}
