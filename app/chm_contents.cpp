#include "chm_contents.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

void appendUtf8(std::string& out, std::uint32_t code) {
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        code = 0xFFFD;
    }
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The character an entity between '&' and ';' stands for, if it is one.
std::optional<std::uint32_t> entityCode(std::string_view entity) {
    if (entity.starts_with('#')) {
        const bool hex = entity.size() > 1 && (entity[1] == 'x' || entity[1] == 'X');
        const std::string_view digits = entity.substr(hex ? 2 : 1);
        std::uint32_t code = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
        if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
            return std::nullopt;
        }
        return code;
    }
    struct Named {
        std::string_view name;
        std::uint32_t code;
    };
    static constexpr Named kNamed[] = {{"amp", '&'},  {"lt", '<'},    {"gt", '>'},
                                       {"quot", '"'}, {"apos", '\''}, {"nbsp", 0xA0}};
    for (const Named& named : kNamed) {
        if (entity == named.name) {
            return named.code;
        }
    }
    return std::nullopt;
}

std::string decodeEntities(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            const std::size_t end = text.find(';', i + 1);
            if (end != std::string_view::npos && end - i <= 10) {
                if (const auto code = entityCode(text.substr(i + 1, end - i - 1))) {
                    appendUtf8(out, *code);
                    i = end;
                    continue;
                }
            }
        }
        out += text[i];
    }
    return out;
}

// One tag: its lower-case name ("ul", "/ul", "param") and its attributes.
struct Tag {
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes;

    [[nodiscard]] std::string attribute(std::string_view key) const {
        for (const auto& [attributeName, value] : attributes) {
            if (equalsIgnoringCase(attributeName, key)) {
                return value;
            }
        }
        return {};
    }
};

bool isSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// `text` is what stands between '<' and '>'.
Tag parseTag(std::string_view text) {
    Tag tag;
    std::size_t i = 0;
    if (!text.empty() && text[0] == '/') {
        tag.name.push_back('/');
        ++i;
    }
    while (i < text.size() && !isSpace(text[i]) && text[i] != '/') {
        tag.name += static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
        ++i;
    }
    while (i < text.size()) {
        while (i < text.size() && (isSpace(text[i]) || text[i] == '/')) {
            ++i;
        }
        std::string key;
        while (i < text.size() && !isSpace(text[i]) && text[i] != '=' && text[i] != '/') {
            key += text[i++];
        }
        while (i < text.size() && isSpace(text[i])) {
            ++i;
        }
        std::string value;
        if (i < text.size() && text[i] == '=') {
            ++i;
            while (i < text.size() && isSpace(text[i])) {
                ++i;
            }
            if (i < text.size() && (text[i] == '"' || text[i] == '\'')) {
                const char quote = text[i++];
                const std::size_t end = std::min(text.find(quote, i), text.size());
                value = text.substr(i, end - i);
                i = end + 1;
            } else {
                while (i < text.size() && !isSpace(text[i])) {
                    value += text[i++];
                }
            }
        }
        if (!key.empty()) {
            tag.attributes.emplace_back(std::move(key), decodeEntities(value));
        }
    }
    return tag;
}

// The end of the tag that starts at `open` (its '>'), past quoted values.
std::size_t tagEnd(std::string_view html, std::size_t open) {
    char quote = 0;
    for (std::size_t i = open + 1; i < html.size(); ++i) {
        if (quote != 0) {
            quote = html[i] == quote ? 0 : quote;
        } else if (html[i] == '"' || html[i] == '\'') {
            quote = html[i];
        } else if (html[i] == '>') {
            return i;
        }
    }
    return std::string_view::npos;
}

} // namespace

std::vector<ContentsEntry> ParseContents(std::string_view html) {
    std::vector<ContentsEntry> root;
    // The lists open at this point, innermost last. Only the innermost one
    // grows, so the pointers below it stay valid.
    std::vector<std::vector<ContentsEntry>*> levels{&root};
    std::optional<ContentsEntry> item;

    std::size_t at = 0;
    while ((at = html.find('<', at)) != std::string_view::npos) {
        if (html.substr(at, 4) == "<!--") {
            const std::size_t end = html.find("-->", at + 4);
            at = end == std::string_view::npos ? html.size() : end + 3;
            continue;
        }
        const std::size_t end = tagEnd(html, at);
        if (end == std::string_view::npos) {
            break;
        }
        const Tag tag = parseTag(html.substr(at + 1, end - at - 1));
        at = end + 1;
        std::vector<ContentsEntry>& level = *levels.back();
        if (tag.name == "ul") {
            // A nested list belongs to the item before it.
            const bool nests = !level.empty() && levels.size() < kMaxContentsDepth;
            levels.push_back(nests ? &level.back().children : &level);
        } else if (tag.name == "/ul") {
            if (levels.size() > 1) {
                levels.pop_back();
            }
        } else if (tag.name == "object") {
            item.reset();
            if (equalsIgnoringCase(tag.attribute("type"), "text/sitemap")) {
                item.emplace();
            }
        } else if (tag.name == "param" && item) {
            // An entry may name several topics; the first one is the entry's.
            const std::string key = tag.attribute("name");
            if (equalsIgnoringCase(key, "Name") && item->name.empty()) {
                item->name = tag.attribute("value");
            } else if (equalsIgnoringCase(key, "Local") && item->local.empty()) {
                item->local = tag.attribute("value");
            }
        } else if (tag.name == "/object" && item) {
            level.push_back(std::move(*item));
            item.reset();
        }
    }
    return root;
}
