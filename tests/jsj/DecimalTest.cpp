#include "Decimal.h"

#include <gtest/gtest.h>

namespace jsj {
namespace {

Decimal d(const char *text) {
    const std::optional<Decimal> value = Decimal::parse(QString::fromLatin1(text));
    EXPECT_TRUE(value) << text;
    return value.value_or(Decimal());
}

QString quotient(const char *a, const char *b) {
    return d(a).dividedBy(d(b))->toString();
}

TEST(Decimal, SumsOfDecimalFractionsAreExact) {
    EXPECT_EQ((d("0.1") + d("0.2")).toString(), "0.3");
    EXPECT_EQ((d("1.1") + d("2.2")).toString(), "3.3");
    EXPECT_EQ((d("0.3") - d("0.1")).toString(), "0.2");
    EXPECT_EQ((d("1") - d("0.9")).toString(), "0.1");
    EXPECT_EQ((d("1.5") - d("1.5")).toString(), "0");
    EXPECT_EQ((d("1.10") * d("1.1")).toString(), "1.21");
}

TEST(Decimal, QuotientsAreRoundedToSixteenDigits) {
    EXPECT_EQ(quotient("1", "3"), "0.3333333333333333");
    EXPECT_EQ(quotient("2", "3"), "0.6666666666666667");
    EXPECT_EQ(quotient("-2", "3"), "-0.6666666666666667");
    EXPECT_EQ(quotient("10", "4"), "2.5");
    EXPECT_EQ(quotient("1", "8"), "0.125");
    EXPECT_FALSE(d("5").dividedBy(d("0")));
}

TEST(Decimal, LargeAndSmallValuesSwitchToScientificNotation) {
    EXPECT_EQ((d("99999999") * d("99999999")).toString(), "9999999800000001");
    EXPECT_EQ((d("9999999999999999") + d("1")).toString(), "1e+16");
    EXPECT_EQ((d("123456789012") * d("1000000000")).toString(), "1.23456789012e+20");
    EXPECT_EQ(quotient("1", "1000000000"), "1e-9");
    EXPECT_EQ(quotient("1", "10000000"), "0.0000001");
    EXPECT_EQ(quotient("1", "100000000"), "1e-8");
    EXPECT_EQ(quotient("1", "1000000"), "0.000001");
    // A sum far below the larger number's last digit leaves it as it was.
    EXPECT_EQ((d("10000000000000000000000000") + d("0.001")).toString(), "1e+25");
    EXPECT_EQ((d("10000000000000000000000000") + d("10000000000")).toString(),
              "1.000000000000001e+25");
}

TEST(Decimal, ParsingTakesPlainDecimalTextOnly) {
    EXPECT_EQ(d("-0.050").toString(), "-0.05");
    EXPECT_EQ(d("007").toString(), "7");
    EXPECT_EQ(d("3.").toString(), "3");
    EXPECT_FALSE(Decimal::parse(u"1.2.3"));
    EXPECT_FALSE(Decimal::parse(u"abc"));
    EXPECT_FALSE(Decimal::parse(u""));
    EXPECT_FALSE(Decimal::parse(u"-"));
}

} // namespace
} // namespace jsj
