#include "update/PublishedRelease.h"

#include "update/DataDates.h"

#include <QSettings>

namespace velkora {

std::optional<PublishedRelease> PublishedRelease::read(const QString &iniPath) {
    const std::optional<QDate> date = dataDates::read(iniPath);
    if (!date)
        return std::nullopt;
    const QSettings ini(iniPath, QSettings::IniFormat);
    PublishedRelease release;
    release.date = *date;
    const QString file = ini.value(QStringLiteral("Bank/File")).toString().trimmed();
    // A plain name: the bank lies beside Predate.ini, nowhere else.
    if (!file.contains(QLatin1Char('/')) && !file.contains(QLatin1Char('\\')) &&
        file != QLatin1String("..") && file != QLatin1String("."))
        release.bankFile = file;
    release.bankSize = ini.value(QStringLiteral("Bank/Size")).toString().trimmed().toLongLong();
    release.bankSha256 = QByteArray::fromHex(
        ini.value(QStringLiteral("Bank/Sha256")).toString().trimmed().toLatin1());
    return release;
}

QUrl PublishedRelease::bankUrl(const QUrl &infoUrl) const {
    QUrl name;
    name.setPath(bankFile);
    return infoUrl.resolved(name);
}

} // namespace velkora
