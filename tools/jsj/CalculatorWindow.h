#pragma once

#include "Calculator.h"

#include <QWidget>
#include <functional>

class QGridLayout;
class QLabel;
class QPushButton;

namespace jsj {

class FittingLabel;

// The calculator's window: a display over a grid of keys, worked by mouse
// or keyboard (digits, . , + - * /, Enter or =, %, Backspace, Esc or Delete
// to clear).
class CalculatorWindow : public QWidget {
    Q_OBJECT
public:
    explicit CalculatorWindow(QWidget *parent = nullptr);

    QString displayText() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    enum class Style { Digit, Operation, Function, Memory, Equals };

    QPushButton *addKey(const QString &caption, Style style, int row, int column,
                        std::function<void()> action);
    void press(const std::function<void()> &action);
    void refresh();

    Calculator m_calculator;
    FittingLabel *m_expression;
    QLabel *m_memoryMark;
    FittingLabel *m_display;
    QGridLayout *m_keys;
};

} // namespace jsj
