#pragma once

#include <QObject>
#include <QPointer>
#include <QWindow>

class QWidget;
class QWindow;

namespace velkora {

// Tells when a window becomes active again because another window of this
// program that stood in front of it was closed or hidden. Coming back from
// another program, or clicking it while the other window stays open, does
// not count, so neither rebuilds a page.
class ActivationWatcher : public QObject {
    Q_OBJECT
public:
    explicit ActivationWatcher(QWidget *watched, QObject *parent = nullptr);

signals:
    void activatedAgain();

private:
    void focusWindowChanged(QWindow *window);

    QPointer<QWidget> m_watched;
    QPointer<QWindow> m_front; // the window of the program that had the focus last
    bool m_hadFront = false;
};

} // namespace velkora
