#include "DesktopStacking.h"

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <algorithm>

namespace velkora::test {

namespace {

QString run(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(5000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QList<WId> windowIds(const QString &text) {
    QList<WId> ids;
    static const QRegularExpression hex(QStringLiteral("0x[0-9a-fA-F]+"));
    for (const QRegularExpressionMatch &match : hex.globalMatch(text))
        ids << match.captured().toULongLong(nullptr, 16);
    return ids;
}

} // namespace

DesktopStacking DesktopStacking::read() {
    DesktopStacking stacking;
    const QString managed =
        run(QStringLiteral("xprop"),
            {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING"),
             QStringLiteral("_NET_ACTIVE_WINDOW")});
    const QStringList lines = managed.split(QLatin1Char('\n'));
    if (lines.value(0).contains(QLatin1String("window id"))) {
        stacking.m_managed = true;
        stacking.m_bottomToTop = windowIds(lines.value(0));
        stacking.m_active = windowIds(lines.value(1)).value(0);
        return stacking;
    }
    // xwininfo lists the children of the root window top first.
    QList<WId> topFirst;
    for (const QString &line :
         run(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-children")})
             .split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("     0x")))
            topFirst << windowIds(line).value(0);
    }
    std::reverse(topFirst.begin(), topFirst.end());
    stacking.m_bottomToTop = topFirst;
    return stacking;
}

bool DesktopStacking::isActive(const QWidget *window) const {
    if (m_managed)
        return m_active == window->winId();
    return QApplication::activeWindow() == window;
}

bool DesktopStacking::above(const QWidget *upper, const QWidget *lower) const {
    const qsizetype upperAt = m_bottomToTop.indexOf(upper->winId());
    const qsizetype lowerAt = m_bottomToTop.indexOf(lower->winId());
    return upperAt >= 0 && lowerAt >= 0 && upperAt > lowerAt;
}

} // namespace velkora::test
