#include "base/AppConfig.h"

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
    FeedbackSettings &feedback = config.feedback;
    feedback.driver = text("feedback/driver", feedback.driver);
    feedback.odbcDriver = text("feedback/odbc_driver", feedback.odbcDriver);
    feedback.host = text("feedback/host", {});
    feedback.port = ini.value(QStringLiteral("feedback/port"), feedback.port).toInt();
    feedback.user = text("feedback/user", {});
    feedback.password = text("feedback/password", {});
    feedback.catalog = text("feedback/catalog", {});
    feedback.connectOptions = text("feedback/connect_options", {});
    feedback.commandTimeout =
        ini.value(QStringLiteral("feedback/command_timeout"), feedback.commandTimeout).toInt();
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

} // namespace velkora
