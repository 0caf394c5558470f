#include "app/Logging.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cstdio>

namespace velkora {

namespace {

QFile *logFile = nullptr;

void writeMessage(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    static const char *const levels[] = {"debug", "warning", "critical", "fatal", "info"};
    const QByteArray line =
        QStringLiteral("%1 %2 %3: %4\n")
            .arg(QDateTime::currentDateTime().toString(Qt::ISODateWithMs),
                 QLatin1String(levels[type]),
                 QLatin1String(context.category ? context.category : "default"), message)
            .toUtf8();
    std::fputs(line.constData(), stderr);
    if (logFile) {
        logFile->write(line);
        logFile->flush();
    }
}

} // namespace

QString installLogging() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(folder);
    static QFile file(QDir(folder).filePath(QStringLiteral("velkora.log")));
    if (file.open(QIODevice::Append | QIODevice::Text))
        logFile = &file;
    qInstallMessageHandler(writeMessage);
    return file.fileName();
}

} // namespace velkora
