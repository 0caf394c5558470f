#include "feedback/FeedbackServer.h"

namespace velkora {

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
