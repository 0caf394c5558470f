#include "base/Logging.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QStandardPaths>
#include <cstdio>

namespace velkora {

namespace {

QFile *logFile = nullptr;
// Messages come from more than one thread (the feedback upload has its own).
QMutex logLock;

void writeMessage(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    const QByteArray line =
        (qFormatLogMessage(type, context, message) + QLatin1Char('\n')).toUtf8();
    const QMutexLocker locked(&logLock);
    std::fputs(line.constData(), stderr);
    if (logFile) {
        logFile->write(line);
        logFile->flush();
    }
}

} // namespace

QString installLogging() {
    qSetMessagePattern(QStringLiteral(
        "%{time yyyy-MM-ddThh:mm:ss.zzz} "
        "%{if-debug}debug%{endif}%{if-info}info%{endif}%{if-warning}warning%{endif}"
        "%{if-critical}critical%{endif}%{if-fatal}fatal%{endif} %{category}: %{message}"));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(folder);
    static QFile file(QDir(folder).filePath(QStringLiteral("velkora.log")));
    if (file.open(QIODevice::Append | QIODevice::Text))
        logFile = &file;
    qInstallMessageHandler(writeMessage);
    return file.fileName();
}

} // namespace velkora
