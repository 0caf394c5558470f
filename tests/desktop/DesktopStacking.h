#pragma once

#include <QList>
#include <QWidget>

namespace velkora::test {

// The stacking order of the X server's top-level windows, bottom first, as
// the window manager publishes it (_NET_CLIENT_LIST_STACKING) or, on a bare
// server, as the server keeps it.
class DesktopStacking {
public:
    static DesktopStacking read();

    bool hasWindowManager() const { return m_managed; }
    // True when both windows are listed and `upper` stands above `lower`.
    bool above(const QWidget *upper, const QWidget *lower) const;
    // The window the window manager calls active; on a bare server, the
    // one that has the program's input focus.
    bool isActive(const QWidget *window) const;

private:
    QList<WId> m_bottomToTop;
    WId m_active = 0;
    bool m_managed = false;
};

} // namespace velkora::test
