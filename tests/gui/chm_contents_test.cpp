#include <gtest/gtest.h>

#include <random>

#include "app/chm_contents.h"

namespace {

// "name(local)" for each entry, children in brackets: "A(a.html)[B(b.html)]".
std::string outline(const std::vector<ContentsEntry>& entries) {
    std::string text;
    for (const ContentsEntry& entry : entries) {
        if (!text.empty()) {
            text += ' ';
        }
        text += entry.name + '(' + entry.local + ')';
        if (!entry.children.empty()) {
            text += '[' + outline(entry.children) + ']';
        }
    }
    return text;
}

std::string item(const std::string& name, const std::string& local) {
    return R"(<li><object type="text/sitemap"><param name="Name" value=")" + name +
           R"("><param name="Local" value=")" + local + R"("></object>)";
}

std::size_t depth(const std::vector<ContentsEntry>& entries) {
    std::size_t deepest = 0;
    for (const ContentsEntry& entry : entries) {
        deepest = std::max(deepest, depth(entry.children));
    }
    return entries.empty() ? 0 : deepest + 1;
}

struct ContentsCase {
    const char* what;
    std::string html;
    std::string expected;
};

} // namespace

TEST(ChmContents, ReadsTheTreeAContentsFileDescribes) {
    const std::vector<ContentsCase> cases = {
        {"nested lists, as help compilers write them",
         "<html><body><object type=\"text/site properties\"><param name=\"Window Styles\" "
         "value=\"0x800025\"></object><ul>" +
             item("Start", "index.html") + "<ul>" + item("Part", "index.html#part") + "</ul>" +
             item("Next", "next.html") + "</ul></body></html>",
         "Start(index.html)[Part(index.html#part)] Next(next.html)"},
        {"upper-case tags, attributes in any order and quoting",
         "<UL><LI><OBJECT TYPE='text/sitemap'><PARAM VALUE='b.html' NAME='Local'>"
         "<PARAM NAME=Name VALUE=Plain></OBJECT></UL>",
         "Plain(b.html)"},
        {"entities, named and numeric, in names",
         "<ul>" + item("Read &amp; write &lt;1&gt; &#x5E2E;&#21161; &bogus; &", "a.html") + "</ul>",
         "Read & write <1> 帮助 &bogus; &(a.html)"},
        {"a heading without a page, and the first of several topics",
         "<ul><li><object type=\"text/sitemap\"><param name=\"Name\" value=\"Heading\">"
         "</object><ul><li><object type=\"text/sitemap\"><param name=\"Name\" value=\"One\">"
         "<param name=\"Local\" value=\"1.html\"><param name=\"Name\" value=\"Two\">"
         "<param name=\"Local\" value=\"2.html\"></object></ul></ul>",
         "Heading()[One(1.html)]"},
        {"comments and other objects are not entries",
         "<ul><!-- " + item("Hidden", "h.html") +
             " --><li><object type=\"application/x-oleobject\"><param name=\"Name\" "
             "value=\"No\"></object>" +
             item("Shown", "s.html") + "</ul>",
         "Shown(s.html)"},
        {"lists closed too often or never",
         "</ul></ul><ul>" + item("A", "a.html") + "<ul>" + item("B", "b.html") + "</ul></ul></ul>" +
             item("C", "c.html") + "<ul><ul>" + item("D", "d.html"),
         "A(a.html)[B(b.html)] C(c.html)[D(d.html)]"},
        {"a list before any entry opens no level",
         "<ul><ul>" + item("A", "a.html") + "</ul>" + item("B", "b.html") + "</ul>",
         "A(a.html) B(b.html)"},
        {"a file cut off inside a tag", "<ul>" + item("A", "a.html") + "<li><object type=\"text/si",
         "A(a.html)"},
        {"no contents at all", "just text, no tags", ""},
    };
    for (const ContentsCase& c : cases) {
        EXPECT_EQ(outline(ParseContents(c.html)), c.expected) << c.what;
    }
}

TEST(ChmContents, DeepOrRandomInputNeverFails) {
    std::string deep;
    for (int level = 0; level < 200; ++level) {
        deep += item("L" + std::to_string(level), "l.html") + "<ul>";
    }
    const std::vector<ContentsEntry> entries = ParseContents(deep);
    EXPECT_EQ(depth(entries), kMaxContentsDepth);

    // Fragments of a real contents file shuffled into random order and cut
    // anywhere: whatever comes out, nothing fails.
    const std::vector<std::string> pieces = {"<ul>",
                                             "</ul>",
                                             "<li>",
                                             item("X", "x.html"),
                                             "<object type=\"text/sitemap\">",
                                             "</object>",
                                             "<param name=\"Name\" value=\"",
                                             "\">",
                                             "&#",
                                             "<!--",
                                             "-->",
                                             "'",
                                             "\""};
    std::mt19937 random(20240611);
    for (int round = 0; round < 500; ++round) {
        std::string html;
        const std::size_t count = random() % 60;
        for (std::size_t i = 0; i < count; ++i) {
            html += pieces[random() % pieces.size()];
        }
        html.resize(random() % (html.size() + 1));
        const std::vector<ContentsEntry> parsed = ParseContents(html);
        EXPECT_LE(depth(parsed), kMaxContentsDepth);
    }
}
