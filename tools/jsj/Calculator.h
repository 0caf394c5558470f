#pragma once

#include "Decimal.h"

#include <QString>
#include <optional>

namespace jsj {

// The keys of a desk calculator and what its display shows. The operations
// run left to right as typed (2 + 3 × 4 = 20); percent takes the entry as a
// share of the running value for + and − (200 + 5 % = 210) and as hundredths
// otherwise. A failed operation (division by zero, a result too large)
// shows its reason until the next digit or clear.
class Calculator {
public:
    enum class Operation { Add, Subtract, Multiply, Divide };

    // Longest entry the learner can type, in digits.
    static constexpr int maxEntryDigits = Decimal::digits;

    void digit(int value); // 0 .. 9
    void point();
    void operation(Operation op);
    void equals();
    void percent();
    void toggleSign();
    void backspace();
    void clear(); // everything except the memory

    void memoryClear();
    void memoryRecall();
    void memoryAdd();
    void memorySubtract();

    QString display() const;
    // The running value and operation waiting for the next number ("12 +").
    QString pendingExpression() const;
    bool hasMemory() const { return m_memory.has_value(); }
    bool hasError() const { return !m_error.isEmpty(); }

    static QString symbol(Operation op);

private:
    Decimal current() const;
    // Shows a value; `operand`: it counts as the number after the pending
    // operation, as a typed one does.
    void show(const Decimal &value, bool operand);
    std::optional<Decimal> apply(Operation op, const Decimal &left, const Decimal &right);
    void fail(const QString &reason);
    void recoverFromError();

    QString m_entry;        // what is being typed; empty when a value is shown
    Decimal m_shown;        // the value shown while nothing is typed
    bool m_operand = false; // a number was given since the last operation
    std::optional<Decimal> m_running;
    std::optional<Operation> m_pending;
    std::optional<Decimal> m_memory;
    QString m_error;
};

} // namespace jsj
