#include "chm_file.h"

#include <chm_lib.h>

#include <cstring>
#include <system_error>

namespace {

// The #SYSTEM record: a 32-bit version, then entries of a 16-bit code, a
// 16-bit length and that many bytes, little-endian.
enum SystemCode : std::uint16_t {
    kContentsFile = 0,
    kIndexFile = 1,
    kDefaultTopic = 2,
    kTitle = 3,
    kLanguage = 4,
};

std::uint16_t word(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      static_cast<unsigned char>(bytes[at + 1]) << 8);
}

std::uint32_t dword(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(word(bytes, at)) |
           static_cast<std::uint32_t>(word(bytes, at + 2)) << 16;
}

// An entry's text ends at its first NUL, or at its end.
std::string entryText(const std::string& bytes, std::size_t at, std::size_t length) {
    std::string text = bytes.substr(at, length);
    text.resize(std::strlen(text.c_str()));
    return text;
}

bool looksLikeArchive(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return false;
    }
    // The fixed header alone is 0x60 bytes.
    const auto size = std::filesystem::file_size(path, ec);
    return !ec && size >= 0x60;
}

} // namespace

std::unique_ptr<ChmFile> ChmFile::Open(const std::filesystem::path& path) {
    if (!looksLikeArchive(path)) {
        return nullptr;
    }
    chmFile* handle = chm_open(path.string().c_str());
    if (handle == nullptr) {
        return nullptr;
    }
    std::unique_ptr<ChmFile> file(new ChmFile(handle));
    // A file whose description, first page or any other file cannot be read
    // is refused as a whole, rather than shown with pages missing.
    if (!file->ReadFacts() || !file->Read(file->DefaultTopicPath()) || !file->AllFilesReadable()) {
        return nullptr;
    }
    return file;
}

ChmFile::~ChmFile() {
    chm_close(m_handle);
}

std::optional<std::string> ChmFile::Read(std::string_view objectPath) const {
    if (objectPath.empty() || objectPath.size() > CHM_MAX_PATHLEN ||
        objectPath.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    const std::string name(objectPath);
    chmUnitInfo unit{};
    if (chm_resolve_object(m_handle, name.c_str(), &unit) != CHM_RESOLVE_SUCCESS) {
        return std::nullopt;
    }
    if (unit.length > kMaxObjectSize) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(unit.length), '\0');
    if (unit.length == 0) {
        return bytes;
    }
    const LONGINT64 got =
        chm_retrieve_object(m_handle, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                            static_cast<LONGINT64>(unit.length));
    if (got != static_cast<LONGINT64>(unit.length)) {
        return std::nullopt;
    }
    return bytes;
}

namespace {

struct Listing {
    std::vector<std::string> paths;
    bool tooMany = false;
};

int listFile(chmFile* /*handle*/, chmUnitInfo* unit, void* context) {
    auto* listing = static_cast<Listing*>(context);
    if (listing->paths.size() >= ChmFile::kMaxFiles) {
        listing->tooMany = true;
        return CHM_ENUMERATOR_SUCCESS;
    }
    // chmlib gives the path NUL-terminated within its fixed buffer.
    listing->paths.emplace_back(unit->path, strnlen(unit->path, CHM_MAX_PATHLEN));
    return CHM_ENUMERATOR_CONTINUE;
}

} // namespace

std::vector<std::string> ChmFile::FilePaths() const {
    Listing listing;
    chm_enumerate(m_handle, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, listFile, &listing);
    return std::move(listing.paths);
}

bool ChmFile::AllFilesReadable() const {
    Listing listing;
    if (chm_enumerate(m_handle, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, listFile, &listing) ==
            0 ||
        listing.tooMany) {
        return false;
    }
    std::uint64_t total = 0;
    for (const std::string& path : listing.paths) {
        const std::optional<std::string> bytes = Read(path);
        if (!bytes) {
            return false;
        }
        total += bytes->size();
        if (total > kMaxTotalSize) {
            return false;
        }
    }
    return true;
}

bool ChmFile::ReadFacts() {
    const std::optional<std::string> system = Read("/#SYSTEM");
    if (!system || system->size() < 4) {
        return false;
    }
    const std::string& bytes = *system;
    std::size_t at = 4; // after the version
    while (at + 4 <= bytes.size()) {
        const std::uint16_t code = word(bytes, at);
        const std::size_t length = word(bytes, at + 2);
        at += 4;
        if (length > bytes.size() - at) {
            return false; // an entry running past the record: damaged
        }
        switch (code) {
        case kContentsFile:
            m_facts.contentsFile = entryText(bytes, at, length);
            break;
        case kIndexFile:
            m_facts.indexFile = entryText(bytes, at, length);
            break;
        case kDefaultTopic:
            m_facts.defaultTopic = entryText(bytes, at, length);
            break;
        case kTitle:
            m_facts.title = entryText(bytes, at, length);
            break;
        case kLanguage:
            if (length >= 4) {
                m_facts.lcid = dword(bytes, at);
            }
            break;
        default:
            break;
        }
        at += length;
    }
    return true;
}

std::string ChmFile::DefaultTopicPath() const {
    const std::string topic = m_facts.defaultTopic.empty() ? "index.html" : m_facts.defaultTopic;
    const std::string path = topic.substr(0, topic.find('#'));
    return path.starts_with('/') ? path : '/' + path;
}
