#include "update/DataDates.h"

#include <QFileInfo>
#include <QSettings>

namespace velkora::dataDates {

std::optional<QString> read(const QString &iniPath) {
    if (!QFileInfo(iniPath).isFile())
        return std::nullopt;
    const QSettings ini(iniPath, QSettings::IniFormat);
    const QVariant date = ini.value(QStringLiteral("File1/Date"));
    if (!date.isValid())
        return std::nullopt;
    return date.toString();
}

QString installed(const QString &iniPath, const QDate &today) {
    return read(iniPath).value_or(today.toString(QStringLiteral("yyyy-MM-dd")));
}

bool isNewer(const QString &published, const QString &installed) {
    return published.toUtf8() > installed.toUtf8();
}

} // namespace velkora::dataDates
