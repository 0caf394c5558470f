#include "Calculator.h"

#include <gtest/gtest.h>

namespace jsj {
namespace {

using Op = Calculator::Operation;

// Presses keys given as text: digits, '.', + - * /, '=', '%', 'n' (sign),
// '<' (backspace), 'C'.
QString press(Calculator &c, const char *keys) {
    for (const char *k = keys; *k; ++k) {
        switch (*k) {
        case '+':
            c.operation(Op::Add);
            break;
        case '-':
            c.operation(Op::Subtract);
            break;
        case '*':
            c.operation(Op::Multiply);
            break;
        case '/':
            c.operation(Op::Divide);
            break;
        case '=':
            c.equals();
            break;
        case '%':
            c.percent();
            break;
        case '.':
            c.point();
            break;
        case 'n':
            c.toggleSign();
            break;
        case '<':
            c.backspace();
            break;
        case 'C':
            c.clear();
            break;
        default:
            c.digit(*k - '0');
        }
    }
    return c.display();
}

QString result(const char *keys) {
    Calculator c;
    return press(c, keys);
}

TEST(Calculator, ShowsTheDecimalResultsALearnerExpects) {
    EXPECT_EQ(result("0.1+0.2="), "0.3");
    EXPECT_EQ(result("1.2*3="), "3.6");
    EXPECT_EQ(result("10/4="), "2.5");
    EXPECT_EQ(result("2+3*4="), "20"); // left to right, as on a desk calculator
    EXPECT_EQ(result("5-8="), "-3");
}

TEST(Calculator, AnotherOperationBeforeANumberReplacesTheFirst) {
    Calculator c;
    press(c, "6+");
    EXPECT_EQ(c.pendingExpression(), "6 +");
    press(c, "*");
    EXPECT_EQ(c.pendingExpression(), "6 ×");
    EXPECT_EQ(press(c, "2="), "12");
    EXPECT_EQ(c.pendingExpression(), "");
}

TEST(Calculator, PercentIsAShareOfTheRunningValueForSums) {
    EXPECT_EQ(result("200+5%="), "210");
    EXPECT_EQ(result("200-10%="), "180");
    EXPECT_EQ(result("50*20%="), "10");
    EXPECT_EQ(result("7%"), "0.07");
}

TEST(Calculator, DivisionByZeroShowsAReasonAndTheNextDigitStartsAfresh) {
    Calculator c;
    EXPECT_EQ(press(c, "7/0="), "除数不能为零");
    EXPECT_TRUE(c.hasError());
    press(c, "+"); // ignored while the reason shows
    EXPECT_EQ(press(c, "3+4="), "7");
    EXPECT_FALSE(c.hasError());
}

TEST(Calculator, EntryEditing) {
    EXPECT_EQ(result("123<"), "12");
    EXPECT_EQ(result("5<<"), "0");
    EXPECT_EQ(result("00.50"), "0.50");
    EXPECT_EQ(result("1..5"), "1.5");
    EXPECT_EQ(result("12n"), "-12");
    EXPECT_EQ(result("12nn"), "12");
    EXPECT_EQ(result("9=="), "9"); // no operation pending: = changes nothing
    EXPECT_EQ(result("4+5=n"), "-9");
    EXPECT_EQ(result("12345678901234567890"), "1234567890123456");
    EXPECT_EQ(result("8+2C"), "0");
}

TEST(Calculator, MemoryKeysKeepARunningTotal) {
    Calculator c;
    press(c, "12");
    c.memoryAdd();
    press(c, "C5");
    c.memorySubtract();
    EXPECT_TRUE(c.hasMemory());
    press(c, "C");
    c.memoryRecall();
    EXPECT_EQ(c.display(), "7");
    EXPECT_EQ(press(c, "*2="), "14");
    c.memoryClear();
    EXPECT_FALSE(c.hasMemory());
}

TEST(Calculator, RecalledMemoryIsTheNumberAfterAnOperation) {
    Calculator c;
    press(c, "3");
    c.memoryAdd();
    press(c, "10+");
    c.memoryRecall();
    EXPECT_EQ(press(c, "="), "13");
}

TEST(Calculator, ResultsBeyondTheRangeAreRefused) {
    Calculator c;
    for (int i = 0; i < 70 && !c.hasError(); ++i)
        press(c, "9999999999999999*");
    ASSERT_TRUE(c.hasError());
    EXPECT_EQ(c.display(), "超出计算范围");
}

} // namespace
} // namespace jsj
