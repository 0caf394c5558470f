#pragma once

#include <QObject>

namespace velkora {

// Raises every window of the program when it is shown. A window's place in
// the stacking order is fixed when its native window is made, not when it
// is shown; without a window manager, a window made early (at start-up)
// would open below the main window, whose native window the page view
// makes anew, and a modal window there locks the program unseen.
class RaiseOnShow : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace velkora
