#include "maintenance/BankBackup.h"
#include "maintenance/BankFileCheck.h"
#include "maintenance/BankRestore.h"
#include "store/Schema.h"
#include "store/ScopedDatabase.h"
#include "store/Sql.h"
#include "support/TestBank.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace velkora;
using velkora::test::TestBank;
using Outcome = BankRestore::Outcome;

namespace {

QString writeFile(const QString &path, const QByteArray &content) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(content);
    return path;
}

QByteArray readFile(const QString &path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// The learner's state that a backup must carry: favourites, wrong
// questions, exam settings and the last paper.
struct LearnerState {
    QString favourites, wrong, settings, paper;
    bool operator==(const LearnerState &) const = default;
};

// Runs `change` on a connection of its own to a SQLite file.
void edit(const QString &path, const std::function<void(const QSqlDatabase &)> &change) {
    const ScopedDatabase file(QStringLiteral("QSQLITE"), path);
    ASSERT_TRUE(file.database().open()) << path.toStdString();
    change(file.database());
}

// Copies `from` and its write-ahead log to `to` after writing `change` in
// write-ahead-log mode, while a connection still keeps the log from being
// folded into the main file: the change is in the copied log only.
void copyWithLog(const QString &from, const QString &to,
                 const std::function<void(const QSqlDatabase &)> &change) {
    edit(from, [&](const QSqlDatabase &db) {
        sql::run(db, "PRAGMA journal_mode=WAL");
        sql::run(db, "PRAGMA wal_autocheckpoint=0");
        change(db);
        ASSERT_TRUE(QFile::copy(from, to));
        ASSERT_TRUE(QFile::copy(from + "-wal", to + "-wal"));
    });
}

LearnerState learnerState(const TestBank &bank) {
    return {bank.scalar("SELECT group_concat(id) FROM question WHERE scbt='1'"),
            bank.scalar("SELECT group_concat(id) FROM question WHERE ct='1'"),
            bank.scalar("SELECT group_concat(txs || ':' || fg) FROM ts"),
            bank.scalar("SELECT group_concat(tid || '=' || tjda) FROM sj")};
}

class BankMaintenance : public ::testing::Test {
protected:
    BankMaintenance() {
        bank.addStandardTypes();
        const int chapter = bank.addChapterPath();
        const int group = bank.writer().addGroup(chapter, test::SingleA1);
        for (int i = 1; i <= 4; ++i)
            questions << bank.addChoice(group, QString("题%1").arg(i), "A");
    }
    QString backupPath(const QString &name = QStringLiteral("数据备份2026-12-09")) const {
        return QDir(outside.path()).filePath(name);
    }
    // Files in a folder other than the ones a test put there on purpose.
    static QStringList entries(const QString &folder) {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    TestBank bank;
    QTemporaryDir outside;
    QList<int> questions;
};

} // namespace

TEST_F(BankMaintenance, BackupOfTheOpenBankReplacesAnEarlierFile) {
    const QString target = writeFile(backupPath(), "an older backup");
    bank.exec(QString("UPDATE question SET scbt='1' WHERE id=%1").arg(questions[1]));

    ASSERT_TRUE(BankBackup::write(bank.filePath(), target));

    EXPECT_TRUE(BankFileCheck::integrityProblem(target).isEmpty());
    EXPECT_EQ(entries(outside.path()), QStringList{QFileInfo(target).fileName()});
    TestBank copy;
    copy.connection().close();
    QFile::remove(copy.filePath());
    ASSERT_TRUE(QFile::copy(target, copy.filePath()));
    ASSERT_TRUE(copy.connection().open());
    EXPECT_EQ(copy.scalar("SELECT id FROM question WHERE scbt='1'"), QString::number(questions[1]));
    // The program's connection is still usable.
    EXPECT_EQ(bank.scalar("SELECT count(*) FROM question"), "4");
}

TEST_F(BankMaintenance, AFailedBackupLeavesNothingBehindAndTheEarlierFileIntact) {
    const QString earlier = writeFile(backupPath(), "an older backup");
    // A folder of the chosen name, a folder that is not there, a folder
    // below a file: none can take the copy.
    QDir(outside.path()).mkdir("数据备份folder");
    EXPECT_FALSE(BankBackup::write(bank.filePath(), backupPath("数据备份folder")));
    EXPECT_FALSE(BankBackup::write(bank.filePath(), backupPath("none/数据备份")));
    EXPECT_FALSE(BankBackup::write(bank.filePath(), earlier + "/数据备份"));
    // Nor can the bank be backed up onto itself, nor a missing bank be copied.
    EXPECT_FALSE(BankBackup::write(bank.filePath(), bank.filePath()));
    EXPECT_FALSE(BankBackup::write(bank.folder() + "/Data/none.mdb", earlier));

    EXPECT_EQ(readFile(earlier), "an older backup");
    QStringList left = entries(outside.path());
    left.sort();
    EXPECT_EQ(left, (QStringList{"数据备份2026-12-09", "数据备份folder"}));
    EXPECT_TRUE(entries(outside.path() + "/数据备份folder").isEmpty());
    EXPECT_EQ(bank.scalar("SELECT count(*) FROM question"), "4");
}

TEST_F(BankMaintenance, RoundTripReturnsTheLearnersState) {
    bank.exec(QString("UPDATE question SET scbt='1' WHERE id IN (%1,%2)")
                  .arg(questions[0])
                  .arg(questions[2]));
    bank.exec(QString("UPDATE question SET ct='1' WHERE id=%1").arg(questions[3]));
    bank.exec("DELETE FROM ts");
    bank.exec("INSERT INTO ts (txs, fg) VALUES (1, 30), (2, 15)");
    bank.exec("INSERT INTO sj (tid, lx, tjda) VALUES ('1', 'a1', 'B'), ('2', 'a1', 'C')");
    const LearnerState atBackup = learnerState(bank);
    ASSERT_TRUE(BankBackup::write(bank.filePath(), backupPath()));

    bank.exec("UPDATE question SET scbt='', ct=''");
    bank.exec("DELETE FROM ts");
    bank.exec("DELETE FROM sj");
    ASSERT_NE(learnerState(bank), atBackup);

    ASSERT_EQ(BankRestore::replace(bank.connection(), backupPath()), Outcome::Restored);
    EXPECT_TRUE(bank.connection().isOpen());
    EXPECT_EQ(learnerState(bank), atBackup);
    EXPECT_TRUE(BankFileCheck::integrityProblem(bank.filePath()).isEmpty());
    // Only the bank is left in its folder: the temporary copy became it.
    EXPECT_EQ(entries(bank.folder() + "/Data"), QStringList{"med.mdb"});
}

TEST_F(BankMaintenance, RestoreRefusesWhatIsNotABankAndChangesNothing) {
    ASSERT_TRUE(BankBackup::write(bank.filePath(), backupPath()));
    const QByteArray whole = readFile(backupPath());
    const QString truncated =
        writeFile(backupPath("数据备份truncated"), whole.left(whole.size() / 2));
    const QString text = writeFile(backupPath("数据备份.txt"), "职业病\n题库备份\n");
    const QString header =
        writeFile(backupPath("数据备份header"), QByteArray("SQLite format 3\0", 16));
    QString otherSchema = backupPath("数据备份other");
    {
        TestBank other;
        other.exec("DROP TABLE opinion");
        other.connection().close();
        QFile::copy(other.filePath(), otherSchema);
    }
    QDir(outside.path()).mkdir("数据备份dir");
    bank.exec(QString("UPDATE question SET scbt='1' WHERE id=%1").arg(questions[0]));
    const QByteArray before = readFile(bank.filePath());

    const QList<std::pair<QString, Outcome>> refusals = {
        {truncated, Outcome::NotABank},
        {text, Outcome::NotABank},
        {header, Outcome::NotABank},
        {otherSchema, Outcome::NotABank},
        {backupPath("数据备份dir"), Outcome::NotABank},
        {backupPath("数据备份none"), Outcome::Missing},
        {QString(), Outcome::Missing}};
    for (const auto &[path, outcome] : refusals) {
        EXPECT_EQ(BankRestore::replace(bank.connection(), path), outcome) << path.toStdString();
        EXPECT_FALSE(BankConnection::bankFileProblem(path).isEmpty()) << path.toStdString();
    }
    EXPECT_EQ(readFile(bank.filePath()), before);
    EXPECT_TRUE(bank.connection().isOpen());
    EXPECT_EQ(bank.scalar("SELECT id FROM question WHERE scbt='1'"), QString::number(questions[0]));
    EXPECT_EQ(entries(bank.folder() + "/Data"), QStringList{"med.mdb"});
}

TEST_F(BankMaintenance, RestoreBringsBackAProgramWithoutABank) {
    ASSERT_TRUE(BankBackup::write(bank.filePath(), backupPath()));
    bank.connection().close();
    QDir(bank.folder()).removeRecursively();
    ASSERT_FALSE(bank.connection().open());

    ASSERT_EQ(BankRestore::replace(bank.connection(), backupPath()), Outcome::Restored);
    EXPECT_TRUE(bank.connection().isOpen());
    EXPECT_EQ(bank.scalar("SELECT count(*) FROM question"), "4");
}

// Files that SQLite, opened on them by name, takes for a good bank, or that
// block whoever reads them: the restore copies each alone and checks that
// copy, so none replaces the bank.
TEST_F(BankMaintenance, RestoreRefusesWhatIsNoWholeBankOnItsOwnAndChangesNothing) {
    const auto scratch = [this](const QString &name) {
        const QString path = backupPath("scratch-" + name);
        QFile::copy(bank.filePath(), path);
        return path;
    };
    // All of the bank is in the log; the main file holds no table.
    const QString allInLog = backupPath("数据备份-wal");
    copyWithLog(backupPath("scratch-empty"), allInLog, [](const QSqlDatabase &db) {
        schema::create(db);
        sql::run(db, "INSERT INTO question (id, content) VALUES (1, '题')");
    });
    // The main file is a whole bank, but older than the log beside it.
    const QString staleMain = backupPath("数据备份-stale");
    copyWithLog(scratch("stale"), staleMain,
                [](const QSqlDatabase &db) { sql::run(db, "UPDATE kemu SET mz = '新科目'"); });
    // An index that does not match its table: a quick check misses it.
    const QString badIndex = scratch("index");
    edit(badIndex, [&](const QSqlDatabase &db) {
        sql::run(db, QString("UPDATE question SET scbt = '1' WHERE id = %1").arg(questions[0]));
        sql::run(db, "PRAGMA writable_schema = ON");
        sql::run(db, "UPDATE sqlite_master SET sql = 'CREATE INDEX question_scbt ON question (ct)' "
                     "WHERE name = 'question_scbt'");
    });
    // Every table a view with no rows.
    const QString views = backupPath("数据备份-views");
    edit(views, [](const QSqlDatabase &db) {
        for (const schema::Table &table : schema::tables()) {
            QStringList columns;
            for (const QString &column : table.columns)
                columns << QString("NULL AS \"%1\"").arg(column);
            sql::run(
                db,
                QString("CREATE VIEW %1 AS SELECT %2 WHERE 0").arg(table.name, columns.join(", ")));
        }
    });
    for (const QString &path : {allInLog, staleMain, badIndex, views})
        ASSERT_EQ(BankConnection::bankFileProblem(path), QString()) << path.toStdString();
    const QString pipe = backupPath("数据备份-2026-12-09");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QByteArray before = readFile(bank.filePath());

    for (const QString &path : {allInLog, staleMain, badIndex, views, pipe})
        EXPECT_EQ(BankRestore::replace(bank.connection(), path), Outcome::NotABank)
            << path.toStdString();
    EXPECT_EQ(readFile(bank.filePath()), before);
    EXPECT_EQ(bank.scalar("SELECT count(*) FROM question"), "4");
    EXPECT_EQ(entries(bank.folder() + "/Data"), QStringList{"med.mdb"});
}

TEST_F(BankMaintenance, ABankInWalModeWithoutALogIsRestoredAsOneFile) {
    const QString walBank = backupPath("wal.mdb");
    ASSERT_TRUE(QFile::copy(bank.filePath(), walBank));
    edit(walBank, [](const QSqlDatabase &db) {
        sql::run(db, "PRAGMA journal_mode=WAL");
        sql::run(db, "UPDATE kemu SET mz = '新科目'");
    }); // closing folds the log into the main file and removes it
    ASSERT_FALSE(QFile::exists(walBank + "-wal"));

    ASSERT_EQ(BankRestore::replace(bank.connection(), walBank), Outcome::Restored);
    EXPECT_EQ(bank.scalar("SELECT mz FROM kemu"), "新科目");
    EXPECT_EQ(bank.scalar("PRAGMA journal_mode"), "delete");
    EXPECT_EQ(entries(bank.folder() + "/Data"), QStringList{"med.mdb"});
}
