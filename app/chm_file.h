#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct chmFile;

// A compiled HTML help file (.chm), read through chmlib.
//
// A help file is a small archive of pages, pictures, a contents file (.hhc)
// and a #SYSTEM record naming the title, the first page and the language. A
// file that is damaged (cut short by a failed copy, overwritten) must not
// take the program down or show half a guide, so opening reads every file
// of the archive once and refuses the archive when one cannot be read
// whole; every read is bounded.
class ChmFile {
public:
    // What the #SYSTEM record says about the file. Texts are the bytes the
    // file holds, in the code page of its language (see `lcid`).
    struct Facts {
        std::string title;
        std::string defaultTopic; // "index.html", relative to the archive's root
        std::string contentsFile; // "toc.hhc"
        std::string indexFile;    // "index.hhk"
        std::uint32_t lcid = 0;   // Windows language id: 0x409 English, 0x804, 0x404 Chinese
    };

    // The largest object read; a damaged directory can claim any length.
    static constexpr std::uint64_t kMaxObjectSize = 32u * 1024u * 1024u;
    // Limits of the check on opening: a help file is far smaller.
    static constexpr std::size_t kMaxFiles = 10000;
    static constexpr std::uint64_t kMaxTotalSize = 128u * 1024u * 1024u;

    // Opens `path`; nullptr when it is not a help file that can be read.
    [[nodiscard]] static std::unique_ptr<ChmFile> Open(const std::filesystem::path& path);

    ~ChmFile();
    ChmFile(const ChmFile&) = delete;
    ChmFile& operator=(const ChmFile&) = delete;

    // The bytes of the object at `objectPath` ("/index.html", "/images/a.png");
    // nullopt when the archive has no such object or it cannot be read whole.
    [[nodiscard]] std::optional<std::string> Read(std::string_view objectPath) const;

    // The paths of the archive's files ("/index.html", "/images/a.png"),
    // without its internal records.
    [[nodiscard]] std::vector<std::string> FilePaths() const;

    [[nodiscard]] const Facts& facts() const { return m_facts; }

    // The first page to show: the #SYSTEM record's, as an object path.
    [[nodiscard]] std::string DefaultTopicPath() const;

private:
    explicit ChmFile(chmFile* handle) : m_handle(handle) {}
    bool ReadFacts();
    [[nodiscard]] bool AllFilesReadable() const;

    chmFile* m_handle;
    Facts m_facts;
};
