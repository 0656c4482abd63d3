#pragma once

#include <string>
#include <string_view>
#include <vector>

// One line of a help file's table of contents: the title shown and the page
// it opens ("read-write.html#start", empty for a heading without a page).
struct ContentsEntry {
    std::string name;
    std::string local;
    std::vector<ContentsEntry> children;
};

// The table of contents of a help file's contents file (.hhc), an HTML page
// of nested lists whose items are <OBJECT type="text/sitemap"> blocks with
// "Name" and "Local" parameters. `html` is UTF-8; entities in the values are
// decoded. Anything else on the page is ignored, unbalanced lists are taken
// as well as they can be, and nesting deeper than kMaxContentsDepth is
// flattened onto the deepest level, so no input makes it fail.
[[nodiscard]] std::vector<ContentsEntry> ParseContents(std::string_view html);

inline constexpr std::size_t kMaxContentsDepth = 16;
