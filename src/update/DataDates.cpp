#include "update/DataDates.h"

#include <QFileInfo>
#include <QSettings>

namespace velkora::dataDates {

std::optional<QDate> parse(const QString &text) {
    // "M" and "d" read one or two digits, so "02" and "2" are both February.
    const QDate date = QDate::fromString(text.trimmed(), QStringLiteral("yyyy-M-d"));
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<QDate> read(const QString &iniPath) {
    if (!QFileInfo(iniPath).isFile())
        return std::nullopt;
    const QSettings ini(iniPath, QSettings::IniFormat);
    return parse(ini.value(QStringLiteral("File1/Date")).toString());
}

QDate installed(const QString &iniPath, const QDate &today) {
    return read(iniPath).value_or(today);
}

} // namespace velkora::dataDates
