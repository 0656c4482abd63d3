#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace zrx {

// Where the settings file is read and written.
//
// Program.ini lives in the program folder. Where that folder takes new files
// (a build's output folder, a copy unpacked anywhere by the user), the file
// there is read and written, and nothing else is looked at.
//
// Where it does not (the program installed into a system folder), the file
// there is only ever read, and changes go to a per-user copy in the user's
// configuration folder: the first change writes the program folder's file
// with that change made as the copy, so every other line comes along, and
// from then on the copy is read first. A key the copy lacks is still read
// from the program folder, so a copy edited by hand cannot take away the
// language the program needs to start.
class PerUserSettings {
public:
    // `perUserFile` empty: there is no configuration folder, and a change in
    // a folder that takes no files cannot be kept.
    PerUserSettings(std::filesystem::path programFile, std::filesystem::path perUserFile,
                    bool programFolderWritable);

    // The value, cut to bufferUnits - 1 UTF-16 units; empty when no file
    // that is looked at has the key.
    [[nodiscard]] std::string read(std::string_view section, std::string_view key,
                                   std::size_t bufferUnits = 256) const;

    // Sets one key in the file that takes changes; false when nothing was written.
    bool write(std::string_view section, std::string_view key, std::string_view value) const;

    // The file that takes changes: the program folder's or the per-user
    // copy; empty when there is none.
    [[nodiscard]] std::filesystem::path writtenFile() const;

private:
    std::filesystem::path m_programFile;
    std::filesystem::path m_perUserFile;
    bool m_programFolderWritable = true;
};

// True when the running user may create files in `folder`.
[[nodiscard]] bool isWritableFolder(const std::filesystem::path& folder);

} // namespace zrx
