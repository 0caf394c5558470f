#include "maintenance/BackupPlaces.h"

#include "base/ProgramFolder.h"

#include <QDir>
#include <QSettings>

namespace velkora {

namespace {
const QString lastFolderKey = QStringLiteral("backup/lastFolder");
}

BackupPlaces::BackupPlaces(const ProgramFolder &folder)
    : m_settingsPath(QDir(folder.learnerDir()).filePath(QStringLiteral("backup.ini"))) {}

QString BackupPlaces::lastBackupFolder() const {
    return QSettings(m_settingsPath, QSettings::IniFormat).value(lastFolderKey).toString();
}

void BackupPlaces::setLastBackupFolder(const QString &folder) {
    QSettings(m_settingsPath, QSettings::IniFormat).setValue(lastFolderKey, folder);
}

} // namespace velkora
