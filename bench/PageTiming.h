#pragma once

#include "page/WebPageView.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace velkora::bench {

// Lets the page view finish what the last build left (teardown of the old
// document, pending frames) so that it is not charged to the next build.
inline void settle(int milliseconds = 300) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Forces style and layout of the whole page in the renderer and returns once
// they are done: the page is laid out when this returns.
inline void layOut(WebPageView &view) {
    view.evaluate(QStringLiteral("document.documentElement.scrollHeight"));
}

// Milliseconds from `commandAtMs` (wall clock) to the page's first paint of
// text or pictures, as the renderer records it; -1 when it did not paint
// within five seconds.
inline double firstContentfulPaint(WebPageView &view, qint64 commandAtMs) {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 5000) {
        const QVariant at = view.evaluate(QStringLiteral(
            "(function(){var p=performance.getEntriesByName('first-contentful-paint')[0];"
            "return p?performance.timeOrigin+p.startTime:0;})()"));
        if (at.toDouble() > 0)
            return at.toDouble() - double(commandAtMs);
        settle(5);
    }
    return -1;
}

inline qint64 nowMs() {
    return QDateTime::currentMSecsSinceEpoch();
}

} // namespace velkora::bench
