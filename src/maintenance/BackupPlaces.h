#pragma once

#include <QString>

namespace velkora {

class ProgramFolder;

// What backup and restore remember between runs, in a small file beside
// the learner's bank: the folder of the last backup. The file dialogs of
// both windows open there, and staging files that a killed backup may have
// left there are looked for there.
class BackupPlaces {
public:
    explicit BackupPlaces(const ProgramFolder &folder);

    // Empty before the first backup.
    QString lastBackupFolder() const;
    void setLastBackupFolder(const QString &folder);

private:
    QString m_settingsPath;
};

} // namespace velkora
