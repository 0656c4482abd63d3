#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "image/language.h"

namespace zrx::plans {

// A sentence or two about a plan, shown beside its name, in each language.
// A plan keeps it in a text file beside its table, of the same name with
// ".txt" for ".csv" (PMR446.txt beside PMR446.csv), so the table itself
// stays an ordinary channel table that zrx import and any spreadsheet read.
struct PlanNote {
    std::array<std::string, kLanguageCount> texts;

    [[nodiscard]] const std::string& in(Language language) const {
        return texts.at(static_cast<std::size_t>(language));
    }
    friend bool operator==(const PlanNote&, const PlanNote&) = default;
};

// The note a note file's UTF-8 text gives. A line that starts with "eng:",
// "chs:" or "cht:" (any case; the colon may be a full-width "：") is the
// note in English, Simplified or Traditional Chinese; any other line that
// is not blank is a note for every language that has none of its own. A
// language without either takes the English note. Lines for the same
// language are joined with a space. Text that is not UTF-8 gives no note.
[[nodiscard]] PlanNote readPlanNote(std::string_view text);

// The note file of the plan `planFile`.
[[nodiscard]] std::filesystem::path noteFileOf(const std::filesystem::path& planFile);

// The note kept beside `planFile`: empty when there is none, or when it
// cannot be read or is larger than a note can be.
[[nodiscard]] PlanNote loadPlanNote(const std::filesystem::path& planFile);

} // namespace zrx::plans
