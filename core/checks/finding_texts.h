#pragma once

#include <string>

#include "image/language.h"
#include "plan_checks.h"

// How a finding of the checks reads, in each of the three languages.
namespace zrx::checks {

// "error", "warning".
[[nodiscard]] std::string severityText(Severity severity, Language language);

// The channels a finding is about: "CH 3", "CH 3, 9, 12" or "CH 1-16".
[[nodiscard]] std::string channelsText(const Finding& finding, Language language);

// Why it is a finding, in one line without the channels, e.g.
// "Rx Freq 480.00000 MHz is outside the radio's 400-470 MHz band: the radio
// cannot use it".
[[nodiscard]] std::string reasonText(const Finding& finding, Language language);

// All three in one line: "error: CH 3: Rx Freq 480.00000 MHz is outside ...".
[[nodiscard]] std::string findingLine(const Finding& finding, Language language);

} // namespace zrx::checks
