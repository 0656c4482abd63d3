#include "profile_text.h"

#include <vector>

namespace zrx {
namespace {

struct Line {
    std::size_t begin = 0; // offset of the first character
    std::size_t end = 0;   // offset past the last character, before the line break
    std::size_t next = 0;  // offset of the next line
};

std::vector<Line> splitLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        Line line;
        line.begin = pos;
        std::size_t stop = text.find('\n', pos);
        if (stop == std::string_view::npos) {
            line.end = text.size();
            line.next = text.size();
        } else {
            line.end = (stop > pos && text[stop - 1] == '\r') ? stop - 1 : stop;
            line.next = stop + 1;
        }
        lines.push_back(line);
        pos = line.next;
    }
    return lines;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (isBlank(text.back()) || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

// The name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trim(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    line.remove_prefix(1);
    const std::size_t close = line.find(']');
    if (close != std::string_view::npos) {
        line = line.substr(0, close);
    }
    return trim(line);
}

bool isComment(std::string_view line) {
    line = trim(line);
    return !line.empty() && line.front() == ';';
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

// A line inside a section: "key=value", or a bare "key" without a value.
std::optional<KeyLine> keyLine(std::string_view line) {
    if (trim(line).empty() || isComment(line)) {
        return std::nullopt;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return KeyLine{trim(line), {}};
    }
    return KeyLine{trim(line.substr(0, equals)), trim(line.substr(equals + 1))};
}

std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

struct SectionSpan {
    std::size_t headerLine = 0;
    std::size_t endLine = 0; // index of the next section's header, or the line count
};

std::optional<SectionSpan> findSection(std::string_view text, const std::vector<Line>& lines,
                                       std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto name = sectionName(text.substr(lines[i].begin, lines[i].end - lines[i].begin));
        if (!name || !equalsNoCase(*name, trim(section))) {
            continue;
        }
        SectionSpan span{i, lines.size()};
        for (std::size_t j = i + 1; j < lines.size(); ++j) {
            if (sectionName(text.substr(lines[j].begin, lines[j].end - lines[j].begin))) {
                span.endLine = j;
                break;
            }
        }
        return span;
    }
    return std::nullopt;
}

std::optional<std::size_t> findKeyLine(std::string_view text, const std::vector<Line>& lines,
                                       const SectionSpan& span, std::string_view key) {
    for (std::size_t i = span.headerLine + 1; i < span.endLine; ++i) {
        auto entry = keyLine(text.substr(lines[i].begin, lines[i].end - lines[i].begin));
        if (entry && equalsNoCase(entry->key, trim(key))) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace

bool isSingleLine(std::string_view text) {
    return text.find_first_of("\r\n") == text.npos;
}

std::optional<std::string> findProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key) {
    const std::vector<Line> lines = splitLines(text);
    const auto span = findSection(text, lines, section);
    if (!span) {
        return std::nullopt;
    }
    const auto index = findKeyLine(text, lines, *span, key);
    if (!index) {
        return std::nullopt;
    }
    const Line& line = lines[*index];
    const auto entry = keyLine(text.substr(line.begin, line.end - line.begin));
    return std::string(unquote(entry->value));
}

std::string withProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value, std::string_view newline) {
    const std::vector<Line> lines = splitLines(text);
    const std::string keyText = std::string(trim(key)) + "=" + std::string(value);
    std::string out;
    out.reserve(text.size() + keyText.size() + section.size() + 8);

    const auto span = findSection(text, lines, section);
    if (!span) {
        out.append(text);
        if (!out.empty() && out.back() != '\n') {
            out.append(newline);
        }
        if (!lines.empty() &&
            !trim(text.substr(lines.back().begin, lines.back().end - lines.back().begin)).empty()) {
            out.append(newline);
        }
        out.append("[").append(trim(section)).append("]").append(newline);
        out.append(keyText).append(newline);
        return out;
    }

    const auto index = findKeyLine(text, lines, *span, key);
    if (index) {
        const Line& line = lines[*index];
        out.append(text.substr(0, line.begin));
        out.append(keyText);
        out.append(text.substr(line.end));
        return out;
    }

    // A new key goes after the section's last non-empty line, so blank lines
    // that separate it from the next section stay where they are.
    std::size_t last = span->headerLine;
    for (std::size_t i = span->headerLine + 1; i < span->endLine; ++i) {
        if (!trim(text.substr(lines[i].begin, lines[i].end - lines[i].begin)).empty()) {
            last = i;
        }
    }
    const Line& after = lines[last];
    out.append(text.substr(0, after.end));
    if (after.next == after.end) { // the last line of a file without a final line break
        out.append(newline);
        out.append(keyText);
        return out;
    }
    out.append(text.substr(after.end, after.next - after.end));
    out.append(keyText).append(newline);
    out.append(text.substr(after.next));
    return out;
}

} // namespace zrx
