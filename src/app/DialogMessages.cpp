#include "app/DialogMessages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWindow>

namespace velkora {

namespace {

// Keeps a message box above the window it belongs to. The owner's native
// window may be made again while the box is up (the page view's first
// appearance does that), and without a window manager the new window
// would then cover the box: the box is raised over it again.
class StayAbove : public QObject {
public:
    StayAbove(QMessageBox &box, QWidget *owner) : QObject(&box), m_box(&box) {
        if (owner) {
            m_owner = owner->window();
            m_owner->installEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched == m_owner && event->type() == QEvent::WinIdChange) {
            QTimer::singleShot(0, this, [this] {
                if (!m_box || !m_owner || !m_box->windowHandle() || !m_box->isVisible())
                    return;
                m_box->windowHandle()->setTransientParent(m_owner->windowHandle());
                m_box->raise();
                m_box->activateWindow();
            });
        }
        return false;
    }

private:
    QPointer<QMessageBox> m_box;
    QPointer<QWidget> m_owner;
};

// True when `window` is `ancestor` or stands on it through its parents.
bool descendsFrom(const QWidget *window, const QWidget *ancestor) {
    for (; window; window = window->parentWidget())
        if (window == ancestor)
            return true;
    return false;
}

QWidget *innermostModalWindow() {
    QWidget *innermost = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || !window->isModal() || qobject_cast<QMessageBox *>(window))
            continue;
        if (!innermost || descendsFrom(window, innermost))
            innermost = window;
    }
    return innermost;
}

} // namespace

QWidget *DialogMessages::owner() const {
    // The window the learner works in: the innermost modal window of the
    // program above all, else the active one, else the main window. The
    // innermost is found by ownership, not by Qt's list of modal windows:
    // a window whose native window was made anew (the page view does that)
    // drops out of that list while it is still up.
    if (QWidget *modal = innermostModalWindow())
        return modal;
    if (QWidget *active = QApplication::activeWindow(); active && active->isVisible())
        return active;
    return m_parent;
}

int DialogMessages::run(QMessageBox::Icon icon, const QString &title, const QString &text,
                        QMessageBox::StandardButtons buttons) const {
    QWidget *parent = owner();
    QMessageBox box(icon, title.isEmpty() ? QApplication::applicationDisplayName() : title, text,
                    buttons, parent);
    new StayAbove(box, parent);
    const int answer = box.exec();
    // Give the focus and the top of the stack back to the window the box
    // belongs to: a window manager may otherwise hand them to a window
    // further down the chain (the candidate card over the exam window).
    if (parent && parent->isVisible()) {
        parent->raise();
        parent->activateWindow();
    }
    return answer;
}

void DialogMessages::show(const QString &text, const QString &title) {
    run(QMessageBox::Information, title, text, QMessageBox::Ok);
}

bool DialogMessages::ask(const QString &text, const QString &title, Choice choice) {
    const auto buttons = choice == Choice::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                 : QMessageBox::Ok | QMessageBox::Cancel;
    const int answer = run(QMessageBox::Question, title, text, buttons);
    return answer == QMessageBox::Yes || answer == QMessageBox::Ok;
}

} // namespace velkora
