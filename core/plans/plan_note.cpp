#include "plan_note.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "image/utf8.h"
#include "small_text_file.h"

namespace zrx::plans {
namespace {

// A note is a sentence or two; a larger file is not one.
constexpr std::size_t kLargestNoteFile = 64 * 1024;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kFullWidthColon = "\xEF\xBC\x9A"; // "："
constexpr std::array<std::string_view, kLanguageCount> kTags{"eng", "chs", "cht"};

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

// The language a line is tagged with, and the line's text after the tag.
std::optional<std::size_t> takeTag(std::string_view& line) {
    for (std::size_t language = 0; language < kTags.size(); ++language) {
        if (!startsWithIgnoringCase(line, kTags[language])) {
            continue;
        }
        std::string_view rest = trimmed(line.substr(kTags[language].size()));
        for (const std::string_view colon : {std::string_view(":"), kFullWidthColon}) {
            if (rest.substr(0, colon.size()) == colon) {
                line = trimmed(rest.substr(colon.size()));
                return language;
            }
        }
    }
    return std::nullopt;
}

void append(std::string& note, std::string_view line) {
    if (!note.empty()) {
        note.push_back(' ');
    }
    note.append(line);
}

} // namespace

PlanNote readPlanNote(std::string_view text) {
    PlanNote note;
    if (!utf8::isValid(text)) {
        return note;
    }
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    std::array<std::string, kLanguageCount> tagged;
    std::string untagged;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(std::min(text.find_first_not_of("\r\n", end), text.size()));
        if (line.empty()) {
            continue;
        }
        if (const auto language = takeTag(line)) {
            append(tagged.at(*language), line);
        } else {
            append(untagged, line);
        }
    }
    const std::string& english = tagged[static_cast<std::size_t>(Language::English)];
    for (std::size_t language = 0; language < tagged.size(); ++language) {
        note.texts.at(language) = !tagged[language].empty() ? tagged[language]
                                  : !untagged.empty()       ? untagged
                                                            : english;
    }
    return note;
}

std::filesystem::path noteFileOf(const std::filesystem::path& planFile) {
    std::filesystem::path note = planFile;
    note.replace_extension(".txt");
    return note;
}

PlanNote loadPlanNote(const std::filesystem::path& planFile) {
    const TextFileRead read = readSmallTextFile(noteFileOf(planFile), kLargestNoteFile);
    return read.problem == TextFileProblem::None ? readPlanNote(read.text) : PlanNote{};
}

} // namespace zrx::plans
