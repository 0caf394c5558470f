#include "maintenance/BankRestore.h"

#include "maintenance/FileReplacement.h"
#include "store/BankConnection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTemporaryFile>
#include <unistd.h>

namespace velkora {

Q_LOGGING_CATEGORY(lcRestore, "velkora.maintenance")

namespace {

const QString stagedPrefix = QStringLiteral(".med.mdb.restore-");

bool copyToDisk(QFile &from, QFile &to) {
    // On disk before it is renamed over the bank, so a power cut cannot
    // leave a bank of the new name with parts of its content missing.
    return copyContent(from, to) && to.flush() && ::fsync(to.handle()) == 0;
}

// Copies of restores that were cut short by the end of the process.
void removeStagedLeftovers(const QDir &bankFolder) {
    const QStringList leftovers =
        bankFolder.entryList({stagedPrefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden);
    for (const QString &name : leftovers) {
        qCInfo(lcRestore) << "removing an unfinished restore copy" << name;
        QFile::remove(bankFolder.filePath(name));
    }
}

} // namespace

bool BankRestore::replace(BankConnection &bank, const QString &backupPath) {
    if (const QString problem = BankConnection::bankFileProblem(backupPath); !problem.isEmpty()) {
        qCWarning(lcRestore) << "restore refused:" << problem;
        return false;
    }
    const QString bankPath = bank.filePath();
    const QDir bankFolder = QFileInfo(bankPath).absoluteDir();
    bankFolder.mkpath(QStringLiteral(".")); // a program that lost its Data folder
    removeStagedLeftovers(bankFolder);
    QFile backup(backupPath);
    QTemporaryFile staged(bankFolder.filePath(stagedPrefix + QStringLiteral("XXXXXX")));
    if (!backup.open(QIODevice::ReadOnly) || !staged.open() || !copyToDisk(backup, staged)) {
        qCWarning(lcRestore) << "restore: copy of" << backupPath
                             << "not made:" << backup.errorString() << staged.errorString();
        return false;
    }
    staged.close();
    const bool wasOpen = bank.isOpen();
    bank.close();
    if (!replaceFile(staged.fileName(), bankPath)) {
        if (wasOpen)
            bank.open();
        return false;
    }
    staged.setAutoRemove(false); // it is the bank now
    if (!bank.open()) {
        qCWarning(lcRestore) << "restore: restored bank does not open:" << bank.problem();
        return false;
    }
    return true;
}

} // namespace velkora
