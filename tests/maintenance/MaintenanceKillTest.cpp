#include "maintenance/BankBackup.h"
#include "maintenance/BankFileCheck.h"
#include "maintenance/BankRestore.h"
#include "store/BankConnection.h"
#include "store/ScopedDatabase.h"
#include "support/TestBank.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QThread>
#include <gtest/gtest.h>

using namespace velkora;

namespace {

constexpr int kills = 60;

// Starts the child with `arguments`, lets it work for a random few
// milliseconds and kills it.
void runAndKill(const QStringList &arguments, QRandomGenerator &random) {
    QProcess child;
    child.start(VELKORA_MAINTENANCE_CHILD, arguments);
    ASSERT_TRUE(child.waitForStarted(5000));
    QThread::msleep(random.bounded(5, 80));
    ASSERT_EQ(child.state(), QProcess::Running) << "the child stopped on its own";
    child.kill();
    ASSERT_TRUE(child.waitForFinished(5000));
}

// A bank named after `subject`, large enough that a copy of it takes a
// few milliseconds, so kills land in the middle of one.
void makeBackup(const QString &subject, const QString &path) {
    test::TestBank bank;
    bank.writer().setSubject("7", subject);
    bank.addStandardTypes();
    bank.addChoice(bank.writer().addGroup(bank.addChapterPath(), test::SingleA1), "题", "A");
    bank.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) "
              "INSERT INTO opinion (questionid, code, content) "
              "SELECT i, 'A', hex(randomblob(60)) FROM n");
    bank.connection().close();
    ASSERT_TRUE(QFile::copy(bank.filePath(), path));
}

QString subjectOf(const QString &bankPath) {
    const ScopedDatabase bank = ScopedDatabase::readOnlySqlite(bankPath);
    if (!bank.database().open())
        return "<does not open>";
    QSqlQuery q(bank.database());
    return q.exec("SELECT mz FROM kemu") && q.next() ? q.value(0).toString() : "<no subject>";
}

} // namespace

TEST(RestoreKill, AKilledRestoreLeavesTheOldOrTheNewBankWhole) {
    QTemporaryDir dir;
    const QString old = dir.filePath("数据备份old");
    const QString fresh = dir.filePath("数据备份new");
    makeBackup("旧题库", old);
    makeBackup("新题库", fresh);
    QDir(dir.path()).mkdir("Data");
    const QString bankPath = dir.filePath("Data/med.mdb");
    ASSERT_TRUE(QFile::copy(old, bankPath));

    QRandomGenerator random(20261209); // fixed, so a failing run can be repeated
    QSet<QString> seen;
    for (int i = 0; i < kills; ++i) {
        ASSERT_NO_FATAL_FAILURE(runAndKill({"restore", bankPath, fresh, old}, random));
        ASSERT_EQ(BankFileCheck::integrityProblem(bankPath), QString()) << "after kill " << i;
        const QString subject = subjectOf(bankPath);
        ASSERT_TRUE(subject == "旧题库" || subject == "新题库") << subject.toStdString();
        seen.insert(subject);
    }
    // The kills fell both before and after some replacement.
    EXPECT_EQ(seen.size(), 2);

    // The next restore clears the copies that killed restores left behind.
    BankConnection bank(bankPath, "after-kills");
    ASSERT_EQ(BankRestore::replace(bank, fresh), BankRestore::Outcome::Restored);
    EXPECT_EQ(QDir(dir.path() + "/Data").entryList(QDir::Files | QDir::Hidden),
              QStringList{"med.mdb"});
}

TEST(BackupKill, AKilledBackupLeavesAWholeBackupOrNoneAndItsStagingGoesNextTime) {
    QTemporaryDir dir;
    const QString bankPath = dir.filePath("med.mdb");
    makeBackup("职业病", bankPath);
    QDir(dir.path()).mkdir("backups");
    const QString target = dir.filePath("backups/数据备份2026-12-09");
    const auto left = [&] {
        return QDir(dir.path() + "/backups").entryList(QDir::Files | QDir::Hidden);
    };
    // What is there besides the backup.
    const auto stagingLeft = [&] {
        QStringList others = left();
        others.removeAll(QFileInfo(target).fileName());
        return others;
    };

    QRandomGenerator random(20261209);
    int killsThatLeftAStagingFile = 0;
    for (int i = 0; i < kills; ++i) {
        ASSERT_NO_FATAL_FAILURE(runAndKill({"backup", bankPath, target}, random));
        if (QFile::exists(target)) {
            ASSERT_EQ(BankFileCheck::integrityProblem(target), QString()) << "after kill " << i;
        }
        // Each backup clears what the one before it left: the staging file
        // and the journal SQLite may keep beside it.
        ASSERT_LE(stagingLeft().size(), 2) << stagingLeft().join(", ").toStdString();
        if (!stagingLeft().isEmpty())
            ++killsThatLeftAStagingFile;
    }
    EXPECT_GT(killsThatLeftAStagingFile, 0) << "no kill fell in the middle of a backup";

    ASSERT_TRUE(BankBackup::write(bankPath, target));
    EXPECT_EQ(left(), QStringList{QFileInfo(target).fileName()});
}
