#pragma once

#include <QValidator>

// Forces upper case on everything that reaches an edit box, typed, pasted or
// committed by an input method, one character for one so that the length
// limit still holds.
class UpperCaseValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override;
};
