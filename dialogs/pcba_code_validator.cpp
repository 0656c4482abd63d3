#include "pcba_code_validator.h"

#include <algorithm>

#include "editing/code_characters.h"

QValidator::State PcbaCodeValidator::validate(QString& input, int& position) const {
    // A paste or a drop puts one run of text between what was there before
    // it and what was after it: the part where the text differs.
    const qsizetype shorter = std::min(input.size(), m_accepted.size());
    qsizetype head = 0;
    while (head < shorter && input[head] == m_accepted[head]) {
        ++head;
    }
    qsizetype tail = 0;
    while (tail < shorter - head &&
           input[input.size() - 1 - tail] == m_accepted[m_accepted.size() - 1 - tail]) {
        ++tail;
    }
    const qsizetype insertedLength = input.size() - head - tail;
    const QString kept = QString::fromStdString(
        zrx::editing::pcbaCodeCharacters(input.mid(head, insertedLength).toStdString()));
    if (kept.size() != insertedLength) {
        input.replace(head, insertedLength, kept);
        if (position >= head + insertedLength) {
            position -= static_cast<int>(insertedLength - kept.size());
        } else if (position > head) {
            position = static_cast<int>(std::min<qsizetype>(position, head + kept.size()));
        }
    }
    const State state = UpperCaseValidator::validate(input, position);
    m_accepted = input;
    return state;
}
