#include "upper_case_validator.h"

QValidator::State UpperCaseValidator::validate(QString& input, int& /*position*/) const {
    for (QChar& c : input) {
        c = c.toUpper();
    }
    return Acceptable;
}
