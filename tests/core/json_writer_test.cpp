// Texts made safe for JSON and for a terminal, and the JSON writer's layout.

#include <gtest/gtest.h>

#include "image/utf8.h"
#include "table/json_writer.h"

using namespace zrx;

namespace {

TEST(SafeText, JsonStringsAndTerminalTextsEscapeWhatTheyMust) {
    struct Case {
        std::string text;
        std::string json;
        std::string printable;
    };
    const std::vector<Case> cases = {
        {"AB12", "\"AB12\"", "AB12"},
        {"say \"hi\" \\", "\"say \\\"hi\\\" \\\\\"", "say \"hi\" \\"},
        {"line\nbreak\x7F", "\"line\\u000Abreak\\u007F\"", "line\\x0Abreak\\x7F"},
        {"信道 1", "\"信道 1\"", "信道 1"},
        // A stray byte is no character: U+FFFD in JSON, its value on a terminal.
        {"name\xFF.sin", "\"name\xEF\xBF\xBD.sin\"", "name\\xFF.sin"},
        {"\xEF\xBF\xBD", "\"\xEF\xBF\xBD\"", "\xEF\xBF\xBD"},
        // C1 controls (U+0085 here) would upset a terminal.
        {"A\xC2\x85"
         "B",
         "\"A\xC2\x85"
         "B\"",
         "A\\u0085B"},
        {"", "\"\"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(jsonQuoted(c.text), c.json) << c.text;
        EXPECT_EQ(utf8::printable(c.text), c.printable) << c.text;
    }
}

TEST(JsonWriter, NestsObjectsAndArraysInEitherLayout) {
    const auto build = [](JsonWriter::Layout layout) {
        JsonWriter json(layout);
        json.beginObject().field("ok", true).field("count", 3).field("name", "a\"b");
        json.key("list").beginArray().integer(-1).number("4.2").null().endArray();
        json.key("empty").beginObject().endObject();
        json.key("none").beginArray().endArray();
        return json.endObject().text();
    };
    EXPECT_EQ(build(JsonWriter::Layout::OneLine),
              "{\"ok\":true,\"count\":3,\"name\":\"a\\\"b\",\"list\":[-1,4.2,null],\"empty\":{},"
              "\"none\":[]}");
    EXPECT_EQ(build(JsonWriter::Layout::Indented), "{\n"
                                                   "  \"ok\": true,\n"
                                                   "  \"count\": 3,\n"
                                                   "  \"name\": \"a\\\"b\",\n"
                                                   "  \"list\": [\n"
                                                   "    -1,\n"
                                                   "    4.2,\n"
                                                   "    null\n"
                                                   "  ],\n"
                                                   "  \"empty\": {},\n"
                                                   "  \"none\": []\n"
                                                   "}");
}

} // namespace
