#include "app/AppConfig.h"

#include <QSettings>
#include <QUrl>

namespace velkora {

AppConfig AppConfig::load(const QString &iniPath) {
    QSettings ini(iniPath, QSettings::IniFormat);
    AppConfig config;
    const auto text = [&ini](const char *key, const QString &fallback) {
        return ini.value(QLatin1String(key), fallback).toString();
    };
    config.updateHost = text("update/host", {});
    config.feedbackDriver = text("feedback/driver", config.feedbackDriver);
    config.feedbackOdbcDriver = text("feedback/odbc_driver", config.feedbackOdbcDriver);
    config.feedbackHost = text("feedback/host", {});
    config.feedbackPort = ini.value(QStringLiteral("feedback/port"), config.feedbackPort).toInt();
    config.feedbackUser = text("feedback/user", {});
    config.feedbackPassword = text("feedback/password", {});
    config.feedbackCatalog = text("feedback/catalog", {});
    config.feedbackConnectOptions = text("feedback/connect_options", {});
    config.feedbackCommandTimeout =
        ini.value(QStringLiteral("feedback/command_timeout"), config.feedbackCommandTimeout)
            .toInt();
    return config;
}

QString AppConfig::updateInfoUrl(const QString &subjectName) const {
    if (subjectName.isEmpty() || updateHost.isEmpty())
        return {};
    QUrl url(QStringLiteral("http://") + updateHost);
    if (!url.isValid() || url.host().isEmpty())
        return {};
    // Every byte of the subject but letters and digits is escaped, '/' too,
    // so the name stays one segment of the path.
    url.setPath(QStringLiteral("/yiyaozj/") +
                    QString::fromLatin1(QUrl::toPercentEncoding(subjectName)) +
                    QStringLiteral("/Predate.ini"),
                QUrl::TolerantMode);
    return url.toString(QUrl::FullyEncoded);
}

FeedbackServer AppConfig::feedbackServer() const {
    if (feedbackDriver != QLatin1String("QODBC"))
        return {feedbackDriver, feedbackCatalog, feedbackConnectOptions, {}, 0};
    // Without the server's address, which the upload adds as it connects.
    const QStringList parts = {
        QStringLiteral("DRIVER=") + FeedbackServer::odbcValue(feedbackOdbcDriver),
        QStringLiteral("DATABASE=") + FeedbackServer::odbcValue(feedbackCatalog),
        QStringLiteral("UID=") + FeedbackServer::odbcValue(feedbackUser),
        QStringLiteral("PWD=") + FeedbackServer::odbcValue(feedbackPassword),
        QStringLiteral("TDS_Version=7.4"),
        QStringLiteral("ClientCharset=UTF-8"),
        // FreeTDS's query timeout: how long a statement may run.
        QStringLiteral("Timeout=%1").arg(feedbackCommandTimeout),
    };
    return {feedbackDriver, parts.join(QLatin1Char(';')), feedbackConnectOptions, feedbackHost,
            feedbackPort};
}

} // namespace velkora
