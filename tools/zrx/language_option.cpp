#include "language_option.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>
#include <memory>
#include <string>

namespace zrx::cli {

std::function<Language()> addLanguageOption(CLI::App& command) {
    auto name = std::make_shared<std::string>("eng");
    command
        .add_option("--lang", *name,
                    "Language of the texts: eng (English), chs (Simplified Chinese) or cht "
                    "(Traditional Chinese)")
        ->check(CLI::IsMember({"eng", "chs", "cht"}, CLI::ignore_case))
        ->capture_default_str();
    return [name] {
        std::string lower = *name;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (lower == "chs") {
            return Language::SimplifiedChinese;
        }
        if (lower == "cht") {
            return Language::TraditionalChinese;
        }
        return Language::English;
    };
}

} // namespace zrx::cli
