#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

class ChmFile;

// Everything of a help file the help window shows, taken out of the .chm by
// the separate zrx-chm-unpack process. The .chm format has a long history of
// files that make readers fail in every way, so the program itself never
// parses one: a damaged file can at worst end the helper, never the program.
struct HelpBundle {
    std::string title;        // in the code page of the file's language
    std::string defaultTopic; // object path of the first page: "/index.html"
    std::string contentsFile; // object path of the contents file, or empty
    std::uint32_t lcid = 0;   // Windows language id of the file
    std::map<std::string, std::string, std::less<>> files; // object path -> bytes

    [[nodiscard]] const std::string* Find(std::string_view objectPath) const {
        const auto it = files.find(objectPath);
        return it == files.end() ? nullptr : &it->second;
    }
};

// The helper's output for an opened help file.
[[nodiscard]] std::string PackHelpBundle(const ChmFile& file);

// The bundle the helper wrote; nullopt when the bytes are not a whole bundle.
[[nodiscard]] std::optional<HelpBundle> UnpackHelpBundle(std::string_view bytes);
