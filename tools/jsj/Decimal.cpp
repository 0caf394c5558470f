#include "Decimal.h"

#include <algorithm>

namespace jsj {

namespace {

using Coefficient = __int128;

Coefficient powerOfTen(int n) {
    Coefficient value = 1;
    for (int i = 0; i < n; ++i)
        value *= 10;
    return value;
}

Coefficient absolute(Coefficient value) {
    return value < 0 ? -value : value;
}

int digitCount(Coefficient value) {
    value = absolute(value);
    int count = 1;
    while (value >= 10) {
        value /= 10;
        ++count;
    }
    return count;
}

QString digitsOf(Coefficient value) {
    value = absolute(value);
    QString text;
    do {
        text.prepend(QChar(u'0' + int(value % 10)));
        value /= 10;
    } while (value != 0);
    return text;
}

// Beyond this a coefficient is widened no further when aligning two
// numbers: 21 digits, well past the digits a result keeps.
const Coefficient alignLimit = powerOfTen(20);

} // namespace

Decimal::Decimal(Coefficient coefficient, int exponent)
    : m_coefficient(coefficient), m_exponent(exponent) {
    normalise();
}

Decimal Decimal::fromInteger(qint64 value) {
    return Decimal(value, 0);
}

std::optional<Decimal> Decimal::parse(QStringView text) {
    const bool negative = text.startsWith(u'-');
    if (negative)
        text = text.mid(1);
    Coefficient coefficient = 0;
    int exponent = 0;
    int significant = 0;
    bool point = false;
    bool anyDigit = false;
    for (QChar c : text) {
        if (c == u'.' && !point) {
            point = true;
            continue;
        }
        if (c < u'0' || c > u'9')
            return std::nullopt;
        anyDigit = true;
        if (coefficient == 0 && c == u'0') {
            if (point)
                --exponent;
            continue;
        }
        if (significant == digits + 2) { // digits past what is kept only shift the value
            if (!point)
                ++exponent;
            continue;
        }
        coefficient = coefficient * 10 + (c.unicode() - u'0');
        ++significant;
        if (point)
            --exponent;
    }
    if (!anyDigit)
        return std::nullopt;
    return Decimal(negative ? -coefficient : coefficient, exponent);
}

Decimal Decimal::operator+(const Decimal &other) const {
    Coefficient high = m_coefficient;
    int highExponent = m_exponent;
    Coefficient low = other.m_coefficient;
    int lowExponent = other.m_exponent;
    if (highExponent < lowExponent) {
        std::swap(high, low);
        std::swap(highExponent, lowExponent);
    }
    while (highExponent > lowExponent && absolute(high) < alignLimit) {
        high *= 10;
        --highExponent;
    }
    if (highExponent > lowExponent) {
        // The rest of the smaller number lies far below the digits kept.
        const int shift = std::min(highExponent - lowExponent, 38);
        low /= powerOfTen(shift);
    }
    return Decimal(high + low, highExponent);
}

Decimal Decimal::operator-(const Decimal &other) const {
    return *this + other.negated();
}

Decimal Decimal::operator*(const Decimal &other) const {
    return Decimal(m_coefficient * other.m_coefficient, m_exponent + other.m_exponent);
}

std::optional<Decimal> Decimal::dividedBy(const Decimal &divisor) const {
    if (divisor.isZero())
        return std::nullopt;
    // Widen the dividend so the quotient has digits to spare for rounding.
    Coefficient dividend = m_coefficient;
    int exponent = m_exponent - divisor.m_exponent;
    const Coefficient wide = powerOfTen(33);
    while (dividend != 0 && absolute(dividend) < wide) {
        dividend *= 10;
        --exponent;
    }
    return Decimal(dividend / divisor.m_coefficient, exponent);
}

Decimal Decimal::negated() const {
    return Decimal(-m_coefficient, m_exponent);
}

int Decimal::magnitude() const {
    return isZero() ? 0 : m_exponent + digitCount(m_coefficient) - 1;
}

void Decimal::normalise() {
    if (m_coefficient == 0) {
        m_exponent = 0;
        return;
    }
    const int excess = digitCount(m_coefficient) - digits;
    if (excess > 0) {
        const Coefficient divisor = powerOfTen(excess);
        const Coefficient rest = absolute(m_coefficient % divisor);
        m_coefficient /= divisor;
        if (rest * 2 >= divisor)
            m_coefficient += m_coefficient < 0 ? -1 : 1;
        m_exponent += excess;
    }
    while (m_coefficient % 10 == 0) {
        m_coefficient /= 10;
        ++m_exponent;
    }
}

QString Decimal::toString() const {
    if (isZero())
        return QStringLiteral("0");
    const QString sign = m_coefficient < 0 ? QStringLiteral("-") : QString();
    const QString figures = digitsOf(m_coefficient);
    const int leading = magnitude();
    if (leading >= digits || leading < -7) {
        QString mantissa = figures.left(1);
        if (figures.size() > 1)
            mantissa += QLatin1Char('.') + figures.mid(1);
        return sign + mantissa + QLatin1Char('e') + (leading < 0 ? u'-' : u'+') +
               QString::number(std::abs(leading));
    }
    if (m_exponent >= 0)
        return sign + figures + QString(m_exponent, u'0');
    const int point = int(figures.size()) + m_exponent;
    if (point > 0)
        return sign + figures.left(point) + QLatin1Char('.') + figures.mid(point);
    return sign + QStringLiteral("0.") + QString(-point, u'0') + figures;
}

} // namespace jsj
