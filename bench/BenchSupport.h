#pragma once

#include "app/WebEngineSetup.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace velkora::bench {

// Benchmarks run the real page view on the offscreen platform, no display
// needed; call before the application object is made.
inline void useOffscreenPageView() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    prepareWebEngine();
}

inline double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n == 0 ? 0 : (n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

inline long peakMemoryKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

inline void report(const char *name, double value, const char *unit) {
    std::printf("%-58s %10.1f %s\n", name, value, unit);
    std::fflush(stdout);
}

} // namespace velkora::bench
