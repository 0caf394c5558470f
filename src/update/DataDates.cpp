#include "update/DataDates.h"

#include "base/FileReplacement.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSettings>
#include <QTemporaryFile>

namespace velkora::dataDates {

Q_LOGGING_CATEGORY(lcDates, "velkora.update")

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

QDate learners(const ProgramFolder &folder, const QDate &today) {
    if (const std::optional<QDate> own = read(folder.learnerDatePath()))
        return *own;
    return installed(folder.installedDatePath(), today);
}

bool record(const QString &iniPath, const QString &key, const QDate &date) {
    // QSettings writes its file in place; it writes a copy here, which then
    // takes the file's place whole.
    QTemporaryFile copy(iniPath + QStringLiteral(".XXXXXX"));
    if (!copy.open()) {
        qCWarning(lcDates) << "no copy of" << iniPath << "written:" << copy.errorString();
        return false;
    }
    QFile current(iniPath);
    if (current.open(QIODevice::ReadOnly)) {
        copy.write(current.readAll());
        copy.setPermissions(current.permissions());
    } else {
        copy.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                            QFile::ReadOther);
    }
    copy.close();
    {
        QSettings ini(copy.fileName(), QSettings::IniFormat);
        ini.setValue(QStringLiteral("File1/") + key, date.toString(QStringLiteral("yyyy-MM-dd")));
        ini.sync();
        if (ini.status() != QSettings::NoError)
            return false;
    }
    if (!syncToDisk(copy.fileName()) || !replaceFile(copy.fileName(), iniPath))
        return false;
    copy.setAutoRemove(false);
    return true;
}

} // namespace velkora::dataDates
