#include "app/AppConfig.h"

#include <QSettings>

namespace velkora {

AppConfig AppConfig::load(const QString &iniPath) {
    QSettings ini(iniPath, QSettings::IniFormat);
    AppConfig config;
    config.updateHost = ini.value(QStringLiteral("update/host")).toString();
    config.feedbackHost = ini.value(QStringLiteral("feedback/host")).toString();
    config.feedbackPort = ini.value(QStringLiteral("feedback/port"), 1433).toInt();
    config.feedbackUser =
        ini.value(QStringLiteral("feedback/user"), QStringLiteral("sa")).toString();
    config.feedbackPassword = ini.value(QStringLiteral("feedback/password")).toString();
    config.feedbackCatalog =
        ini.value(QStringLiteral("feedback/catalog"), QStringLiteral("yiyaofk")).toString();
    return config;
}

QString AppConfig::updateInfoUrl(const QString &subjectName) const {
    if (subjectName.isEmpty() || updateHost.isEmpty())
        return {};
    return QStringLiteral("http://") + updateHost + QStringLiteral("/yiyaozj/") + subjectName +
           QStringLiteral("/Predate.ini");
}

} // namespace velkora
