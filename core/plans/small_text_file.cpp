#include "small_text_file.h"

#include <fstream>

namespace zrx::plans {

namespace fs = std::filesystem;

TextFileRead readSmallTextFile(const fs::path& path, std::size_t limit) {
    TextFileRead read;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (!fs::exists(status)) {
        read.problem = TextFileProblem::Missing;
        return read;
    }
    if (!fs::is_regular_file(status)) {
        read.problem = TextFileProblem::NotAFile;
        return read;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        read.problem = TextFileProblem::Unreadable;
        return read;
    }
    // At most one byte past the limit: a huge file is never read whole, and
    // one that grew since its size was looked at is still caught.
    read.text.resize(limit + 1);
    in.read(read.text.data(), static_cast<std::streamsize>(read.text.size()));
    read.text.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
        read = {{}, TextFileProblem::Unreadable};
    } else if (read.text.size() > limit) {
        read = {{}, TextFileProblem::TooLarge};
    }
    return read;
}

std::string utf8Path(const fs::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

} // namespace zrx::plans
