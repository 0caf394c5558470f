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
        m_otherWindowWasActive = true;
        return;
    }
    if (std::exchange(m_otherWindowWasActive, false))
        emit activatedAgain();
}

} // namespace velkora
