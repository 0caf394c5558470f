#include "store/Schema.h"
#include "store/BankConnection.h"
#include "store/BankFile.h"
#include "store/BankQueries.h"
#include "store/BankWriter.h"
#include "store/Sql.h"
#include "store/StoreError.h"
#include "support/TestBank.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkora;

namespace {

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &content) {
    const QString path = QDir(dir.path()).filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(content);
    return path;
}

} // namespace

TEST(BankFile, RefusesMissingForeignAndDamagedFiles) {
    QTemporaryDir dir;
    BankConnection missing(QDir(dir.path()).filePath("none.mdb"), "missing");
    EXPECT_FALSE(missing.open());
    EXPECT_TRUE(missing.problem().contains(QStringLiteral("找不到题库文件")));

    BankConnection foreign(
        writeFile(dir, "access.mdb", QByteArray("\x00\x01\x00\x00Standard Jet DB", 19)), "foreign");
    EXPECT_FALSE(foreign.open());
    EXPECT_TRUE(foreign.problem().contains(QStringLiteral("不是有效的题库文件")));

    BankConnection empty(writeFile(dir, "empty.mdb", {}), "empty");
    EXPECT_FALSE(empty.open());

    // A real header followed by garbage: the header check passes, the first read fails.
    QByteArray damaged("SQLite format 3\0", 16);
    damaged += QByteArray(4096, '\x7f');
    BankConnection broken(writeFile(dir, "broken.mdb", damaged), "broken");
    EXPECT_FALSE(broken.open());
    EXPECT_FALSE(broken.isOpen());
    EXPECT_FALSE(broken.problem().isEmpty());
}

TEST(BankFile, OpensABankMadeWithOnlyTheKnownColumns) {
    // Another tool's bank: the bare tables, no defaults, no indexes, NULL flags.
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("other.mdb");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "other-make");
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        for (const schema::Table &table : schema::tables()) {
            QStringList columns;
            for (const QString &c : table.columns)
                columns << "\"" + c + "\"";
            QSqlQuery(db).exec(QString("CREATE TABLE %1 (%2)").arg(table.name, columns.join(',')));
        }
        QSqlQuery(db).exec("INSERT INTO tree (id, nodename, parentid, code) VALUES (1,'P',0,1),"
                           "(2,'S',1,2),(3,'C',2,3)");
        QSqlQuery(db).exec("INSERT INTO readtext (id, treeid, qtypeid) VALUES (5, 3, 3)");
        QSqlQuery(db).exec("INSERT INTO question (id, readtextid, content) VALUES (9, 5, 'q')");
        // Keys not in option order: the stored order is what counts.
        QSqlQuery(db).exec("INSERT INTO opinion (id, questionid, code) VALUES ('k9', 9, 'A'),"
                           "('k1', 9, 'B'), ('k5', 9, 'C')");
        db.close();
    }
    QSqlDatabase::removeDatabase("other-make");

    BankConnection bank(path, "other");
    ASSERT_TRUE(bank.open()) << bank.problem().toStdString();
    EXPECT_TRUE(schema::missingParts(bank.database()).isEmpty());
    QSqlQuery indexes(bank.database());
    indexes.exec(
        "SELECT count(*) FROM sqlite_master WHERE type='index' AND name='question_readtextid'");
    indexes.next();
    EXPECT_EQ(indexes.value(0).toInt(), 1);

    const BankQueries queries(bank.database());
    const auto question = queries.question(9);
    ASSERT_TRUE(question);
    EXPECT_FALSE(question->favourite); // NULL reads as clear
    EXPECT_FALSE(question->wrong);
    EXPECT_TRUE(queries.chapters(2, ViewMode::Favourites).isEmpty());
    EXPECT_EQ(queries.chapters(2, ViewMode::ChapterPractice).size(), 1);
    EXPECT_FALSE(queries.anyQuestionFlagged(ViewMode::WrongQuestions));
    QStringList letters;
    for (const OptionRow &o : queries.options(9))
        letters << o.letter;
    EXPECT_EQ(letters, (QStringList{"A", "B", "C"}));
}

TEST(BankFile, ReportsWhatAnIncompleteBankLacks) {
    test::TestBank bank;
    bank.exec("DROP TABLE geshu");
    bank.exec("DROP INDEX question_ct1");
    bank.exec("ALTER TABLE question DROP COLUMN ct1");
    const QStringList missing = schema::missingParts(bank.db());
    EXPECT_TRUE(missing.contains("geshu"));
    EXPECT_TRUE(missing.contains("question.ct1"));
    EXPECT_EQ(missing.size(), 2);
}

namespace {
// A bank of many pages in a temporary folder, closed, for damaging on disk.
QString largeClosedBank(const QTemporaryDir &dir) {
    const QString path = QDir(dir.path()).filePath("large.mdb");
    writeBankFile(path, [](BankWriter &writer) {
        for (int i = 0; i < 3000; ++i)
            writer.addQuestion(1, QString(40, QChar(0x4e00 + i % 100)), "A", {}, {});
    });
    return path;
}
} // namespace

TEST(BankFile, RefusesABankDamagedPastItsFirstPageWithoutDriverText) {
    QTemporaryDir dir;
    const QString path = largeClosedBank(dir);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_GT(file.size(), 40 * 4096);
    file.seek(file.size() / 2);
    file.write(QByteArray(3 * 4096, '\x5a'));
    file.close();

    BankConnection bank(path, "damaged");
    EXPECT_FALSE(bank.open());
    EXPECT_TRUE(bank.problem().contains(QStringLiteral("已损坏"))) << bank.problem().toStdString();
    EXPECT_FALSE(bank.problem().contains("malformed"));
    EXPECT_EQ(BankConnection::bankFileProblem(path), bank.problem());
}

TEST(BankFile, RefusesABankWithoutWhatThePagesNeedButNotOneWithoutSubjectOrCount) {
    for (const char *change : {"DROP TABLE readtext", "ALTER TABLE question DROP COLUMN content",
                               "ALTER TABLE qtype RENAME TO types"}) {
        test::TestBank bank;
        bank.exec(change);
        bank.connection().close();
        EXPECT_FALSE(bank.connection().open()) << change;
        EXPECT_TRUE(bank.connection().problem().contains(QStringLiteral("缺少试题所需的表或列")))
            << change;
        EXPECT_FALSE(BankConnection::bankFileProblem(bank.filePath()).isEmpty());
    }
    test::TestBank bank;
    bank.exec("DROP TABLE kemu");
    bank.exec("DROP TABLE geshu");
    bank.connection().close();
    EXPECT_TRUE(bank.connection().open()) << bank.connection().problem().toStdString();
    EXPECT_TRUE(BankConnection::bankFileProblem(bank.filePath()).isEmpty());
}

TEST(BankFile, EveryOpeningAfterTheFirstIsToldWhetherTheFileOpensOrNot) {
    test::TestBank bank;
    bank.connection().close();
    QTemporaryDir dir;
    BankConnection restored(QDir(dir.path()).filePath("med.mdb"), "restored");
    QSignalSpy reopened(&restored, &BankConnection::reopened);
    EXPECT_FALSE(restored.open()); // the first: no one has read from it yet
    EXPECT_TRUE(reopened.isEmpty());

    // As a restore brings back a program that started without a bank.
    ASSERT_TRUE(QFile::copy(bank.filePath(), restored.filePath()));
    EXPECT_TRUE(restored.open());
    EXPECT_EQ(reopened.size(), 1);
    restored.close();
    EXPECT_EQ(reopened.size(), 1); // closing alone tells nothing

    ASSERT_TRUE(QFile::remove(restored.filePath()));
    EXPECT_FALSE(restored.open());
    EXPECT_EQ(reopened.size(), 2);
    EXPECT_FALSE(restored.isOpen());
}

TEST(Transactions, AFailureLeavesNothingHalfWritten) {
    test::TestBank bank;
    bank.writer().addNode("P", 0, 1);
    EXPECT_THROW(sql::inTransaction(bank.db(),
                                    [&] {
                                        sql::run(bank.db(), "UPDATE tree SET scbt='1'");
                                        sql::run(bank.db(), "UPDATE no_such_table SET x=1");
                                    }),
                 StoreError);
    EXPECT_EQ(bank.scalar("SELECT scbt FROM tree"), "");
}

TEST(Transactions, NestedWorkIsUndoneAloneOrWithTheOuterTransaction) {
    test::TestBank bank;
    bank.writer().addNode("P", 0, 1);
    const auto failingInner = [&] {
        sql::inTransaction(bank.db(), [&] {
            sql::run(bank.db(), "UPDATE tree SET ct='1'");
            throw StoreError("inner", "fails");
        });
    };
    sql::inTransaction(bank.db(), [&] {
        sql::run(bank.db(), "UPDATE tree SET scbt='1'");
        EXPECT_THROW(failingInner(), StoreError);
    });
    EXPECT_EQ(bank.scalar("SELECT scbt || '/' || ct FROM tree"), "1/");

    EXPECT_THROW(sql::inTransaction(bank.db(),
                                    [&] {
                                        sql::inTransaction(bank.db(), [&] {
                                            sql::run(bank.db(), "UPDATE tree SET ct='1'");
                                        });
                                        throw StoreError("outer", "fails");
                                    }),
                 StoreError);
    EXPECT_EQ(bank.scalar("SELECT scbt || '/' || ct FROM tree"), "1/");
    // No savepoint is left open: a write now is committed at once.
    sql::run(bank.db(), "UPDATE tree SET ct='2'");
    EXPECT_FALSE(bank.db().commit()) << "a transaction was left open";
}
