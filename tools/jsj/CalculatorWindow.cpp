#include "CalculatorWindow.h"

#include "FittingLabel.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace jsj {

namespace {

const char *const keyStyles = R"(
    jsj--CalculatorWindow { background: #eef1f5; }
    QLabel, QPushButton { font-family: "Noto Sans CJK SC", "Noto Sans", sans-serif; }
    QFrame#screen { background: #1f2a36; border-radius: 10px; }
    QLabel#expression { color: #9fb3c8; }
    QLabel#memory { color: #f2b84b; font-weight: bold; }
    QLabel#display { color: #ffffff; }
    QPushButton {
        border: none; border-radius: 8px; min-height: 46px; font-size: 17px;
        background: #ffffff; color: #1f2a36;
    }
    QPushButton:hover { background: #e3e9f0; }
    QPushButton:pressed { background: #cfd8e3; }
    QPushButton[keyStyle="operation"] { background: #dbe7f6; color: #1d5fa8; font-size: 20px; }
    QPushButton[keyStyle="operation"]:pressed { background: #bcd3ee; }
    QPushButton[keyStyle="function"] { background: #e6e9ee; color: #3a4756; }
    QPushButton[keyStyle="memory"] {
        background: transparent; color: #3a4756; min-height: 30px; font-size: 14px;
    }
    QPushButton[keyStyle="memory"]:hover { background: #dde3ea; }
    QPushButton[keyStyle="equals"] { background: #2f7bd8; color: #ffffff; font-size: 20px; }
    QPushButton[keyStyle="equals"]:hover { background: #3d89e6; }
    QPushButton[keyStyle="equals"]:pressed { background: #2464b3; }
)";

const char *styleName(int style) {
    static const char *const names[] = {"digit", "operation", "function", "memory", "equals"};
    return names[style];
}

} // namespace

CalculatorWindow::CalculatorWindow(QWidget *parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("计算器"));
    setStyleSheet(QString::fromUtf8(keyStyles));

    auto *screen = new QFrame;
    screen->setObjectName(QStringLiteral("screen"));
    m_expression = new FittingLabel(11, 8);
    m_expression->setObjectName(QStringLiteral("expression"));
    m_memoryMark = new QLabel(QStringLiteral("M"));
    m_memoryMark->setObjectName(QStringLiteral("memory"));
    m_display = new FittingLabel(30, 13);
    m_display->setObjectName(QStringLiteral("display"));
    auto *topLine = new QHBoxLayout;
    topLine->addWidget(m_memoryMark);
    topLine->addWidget(m_expression, 1);
    auto *screenLayout = new QVBoxLayout(screen);
    screenLayout->setContentsMargins(14, 10, 14, 10);
    screenLayout->addLayout(topLine);
    screenLayout->addWidget(m_display);

    m_keys = new QGridLayout;
    m_keys->setSpacing(6);
    Calculator &c = m_calculator;
    using Op = Calculator::Operation;
    addKey(QStringLiteral("MC"), Style::Memory, 0, 0, [&c] { c.memoryClear(); });
    addKey(QStringLiteral("MR"), Style::Memory, 0, 1, [&c] { c.memoryRecall(); });
    addKey(QStringLiteral("M+"), Style::Memory, 0, 2, [&c] { c.memoryAdd(); });
    addKey(QStringLiteral("M−"), Style::Memory, 0, 3, [&c] { c.memorySubtract(); });
    addKey(QStringLiteral("C"), Style::Function, 1, 0, [&c] { c.clear(); });
    addKey(QStringLiteral("⌫"), Style::Function, 1, 1, [&c] { c.backspace(); });
    addKey(QStringLiteral("%"), Style::Function, 1, 2, [&c] { c.percent(); });
    const Op operations[] = {Op::Divide, Op::Multiply, Op::Subtract, Op::Add};
    for (int i = 0; i < 4; ++i) {
        const Op op = operations[i];
        addKey(Calculator::symbol(op), Style::Operation, i + 1, 3, [&c, op] { c.operation(op); });
    }
    for (int d = 1; d <= 9; ++d) {
        addKey(QString::number(d), Style::Digit, 4 - (d - 1) / 3, (d - 1) % 3,
               [&c, d] { c.digit(d); });
    }
    addKey(QStringLiteral("±"), Style::Function, 5, 0, [&c] { c.toggleSign(); });
    addKey(QStringLiteral("0"), Style::Digit, 5, 1, [&c] { c.digit(0); });
    addKey(QStringLiteral("."), Style::Digit, 5, 2, [&c] { c.point(); });
    addKey(QStringLiteral("="), Style::Equals, 5, 3, [&c] { c.equals(); });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    layout->addWidget(screen);
    layout->addLayout(m_keys);
    setFixedSize(320, 440);
    refresh();
}

QString CalculatorWindow::displayText() const {
    return m_display->fullText();
}

QPushButton *CalculatorWindow::addKey(const QString &caption, Style style, int row, int column,
                                      std::function<void()> action) {
    auto *key = new QPushButton(caption);
    key->setFocusPolicy(Qt::NoFocus); // the keyboard works the window, not one key
    key->setProperty("keyStyle", QString::fromLatin1(styleName(static_cast<int>(style))));
    key->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(key, &QPushButton::clicked, this, [this, action] { press(action); });
    m_keys->addWidget(key, row, column);
    return key;
}

void CalculatorWindow::press(const std::function<void()> &action) {
    action();
    refresh();
}

void CalculatorWindow::refresh() {
    m_display->setFullText(m_calculator.display());
    m_expression->setFullText(m_calculator.pendingExpression());
    m_memoryMark->setVisible(m_calculator.hasMemory());
}

void CalculatorWindow::keyPressEvent(QKeyEvent *event) {
    Calculator &c = m_calculator;
    using Op = Calculator::Operation;
    const QString text = event->text();
    std::function<void()> action;
    if (text.size() == 1 && text[0] >= u'0' && text[0] <= u'9') {
        const int d = text[0].unicode() - u'0';
        action = [&c, d] { c.digit(d); };
    } else if (text == QLatin1String(".") || text == QLatin1String(",")) {
        action = [&c] { c.point(); };
    } else if (text == QLatin1String("+")) {
        action = [&c] { c.operation(Op::Add); };
    } else if (text == QLatin1String("-")) {
        action = [&c] { c.operation(Op::Subtract); };
    } else if (text == QLatin1String("*") || text == QLatin1String("x")) {
        action = [&c] { c.operation(Op::Multiply); };
    } else if (text == QLatin1String("/")) {
        action = [&c] { c.operation(Op::Divide); };
    } else if (text == QLatin1String("%")) {
        action = [&c] { c.percent(); };
    } else if (text == QLatin1String("=") || event->key() == Qt::Key_Return ||
               event->key() == Qt::Key_Enter) {
        action = [&c] { c.equals(); };
    } else if (event->key() == Qt::Key_Backspace) {
        action = [&c] { c.backspace(); };
    } else if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Delete) {
        action = [&c] { c.clear(); };
    }
    if (!action) {
        QWidget::keyPressEvent(event);
        return;
    }
    press(action);
}

} // namespace jsj
