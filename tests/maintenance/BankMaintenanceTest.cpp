#include "maintenance/BankBackup.h"
#include "maintenance/BankFileCheck.h"
#include "maintenance/BankRestore.h"
#include "support/TestBank.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkora;
using velkora::test::TestBank;

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

    ASSERT_TRUE(BankRestore::replace(bank.connection(), backupPath()));
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

    for (const QString &path : {truncated, text, header, otherSchema, backupPath("数据备份dir"),
                                backupPath("数据备份none"), QString()}) {
        EXPECT_FALSE(BankRestore::replace(bank.connection(), path)) << path.toStdString();
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

    ASSERT_TRUE(BankRestore::replace(bank.connection(), backupPath()));
    EXPECT_TRUE(bank.connection().isOpen());
    EXPECT_EQ(bank.scalar("SELECT count(*) FROM question"), "4");
}
