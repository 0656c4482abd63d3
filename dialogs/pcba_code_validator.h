#pragma once

#include "upper_case_validator.h"

// What reaches the PCBA code box without a key press (text pasted from the
// context menu, dropped on it or committed by an input method) goes through
// the rule typed keys go through: only its ASCII letters and digits get in,
// in upper case. Each character is checked whole, never cut down to a byte.
// The code the dialog shows from the radio image is not filtered, so a code
// stored by other means is shown and kept as it is.
class PcbaCodeValidator : public UpperCaseValidator {
    Q_OBJECT
public:
    using UpperCaseValidator::UpperCaseValidator;

    // `text` is about to be shown as the stored code: none of it is filtered.
    void AcceptAsShown(const QString& text) { m_accepted = text; }

    State validate(QString& input, int& position) const override;

private:
    // The box's text as last accepted: what differs from it was just put in.
    mutable QString m_accepted;
};
