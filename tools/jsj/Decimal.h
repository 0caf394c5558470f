#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace jsj {

// A decimal number of up to `digits` significant digits, held as an integer
// coefficient and a power of ten, so that what the learner types is what is
// computed: 0.1 + 0.2 is exactly 0.3. Results with more digits are rounded
// half away from zero.
class Decimal {
public:
    static constexpr int digits = 16;

    Decimal() = default;
    static Decimal fromInteger(qint64 value);
    // Plain decimal text: optional '-', digits, at most one '.'.
    static std::optional<Decimal> parse(QStringView text);

    Decimal operator+(const Decimal &other) const;
    Decimal operator-(const Decimal &other) const;
    Decimal operator*(const Decimal &other) const;
    // Empty when dividing by zero.
    std::optional<Decimal> dividedBy(const Decimal &divisor) const;
    Decimal negated() const;

    bool isZero() const { return m_coefficient == 0; }
    // Power of ten of the leading digit (12.5 → 1, 0.03 → -2; 0 for zero).
    int magnitude() const;

    // Plain notation where it stays short ("1234.5", "0.0001"), otherwise
    // scientific ("1.5e+20", "2e-9").
    QString toString() const;

    bool operator==(const Decimal &other) const = default;

private:
    using Coefficient = __int128;
    Decimal(Coefficient coefficient, int exponent);
    void normalise();

    Coefficient m_coefficient = 0; // value = coefficient × 10^exponent
    int m_exponent = 0;
};

} // namespace jsj
