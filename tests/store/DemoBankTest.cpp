// The demo bank as the build installs it: real-looking and self-consistent.
#include "base/ProgramFolder.h"
#include "browse/NavigationTree.h"
#include "store/BankConnection.h"
#include "store/BankQueries.h"
#include "store/Sql.h"

#include <QFileInfo>
#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace velkora;

class DemoBank : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(bank.open()) << bank.problem().toStdString(); }
    QString scalar(const QString &query) {
        QSqlQuery q = sql::run(bank.database(), query);
        return q.next() ? q.value(0).toString() : QString();
    }
    ProgramFolder folder{VELKORA_PROGRAM_DIR};
    BankConnection bank{folder.bankPath(), "demo-bank"};
};

TEST_F(DemoBank, CountsAndTypesAreThoseTheProgramRelies) {
    EXPECT_EQ(scalar("SELECT mz FROM kemu"), "职业病");
    EXPECT_EQ(scalar("SELECT kemugeshu FROM geshu"), scalar("SELECT count(*) FROM question"));
    EXPECT_GE(scalar("SELECT count(*) FROM question").toInt(), 200);
    EXPECT_EQ(scalar("SELECT group_concat(code, '') FROM (SELECT code FROM qtype ORDER BY id)"),
              "123456789");
    EXPECT_EQ(scalar("SELECT min(id) || '-' || max(id) FROM qtype"), "3-11");
    EXPECT_EQ(scalar("SELECT group_concat(txs) FROM (SELECT txs FROM ts ORDER BY rowid)"),
              "20,10,2,2");
    EXPECT_GE(scalar("SELECT count(*) FROM tree WHERE code=3").toInt(), 12);
    EXPECT_GE(scalar("SELECT count(*) FROM readtext WHERE qtypeid=10").toInt(), 3);
    EXPECT_GE(scalar("SELECT count(*) FROM readtext WHERE qtypeid=11 AND opnum=5").toInt(), 3);
}

TEST_F(DemoBank, TheFirstChapterSitsAtPositionTwo) {
    NavigationTree tree;
    buildNavigationTree(BankQueries(bank.database()), ViewMode::ChapterPractice, tree);
    ASSERT_GT(tree.nodeCount(), 2);
    EXPECT_EQ(tree.nodeIds[0], 0);
    EXPECT_EQ(tree.nodeIds[1], 0);
    EXPECT_NE(tree.nodeIds[2], 0);
}

TEST_F(DemoBank, EveryAnswerNamesOptionsTheQuestionHas) {
    QSqlQuery q = sql::run(
        bank.database(), "SELECT question.id, answer, qtype.code, readtext.opnum FROM question "
                         "JOIN readtext ON readtext.id=readtextid JOIN qtype ON qtype.id=qtypeid");
    const BankQueries queries(bank.database());
    int checked = 0;
    while (q.next()) {
        const int id = q.value(0).toInt();
        const QString answer = q.value(1).toString().trimmed();
        QString letters;
        if (q.value(2).toInt() == 9) {
            for (int k = 0; k < q.value(3).toInt(); ++k)
                letters += QChar(char16_t(u'A' + k));
        } else {
            for (const OptionRow &o : queries.options(id))
                letters += o.letter;
        }
        ASSERT_FALSE(answer.isEmpty()) << id;
        for (const QChar letter : answer)
            EXPECT_TRUE(letters.contains(letter)) << "question " << id;
        ++checked;
    }
    EXPECT_GE(checked, 200);
}

TEST_F(DemoBank, EveryPictureIsInstalled) {
    QSqlQuery q = sql::run(bank.database(), "SELECT picurl FROM question WHERE trim(picurl)<>''");
    int pictures = 0;
    while (q.next()) {
        EXPECT_TRUE(QFileInfo(folder.path(q.value(0).toString().trimmed())).isFile())
            << q.value(0).toString().toStdString();
        ++pictures;
    }
    EXPECT_GE(pictures, 2);
}
