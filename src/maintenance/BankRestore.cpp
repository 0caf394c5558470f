#include "maintenance/BankRestore.h"

#include "base/FileReplacement.h"
#include "maintenance/BankFileCheck.h"
#include "maintenance/RegularFile.h"
#include "store/BankConnection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

namespace velkora {

Q_LOGGING_CATEGORY(lcRestore, "velkora.maintenance")

namespace {

// Where SQLite keeps content of a database that is not in its main file
// yet: the write-ahead log, and the rollback journal of a transaction that
// was cut short.
const char *const sideFileSuffixes[] = {"-wal", "-journal"};

// A file with content beside it is not whole on its own: copied alone, it
// would install stale or half-written content.
bool hasSideContent(const QString &path) {
    for (const char *suffix : sideFileSuffixes) {
        if (QFileInfo(path + QLatin1String(suffix)).size() > 0)
            return true;
    }
    return false;
}

// A database last written in write-ahead-log mode says so in two bytes of
// its header. With no log beside it, its main file holds all its content,
// and with those two bytes set back it is a database of the default
// rollback mode: one file, like every bank, that SQLite opens read-only
// without looking for a log.
bool leaveWalMode(QFile &copy) {
    constexpr qint64 versionsOffset = 18;
    static const QByteArray walMode("\x02\x02", 2);
    static const QByteArray rollbackMode("\x01\x01", 2);
    if (!copy.seek(versionsOffset))
        return false;
    if (copy.read(walMode.size()) != walMode)
        return true;
    return copy.seek(versionsOffset) && copy.write(rollbackMode) == rollbackMode.size();
}

} // namespace

BankRestore::BankRestore(QString backupPath, QString bankPath)
    : m_backupPath(std::move(backupPath)), m_bankPath(std::move(bankPath)) {}

BankRestore::Outcome BankRestore::stage() {
    const Outcome outcome = copyAndCheck();
    if (outcome != Outcome::Staged)
        m_staged = {};
    return outcome;
}

BankRestore::Outcome BankRestore::copyAndCheck() {
    QFile backup;
    switch (RegularFile::open(backup, m_backupPath)) {
    case RegularFile::Access::Opened:
        break;
    case RegularFile::Access::Missing:
        qCWarning(lcRestore) << "restore: no file" << m_backupPath;
        return Outcome::Missing;
    case RegularFile::Access::NotRegular:
        return Outcome::NotABank;
    case RegularFile::Access::Unreadable:
        return Outcome::Failed;
    }
    if (hasSideContent(m_backupPath)) {
        qCWarning(lcRestore) << "restore refused:" << m_backupPath
                             << "has content in a log or journal beside it";
        return Outcome::NotABank;
    }
    const QString bankFolder = QFileInfo(m_bankPath).absolutePath();
    QDir().mkpath(bankFolder); // a program that lost its Data folder
    StagingFile::removeLeftovers({bankFolder});
    m_staged = StagingFile::createIn(bankFolder);
    QFile copy(m_staged.path());
    if (m_staged.isNull() || !copy.open(QIODevice::ReadWrite) || !copyContent(backup, copy) ||
        !leaveWalMode(copy) || !copy.flush() || !syncToDisk(m_staged.path())) {
        qCWarning(lcRestore) << "restore: copy of" << m_backupPath
                             << "not made:" << backup.errorString() << copy.errorString();
        return Outcome::Failed;
    }
    copy.close();
    if (const QString problem = BankFileCheck::bankProblem(m_staged.path()); !problem.isEmpty()) {
        qCWarning(lcRestore) << "restore refused:" << m_backupPath
                             << "is no whole bank:" << problem;
        return Outcome::NotABank;
    }
    return Outcome::Staged;
}

BankRestore::Outcome BankRestore::install(BankConnection &bank) {
    if (m_staged.isNull())
        return Outcome::Failed;
    const bool wasOpen = bank.isOpen();
    bank.close();
    // What SQLite kept beside the old bank belongs to the old content, and
    // would be read into the new one.
    for (const char *suffix : sideFileSuffixes)
        QFile::remove(m_bankPath + QLatin1String(suffix));
    if (!m_staged.moveTo(m_bankPath)) {
        if (wasOpen)
            bank.open();
        return Outcome::Failed;
    }
    if (!bank.open()) {
        qCWarning(lcRestore) << "restore: restored bank does not open:" << bank.problem();
        return Outcome::RestoredNotOpened;
    }
    return Outcome::Restored;
}

BankRestore::Outcome BankRestore::replace(BankConnection &bank, const QString &backupPath) {
    BankRestore restore(backupPath, bank.filePath());
    const Outcome staged = restore.stage();
    return staged == Outcome::Staged ? restore.install(bank) : staged;
}

} // namespace velkora
