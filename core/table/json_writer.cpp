#include "json_writer.h"

#include <cstdio>

#include "image/utf8.h"

namespace zrx {

std::string jsonQuoted(std::string_view text) {
    std::string out = "\"";
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        const char32_t c = utf8::next(text, pos);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
            out += escaped;
        } else if (c == utf8::kReplacement) {
            utf8::append(out, c);
        } else {
            out.append(text.substr(start, pos - start));
        }
    }
    return out + '"';
}

void JsonWriter::newLine() {
    if (m_layout == Layout::Indented) {
        m_text += '\n';
        m_text.append(2 * m_empty.size(), ' ');
    }
}

void JsonWriter::beforeValue() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_empty.empty()) {
        return;
    }
    if (!m_empty.back()) {
        m_text += ',';
    }
    m_empty.back() = false;
    newLine();
}

JsonWriter& JsonWriter::open(char bracket) {
    beforeValue();
    m_text += bracket;
    m_empty.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::close(char bracket) {
    const bool empty = m_empty.back();
    m_empty.pop_back();
    if (!empty) {
        newLine();
    }
    m_text += bracket;
    return *this;
}

JsonWriter& JsonWriter::beginObject() {
    return open('{');
}
JsonWriter& JsonWriter::endObject() {
    return close('}');
}
JsonWriter& JsonWriter::beginArray() {
    return open('[');
}
JsonWriter& JsonWriter::endArray() {
    return close(']');
}

JsonWriter& JsonWriter::key(std::string_view name) {
    beforeValue();
    m_text += jsonQuoted(name);
    m_text += m_layout == Layout::Indented ? ": " : ":";
    m_afterKey = true;
    return *this;
}

JsonWriter& JsonWriter::string(std::string_view text) {
    beforeValue();
    m_text += jsonQuoted(text);
    return *this;
}

JsonWriter& JsonWriter::integer(std::int64_t value) {
    beforeValue();
    m_text += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::number(std::string_view decimalText) {
    beforeValue();
    m_text += decimalText;
    return *this;
}

JsonWriter& JsonWriter::boolean(bool value) {
    beforeValue();
    m_text += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::null() {
    beforeValue();
    m_text += "null";
    return *this;
}

} // namespace zrx
