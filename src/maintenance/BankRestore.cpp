#include "maintenance/BankRestore.h"

#include "maintenance/BankFileCheck.h"
#include "store/BankConnection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>

namespace velkora {

Q_LOGGING_CATEGORY(lcRestore, "velkora.maintenance")

namespace {

constexpr qint64 chunkSize = 1 << 20;

bool copyContent(QFile &from, QSaveFile &to) {
    while (!from.atEnd()) {
        const QByteArray chunk = from.read(chunkSize);
        if (chunk.isEmpty() || to.write(chunk) != chunk.size())
            return false;
    }
    return true;
}

} // namespace

bool BankRestore::replace(BankConnection &bank, const QString &backupPath) {
    if (const QString problem = BankFileCheck::problemOf(backupPath); !problem.isEmpty()) {
        qCWarning(lcRestore) << "restore refused:" << problem;
        return false;
    }
    const QString bankPath = bank.filePath();
    QDir().mkpath(QFileInfo(bankPath).absolutePath()); // a program that lost its Data folder
    QFile backup(backupPath);
    // QSaveFile writes beside the bank and renames over it on commit.
    QSaveFile staged(bankPath);
    if (!backup.open(QIODevice::ReadOnly) || !staged.open(QIODevice::WriteOnly) ||
        !copyContent(backup, staged)) {
        qCWarning(lcRestore) << "restore: copy of" << backupPath
                             << "not made:" << backup.errorString() << staged.errorString();
        staged.cancelWriting();
        return false;
    }
    const bool wasOpen = bank.isOpen();
    bank.close();
    if (!staged.commit()) {
        qCWarning(lcRestore) << "restore: bank not replaced:" << staged.errorString();
        if (wasOpen)
            bank.open();
        return false;
    }
    if (!bank.open()) {
        qCWarning(lcRestore) << "restore: restored bank does not open:" << bank.problem();
        return false;
    }
    return true;
}

} // namespace velkora
