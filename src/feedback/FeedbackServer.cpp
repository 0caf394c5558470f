#include "feedback/FeedbackServer.h"

#include <QStringList>

namespace velkora {

FeedbackServer FeedbackServer::fromSettings(const FeedbackSettings &settings) {
    if (settings.driver != QLatin1String("QODBC"))
        return {settings.driver, settings.catalog, settings.connectOptions, {}, 0};
    const QStringList parts = {
        QStringLiteral("DRIVER=") + odbcValue(settings.odbcDriver),
        QStringLiteral("DATABASE=") + odbcValue(settings.catalog),
        QStringLiteral("UID=") + odbcValue(settings.user),
        QStringLiteral("PWD=") + odbcValue(settings.password),
        QStringLiteral("TDS_Version=7.4"),
        QStringLiteral("ClientCharset=UTF-8"),
        // FreeTDS's query timeout: how long a statement may run.
        QStringLiteral("Timeout=%1").arg(settings.commandTimeout),
    };
    return {settings.driver, parts.join(QLatin1Char(';')), settings.connectOptions, settings.host,
            settings.port};
}

QString FeedbackServer::driverDatabaseName() const {
    if (host.isEmpty())
        return databaseName;
    return databaseName + QStringLiteral(";SERVER=") + odbcValue(host) +
           QStringLiteral(";PORT=%1").arg(port);
}

FeedbackServer FeedbackServer::reachedAt(const QString &otherHost, int otherPort) const {
    FeedbackServer moved = *this;
    moved.host = otherHost;
    moved.port = otherPort;
    return moved;
}

QString FeedbackServer::odbcValue(const QString &value) {
    QString escaped = value;
    escaped.replace(QLatin1Char('}'), QLatin1String("}}"));
    return QLatin1Char('{') + escaped + QLatin1Char('}');
}

} // namespace velkora
