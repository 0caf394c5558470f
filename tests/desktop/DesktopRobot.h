#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

namespace velkora::test {

// How long the window manager may take to answer a closed box.
constexpr int settleMs = 800;
// How long a window may take to reach its place in the stacking order.
constexpr int stackingPatienceMs = 5000;
constexpr int stepTimeoutMs = 20000;

// Works through its steps one at a time while modal windows run their own
// loops: each step waits until it is ready, then acts. An act that opens a
// window goes on in that window's loop, where the next steps run; any other
// act (a command waiting for its page) is finished before the next step.
class Robot : public QObject {
public:
    enum class Act { OpensWindow, Finishes };
    struct Step {
        QString name;
        std::function<bool()> ready;
        std::function<void()> act;
        Act kind = Act::OpensWindow;
    };

    explicit Robot(QList<Step> steps) : m_steps(std::move(steps)) {
        connect(&m_timer, &QTimer::timeout, this, &Robot::tick);
        m_timer.start(50);
        m_clock.start();
    }

    bool finished() const { return m_steps.isEmpty(); }
    QString stuckAt() const { return m_stuck; }

private:
    void tick() {
        if (m_busy)
            return;
        // Whatever is still open after the last step (or a stuck one) is
        // closed, so the modal chain returns to the test.
        if (m_steps.isEmpty()) {
            if (m_clock.elapsed() > stepTimeoutMs)
                abandonAll();
            return;
        }
        if (m_clock.elapsed() > stepTimeoutMs) {
            m_stuck = m_steps.constFirst().name;
            m_steps.clear();
            abandonAll();
            return;
        }
        if (!m_steps.constFirst().ready())
            return;
        const Step step = m_steps.takeFirst();
        m_clock.restart();
        m_busy = true;
        QTimer::singleShot(0, this, [this, step] {
            m_busy = step.kind == Act::Finishes;
            step.act();
            m_busy = false;
        });
    }

    static void abandonAll() {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<QDialog *>(window); dialog && dialog->isVisible())
                dialog->reject();
    }

    QList<Step> m_steps;
    QTimer m_timer;
    QElapsedTimer m_clock;
    QString m_stuck;
    bool m_busy = false;
};

inline QWidget *visibleWindow(const char *objectName) {
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(objectName) && window->isVisible())
            return window;
    return nullptr;
}

inline int visibleCount(const char *objectName) {
    int count = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        count += window->objectName() == QLatin1String(objectName) && window->isVisible();
    return count;
}

inline QMessageBox *openBox() {
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *box = qobject_cast<QMessageBox *>(window); box && box->isVisible())
            return box;
    return nullptr;
}

inline void trigger(const char *windowName, const char *command) {
    if (QWidget *window = visibleWindow(windowName))
        if (auto *action = window->findChild<QAction *>(command))
            action->trigger();
}

// Ready once no message box (nor the exam's wait box) has been up for a
// while: the window manager has had its say about the windows left.
inline std::function<bool()> settled() {
    auto since = std::make_shared<QElapsedTimer>();
    return [since] {
        if (openBox() || visibleWindow("TForm7")) {
            since->invalidate();
            return false;
        }
        if (!since->isValid())
            since->start();
        return since->elapsed() >= settleMs;
    };
}

} // namespace velkora::test
