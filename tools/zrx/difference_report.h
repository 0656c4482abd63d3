#pragma once

#include <string>
#include <vector>

#include "image/image_differences.h"
#include "table/json_writer.h"

namespace zrx::cli {

// One side of a comparison: the radio on a port, or a file.
struct ComparedSide {
    bool radio = false;
    std::string name; // the port, or the file as given
};

// The differences as a table on stdout: CH, field, then the two sides
// under their headings; settings and other bytes have no channel. One line
// saying so (`nothingText`) when there are none.
void printDifferences(const std::vector<ImageDifference>& differences,
                      const std::string& firstHeading, const std::string& secondHeading,
                      std::string_view nothingText, Language language);

// The members of diff's JSON document (see README): "same", "scope", "a",
// "b" and "differences".
void writeDifferenceMembers(JsonWriter& json, const std::vector<ImageDifference>& differences,
                            const ComparedSide& a, const ComparedSide& b, CompareScope scope);

} // namespace zrx::cli
