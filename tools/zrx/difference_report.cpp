#include "difference_report.h"

#include <iostream>

#include "command_failed.h"
#include "image/channel_headings.h"
#include "json_output.h"
#include "text_table.h"

namespace zrx::cli {

namespace {

std::string_view kindTag(DifferenceKind kind) {
    switch (kind) {
    case DifferenceKind::ChannelField:
        return "channel-field";
    case DifferenceKind::Setting:
        return "setting";
    case DifferenceKind::OtherBytes:
        break;
    }
    return "other-bytes";
}

void writeSide(JsonWriter& json, std::string_view key, const ComparedSide& side) {
    json.key(key).beginObject();
    json.field("source", side.radio ? "radio" : "file");
    json.field(side.radio ? "port" : "path", side.name);
    json.endObject();
}

void writeFrequencyCount(JsonWriter& json, std::string_view key,
                         const std::optional<FrequencyCount>& count) {
    json.key(key);
    count ? json.integer(*count) : json.null();
}

} // namespace

void printDifferences(const std::vector<ImageDifference>& differences,
                      const std::string& firstHeading, const std::string& secondHeading,
                      std::string_view nothingText, Language language) {
    std::ostream& out = std::cout;
    if (differences.empty()) {
        out << nothingText << '\n';
    } else {
        std::vector<std::vector<std::string>> rows{{std::string(kChannelHeadings[0].in(language)),
                                                    std::string(kFieldHeadingText.in(language)),
                                                    firstHeading, secondHeading}};
        for (const ImageDifference& d : differences) {
            rows.push_back({d.channel > 0 ? std::to_string(d.channel) : std::string(), d.label,
                            d.first, d.second});
        }
        printTable(out, rows);
    }
    out.flush();
    if (!out) {
        throw CommandFailed("could not write to the standard output");
    }
}

void writeDifferenceMembers(JsonWriter& json, const std::vector<ImageDifference>& differences,
                            const ComparedSide& a, const ComparedSide& b, CompareScope scope) {
    json.field("same", differences.empty());
    json.field("scope", scope == CompareScope::WrittenBytes ? "written-bytes" : "whole-image");
    writeSide(json, "a", a);
    writeSide(json, "b", b);
    json.key("differences").beginArray();
    for (const ImageDifference& d : differences) {
        json.beginObject();
        json.field("kind", kindTag(d.kind));
        json.key("channel");
        d.channel > 0 ? json.integer(d.channel) : json.null();
        json.field("field", d.key);
        json.field("label", d.label);
        json.field("a", d.first);
        json.field("b", d.second);
        if (d.key == "rx_freq" || d.key == "tx_freq") {
            writeFrequencyCount(json, "a_10hz", d.firstFrequency);
            writeFrequencyCount(json, "b_10hz", d.secondFrequency);
        }
        json.field("first_address", static_cast<std::int64_t>(d.firstAddress));
        json.field("last_address", static_cast<std::int64_t>(d.lastAddress));
        json.endObject();
    }
    json.endArray();
}

} // namespace zrx::cli
