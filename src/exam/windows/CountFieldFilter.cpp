#include "exam/windows/CountFieldFilter.h"

namespace velkora {

namespace {

QChar asciiDigit(QChar c) {
    if (c >= QChar(0xFF10) && c <= QChar(0xFF19)) // ０ .. ９
        return QChar(u'0' + (c.unicode() - 0xFF10));
    return c;
}

bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

QValidator::State CountFieldFilter::validate(QString &input, int &position) const {
    QString digits;
    int cursor = 0;
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar c = asciiDigit(input.at(i));
        if (!isAsciiDigit(c))
            continue;
        digits.append(c);
        if (i < position)
            cursor = int(digits.size());
    }
    // An edit that would pass four digits is refused whole, as a full field
    // refuses one more key.
    if (digits.size() > maximumDigits)
        return Invalid;
    input = digits;
    position = cursor;
    // An empty field is allowed while editing; saving reports it.
    return digits.isEmpty() ? Intermediate : Acceptable;
}

} // namespace velkora
