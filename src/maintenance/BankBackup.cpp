#include "maintenance/BankBackup.h"

#include "base/FileReplacement.h"
#include "maintenance/BankFileCheck.h"
#include "maintenance/StagingFile.h"
#include "store/BankConnection.h"
#include "store/ScopedDatabase.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlQuery>

namespace velkora {

Q_LOGGING_CATEGORY(lcBackup, "velkora.maintenance")

namespace {

// SQLite writes a consistent snapshot of the whole database into `copyPath`,
// which must not exist or be empty, through a connection of its own.
bool snapshot(const QString &bankPath, const QString &copyPath) {
    const ScopedDatabase bank = ScopedDatabase::readOnlySqlite(bankPath);
    if (!bank.database().open()) {
        qCWarning(lcBackup) << "backup: bank not opened:" << bank.lastErrorText();
        return false;
    }
    QSqlQuery vacuum(bank.database());
    vacuum.prepare(QStringLiteral("VACUUM INTO ?"));
    vacuum.addBindValue(copyPath);
    if (!vacuum.exec()) {
        qCWarning(lcBackup) << "backup: copy not written:" << vacuum.lastError().text();
        return false;
    }
    return true;
}

} // namespace

bool BankBackup::write(const QString &bankPath, const QString &targetPath) {
    const QFileInfo target(targetPath);
    if (target.isDir()) {
        qCWarning(lcBackup) << "backup: target is a folder:" << targetPath;
        return false;
    }
    // The live bank must never be replaced behind its open connection.
    if (target.exists() && target.canonicalFilePath() == QFileInfo(bankPath).canonicalFilePath()) {
        qCWarning(lcBackup) << "backup: target is the bank itself:" << targetPath;
        return false;
    }
    if (const QString problem = BankConnection::fileProblem(bankPath); !problem.isEmpty()) {
        qCWarning(lcBackup) << "backup: no bank to copy:" << problem;
        return false;
    }
    StagingFile::removeLeftovers({target.absolutePath()});
    StagingFile staged = StagingFile::createIn(target.absolutePath());
    if (staged.isNull() || !snapshot(bankPath, staged.path()) || !syncToDisk(staged.path()))
        return false;
    if (const QString problem = BankFileCheck::integrityProblem(staged.path());
        !problem.isEmpty()) {
        qCWarning(lcBackup) << "backup: copy failed its check:" << problem;
        return false;
    }
    return staged.moveTo(targetPath);
}

} // namespace velkora
