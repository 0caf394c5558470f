#include "app/ActivationWatcher.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace velkora {

ActivationWatcher::ActivationWatcher(QWidget *watched, QObject *parent)
    : QObject(parent), m_watched(watched) {
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
            &ActivationWatcher::focusWindowChanged);
}

void ActivationWatcher::focusWindowChanged(QWindow *window) {
    if (!window || !m_watched)
        return;
    if (window != m_watched->windowHandle()) {
        m_front = window;
        m_hadFront = true;
        return;
    }
    if (!std::exchange(m_hadFront, false))
        return; // back from another program
    // Only a window that went away counts: clicking back and forth while the
    // other window stays open is no return to the main window.
    const QPointer<QWindow> front = std::exchange(m_front, nullptr);
    if (front && front->isVisible())
        return;
    emit activatedAgain();
}

} // namespace velkora
