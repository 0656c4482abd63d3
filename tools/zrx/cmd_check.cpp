#include <CLI/CLI.hpp>

#include <algorithm>
#include <iostream>

#include "checks/finding_texts.h"
#include "checks/plan_checks.h"
#include "command_failed.h"
#include "commands.h"
#include "image/text_fill.h"
#include "input_files.h"
#include "json_output.h"
#include "language_option.h"

namespace zrx::cli {
namespace {

constexpr LocalText kNoFindings{"no findings", "未发现问题", "未發現問題"};
constexpr LocalText kStrict{"%1 finding(s) (--strict)", "发现 %1 个问题（--strict）",
                            "發現 %1 個問題（--strict）"};

// The stable English name of what a check found.
std::string_view kindKey(checks::FindingKind kind) {
    switch (kind) {
    case checks::FindingKind::OutsideRadioBand:
        return "outside_radio_band";
    case checks::FindingKind::TxOutsideRange:
        return "tx_outside_range";
    case checks::FindingKind::Duplicate:
        return "duplicate";
    case checks::FindingKind::Pmr446Wide:
        return "pmr446_wide";
    case checks::FindingKind::Pmr446Split:
        return "pmr446_split";
    case checks::FindingKind::Pmr446HighPower:
        return "pmr446_high_power";
    case checks::FindingKind::GapInScan:
        return "gap_in_scan";
    }
    return "unknown";
}

std::string findingsDocument(const std::filesystem::path& path,
                             const std::vector<checks::Finding>& findings, bool ok,
                             Language language) {
    JsonWriter json;
    json.beginObject().field("ok", ok);
    json.field("file", displayName(path));
    const auto errors = std::count_if(findings.begin(), findings.end(), [](const auto& finding) {
        return finding.severity == checks::Severity::Error;
    });
    json.field("errors", static_cast<std::int64_t>(errors));
    json.field("warnings", static_cast<std::int64_t>(findings.size()) - errors);
    json.key("findings").beginArray();
    for (const checks::Finding& finding : findings) {
        json.beginObject();
        json.field("severity", finding.severity == checks::Severity::Error ? "error" : "warning");
        json.field("kind", kindKey(finding.kind));
        json.key("channels").beginArray();
        for (const int channel : finding.channels) {
            json.integer(channel);
        }
        json.endArray();
        if (finding.kind == checks::FindingKind::OutsideRadioBand ||
            finding.kind == checks::FindingKind::TxOutsideRange) {
            json.field("field",
                       finding.column == ChannelColumn::RxFrequency ? "rx_freq" : "tx_freq");
            writeFrequency(json, "frequency", finding.frequency);
        }
        json.field("reason", checks::reasonText(finding, language));
        json.endObject();
    }
    return json.endArray().endObject().text();
}

void check(const std::filesystem::path& path, bool strict, bool json, Language language) {
    const RadioImage image = loadImageOrFail(path);
    const std::vector<checks::Finding> findings =
        checks::checkPlan(image, editing::imageBand(image));
    const bool failing = strict && !findings.empty();
    if (json) {
        std::string document = findingsDocument(path, findings, !failing, language);
        if (failing) {
            CommandFailed failed(fillText(kStrict.in(language), {std::to_string(findings.size())}));
            failed.jsonDocument = std::move(document);
            throw failed;
        }
        std::cout << document << '\n' << std::flush;
        if (!std::cout) {
            throw CommandFailed("could not write to the standard output");
        }
        return;
    }
    for (const checks::Finding& finding : findings) {
        std::cout << checks::findingLine(finding, language) << '\n';
    }
    if (findings.empty()) {
        std::cout << kNoFindings.in(language) << '\n';
    }
    std::cout.flush();
    if (!std::cout) {
        throw CommandFailed("could not write to the standard output");
    }
    if (strict && !findings.empty()) {
        throw CommandFailed(fillText(kStrict.in(language), {std::to_string(findings.size())}));
    }
}

} // namespace

void addCheckCommand(CLI::App& app) {
    auto* command = app.add_subcommand(
        "check", "Print what the checks before a write find in FILE.sin, one line each: errors "
                 "(a frequency outside the radio's 400-470 MHz band) and warnings (duplicate "
                 "channels, Tx outside the Frequency Range, PMR446 channels that are Wide, split "
                 "or at High power, empty channels between used ones while scanning is on)");
    auto file = std::make_shared<std::string>();
    auto strict = std::make_shared<bool>(false);
    auto json = std::make_shared<bool>(false);
    command->add_option("FILE", *file, "Channel data file (.sin)")->required();
    command->add_flag("--strict", *strict, "End with exit status 1 when there is any finding");
    command->add_flag("--json", *json, "Print one JSON document instead (see README)");
    const auto language = addLanguageOption(*command);
    command->callback(
        [file, strict, json, language] { check(argumentPath(*file), *strict, *json, language()); });
}

} // namespace zrx::cli
