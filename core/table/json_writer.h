#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zrx {

// `text` as a JSON string, quotes included. Text that is not UTF-8 (a file
// name of other bytes) has U+FFFD in place of each stray byte, so the
// answer is always valid JSON.
[[nodiscard]] std::string jsonQuoted(std::string_view text);

// A JSON text built value by value. Numbers are integers, or a decimal
// text given as it is ("4.3"): never binary floating point. Keys come
// before each value in an object; the caller keeps the nesting right.
class JsonWriter {
public:
    enum class Layout {
        OneLine,  // no spaces or line breaks: a line of JSON lines
        Indented, // two spaces a level, one member a line
    };
    explicit JsonWriter(Layout layout = Layout::Indented) : m_layout(layout) {}

    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name);

    JsonWriter& string(std::string_view text);
    JsonWriter& integer(std::int64_t value);
    JsonWriter& number(std::string_view decimalText);
    JsonWriter& boolean(bool value);
    JsonWriter& null();

    // A member of an object: its key and value at once.
    JsonWriter& field(std::string_view name, std::string_view text) {
        return key(name).string(text);
    }
    JsonWriter& field(std::string_view name, const char* text) { return key(name).string(text); }
    JsonWriter& field(std::string_view name, std::int64_t value) {
        return key(name).integer(value);
    }
    JsonWriter& field(std::string_view name, int value) { return key(name).integer(value); }
    JsonWriter& field(std::string_view name, bool value) { return key(name).boolean(value); }

    // The text so far; the whole document once the outermost value is closed.
    [[nodiscard]] const std::string& text() const { return m_text; }

private:
    void beforeValue();
    void newLine();
    JsonWriter& open(char bracket);
    JsonWriter& close(char bracket);

    Layout m_layout;
    std::string m_text;
    std::vector<bool> m_empty; // per open container: nothing in it yet
    bool m_afterKey = false;
};

} // namespace zrx
