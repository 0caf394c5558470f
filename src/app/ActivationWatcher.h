#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class QWindow;

namespace velkora {

// Tells when a window becomes active again after another window of this
// program stood in front of it. Coming back from another program does not
// count, so switching applications never rebuilds a page.
class ActivationWatcher : public QObject {
    Q_OBJECT
public:
    explicit ActivationWatcher(QWidget *watched, QObject *parent = nullptr);

signals:
    void activatedAgain();

private:
    void focusWindowChanged(QWindow *window);

    QPointer<QWidget> m_watched;
    bool m_otherWindowWasActive = false;
};

} // namespace velkora
