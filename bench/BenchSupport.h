#pragma once

#include "app/WebEngineSetup.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
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

// The median time of `runs` runs of `work`, in milliseconds.
template <typename Work> double medianMs(int runs, Work &&work) {
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        work();
        times << clock.nsecsElapsed() / 1e6;
    }
    return median(times);
}

inline long peakMemoryKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Proportional memory of a process and every process it started (the page
// view's renderers), in KiB; by default of this process.
inline long familyMemoryKiB(long root = QCoreApplication::applicationPid()) {
    const auto field = [](const QString &file, const char *key) -> long {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly))
            return 0;
        for (const QByteArray &line : f.readAll().split('\n')) {
            if (line.startsWith(key))
                return line.mid(qstrlen(key)).trimmed().split(' ').value(0).toLong();
        }
        return 0;
    };
    QHash<long, long> parentOf;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool numeric = false;
        const long pid = entry.toLong(&numeric);
        if (numeric)
            parentOf.insert(pid, field(QStringLiteral("/proc/%1/status").arg(pid), "PPid:"));
    }
    long total = 0;
    for (auto it = parentOf.cbegin(); it != parentOf.cend(); ++it) {
        long pid = it.key();
        while (pid > 1 && pid != root)
            pid = parentOf.value(pid, 0);
        if (pid == root)
            total += field(QStringLiteral("/proc/%1/smaps_rollup").arg(it.key()), "Pss:");
    }
    return total;
}

inline void report(const char *name, double value, const char *unit) {
    std::printf("%-58s %10.1f %s\n", name, value, unit);
    std::fflush(stdout);
}

} // namespace velkora::bench
