#include "Calculator.h"

namespace jsj {

namespace {
const QString divisionByZero = QStringLiteral("除数不能为零");
const QString outOfRange = QStringLiteral("超出计算范围");
// Results beyond 10^±999 are refused rather than shown as a wall of digits.
constexpr int largestMagnitude = 999;

int entryDigits(const QString &entry) {
    int count = 0;
    for (QChar c : entry)
        count += c.isDigit() ? 1 : 0;
    return count;
}
} // namespace

QString Calculator::symbol(Operation op) {
    switch (op) {
    case Operation::Add:
        return QStringLiteral("+");
    case Operation::Subtract:
        return QStringLiteral("−");
    case Operation::Multiply:
        return QStringLiteral("×");
    case Operation::Divide:
        return QStringLiteral("÷");
    }
    return {};
}

void Calculator::digit(int value) {
    recoverFromError();
    if (m_entry == QLatin1String("0"))
        m_entry.clear();
    else if (m_entry == QLatin1String("-0"))
        m_entry = QStringLiteral("-");
    m_operand = true;
    if (entryDigits(m_entry) >= maxEntryDigits)
        return;
    m_entry += QChar(u'0' + value);
}

void Calculator::point() {
    recoverFromError();
    m_operand = true;
    if (m_entry.isEmpty())
        m_entry = QStringLiteral("0");
    if (!m_entry.contains(u'.'))
        m_entry += u'.';
}

void Calculator::operation(Operation op) {
    if (hasError())
        return;
    if (m_pending && m_operand) {
        const std::optional<Decimal> result = apply(*m_pending, *m_running, current());
        if (!result)
            return;
        show(*result, false);
    } else if (!m_pending) {
        show(current(), false);
    }
    // Pressing another operation before a number replaces the one chosen.
    m_running = m_shown;
    m_pending = op;
}

void Calculator::equals() {
    if (hasError() || !m_pending)
        return;
    const std::optional<Decimal> result = apply(*m_pending, *m_running, current());
    m_pending.reset();
    m_running.reset();
    if (result)
        show(*result, false);
}

void Calculator::percent() {
    if (hasError())
        return;
    const Decimal hundred = Decimal::fromInteger(100);
    Decimal value = *current().dividedBy(hundred);
    if (m_pending && (*m_pending == Operation::Add || *m_pending == Operation::Subtract))
        value = *m_running * value;
    show(value, true);
}

void Calculator::toggleSign() {
    if (hasError())
        return;
    if (m_entry.isEmpty()) {
        show(m_shown.negated(), true);
        return;
    }
    if (m_entry.startsWith(u'-'))
        m_entry.remove(0, 1);
    else
        m_entry.prepend(u'-');
}

void Calculator::backspace() {
    if (hasError()) {
        clear();
        return;
    }
    if (m_entry.isEmpty())
        return;
    m_entry.chop(1);
    if (m_entry.isEmpty() || m_entry == QLatin1String("-"))
        m_entry = QStringLiteral("0");
}

void Calculator::clear() {
    m_entry.clear();
    m_shown = Decimal();
    m_operand = false;
    m_running.reset();
    m_pending.reset();
    m_error.clear();
}

void Calculator::memoryClear() {
    m_memory.reset();
}

void Calculator::memoryRecall() {
    if (m_memory && !hasError())
        show(*m_memory, true);
}

void Calculator::memoryAdd() {
    if (hasError())
        return;
    const Decimal value = current();
    m_memory = m_memory.value_or(Decimal()) + value;
    show(value, m_operand);
}

void Calculator::memorySubtract() {
    if (hasError())
        return;
    const Decimal value = current();
    m_memory = m_memory.value_or(Decimal()) - value;
    show(value, m_operand);
}

QString Calculator::display() const {
    if (hasError())
        return m_error;
    return m_entry.isEmpty() ? m_shown.toString() : m_entry;
}

QString Calculator::pendingExpression() const {
    if (!m_pending || hasError())
        return {};
    return m_running->toString() + QLatin1Char(' ') + symbol(*m_pending);
}

Decimal Calculator::current() const {
    if (m_entry.isEmpty())
        return m_shown;
    return Decimal::parse(m_entry).value_or(Decimal());
}

void Calculator::show(const Decimal &value, bool operand) {
    m_shown = value;
    m_entry.clear();
    m_operand = operand;
}

std::optional<Decimal> Calculator::apply(Operation op, const Decimal &left, const Decimal &right) {
    std::optional<Decimal> result;
    switch (op) {
    case Operation::Add:
        result = left + right;
        break;
    case Operation::Subtract:
        result = left - right;
        break;
    case Operation::Multiply:
        result = left * right;
        break;
    case Operation::Divide:
        result = left.dividedBy(right);
        if (!result) {
            fail(divisionByZero);
            return std::nullopt;
        }
        break;
    }
    if (std::abs(result->magnitude()) > largestMagnitude) {
        fail(outOfRange);
        return std::nullopt;
    }
    return result;
}

void Calculator::fail(const QString &reason) {
    clear();
    m_error = reason;
}

void Calculator::recoverFromError() {
    if (hasError())
        clear();
}

} // namespace jsj
