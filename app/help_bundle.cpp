#include "help_bundle.h"

#include "chm_file.h"

namespace {

// "ZRXHELP1", then the texts, then the files; every text and file is a
// 64-bit little-endian length followed by its bytes.
constexpr std::string_view kMagic = "ZRXHELP1";

void putNumber(std::string& out, std::uint64_t value) {
    for (int i = 0; i < 8; ++i) {
        out += static_cast<char>(value >> (8 * i) & 0xFF);
    }
}

void putText(std::string& out, std::string_view text) {
    putNumber(out, text.size());
    out += text;
}

class Reader {
public:
    explicit Reader(std::string_view bytes) : m_bytes(bytes) {}

    std::optional<std::uint64_t> number() {
        if (m_bytes.size() < 8) {
            return std::nullopt;
        }
        std::uint64_t value = 0;
        for (int i = 7; i >= 0; --i) {
            value = value << 8 | static_cast<unsigned char>(m_bytes[static_cast<std::size_t>(i)]);
        }
        m_bytes.remove_prefix(8);
        return value;
    }

    std::optional<std::string> text() {
        const std::optional<std::uint64_t> length = number();
        if (!length || *length > m_bytes.size()) {
            return std::nullopt;
        }
        std::string value(m_bytes.substr(0, static_cast<std::size_t>(*length)));
        m_bytes.remove_prefix(static_cast<std::size_t>(*length));
        return value;
    }

    [[nodiscard]] bool atEnd() const { return m_bytes.empty(); }

private:
    std::string_view m_bytes;
};

std::string objectPath(const std::string& name) {
    return name.empty() || name.starts_with('/') ? name : '/' + name;
}

} // namespace

std::string PackHelpBundle(const ChmFile& file) {
    std::string out(kMagic);
    putText(out, file.facts().title);
    putText(out, file.DefaultTopicPath());
    putText(out, objectPath(file.facts().contentsFile));
    putNumber(out, file.facts().lcid);
    for (const std::string& path : file.FilePaths()) {
        if (const std::optional<std::string> bytes = file.Read(path)) {
            putText(out, path);
            putText(out, *bytes);
        }
    }
    return out;
}

std::optional<HelpBundle> UnpackHelpBundle(std::string_view bytes) {
    if (!bytes.starts_with(kMagic)) {
        return std::nullopt;
    }
    Reader reader(bytes.substr(kMagic.size()));
    HelpBundle bundle;
    auto title = reader.text();
    auto defaultTopic = reader.text();
    auto contents = reader.text();
    const auto lcid = reader.number();
    if (!title || !defaultTopic || !contents || !lcid) {
        return std::nullopt;
    }
    bundle.title = std::move(*title);
    bundle.defaultTopic = std::move(*defaultTopic);
    bundle.contentsFile = std::move(*contents);
    bundle.lcid = static_cast<std::uint32_t>(*lcid);
    while (!reader.atEnd()) {
        auto path = reader.text();
        auto content = reader.text();
        if (!path || !content) {
            return std::nullopt;
        }
        bundle.files.emplace(std::move(*path), std::move(*content));
    }
    if (bundle.Find(bundle.defaultTopic) == nullptr) {
        return std::nullopt;
    }
    return bundle;
}
