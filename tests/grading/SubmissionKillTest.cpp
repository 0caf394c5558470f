#include "grading/ScoreSheet.h"
#include "store/Sql.h"
#include "support/TestBank.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace velkora;
using namespace velkora::test;

namespace {

constexpr int questionCount = 2000;

// What the bank says of the latest submission: how many questions carry
// the latest wrong mark, how many are in the wrong-question bank, and the
// score rows of types with questions (the others go in a step of their own
// after the submission, so a kill may leave them either way).
struct SubmissionState {
    QString latest, inBank, sheet;
    bool operator==(const SubmissionState &) const = default;
};

class SubmissionKillTest : public ::testing::Test {
protected:
    void SetUp() override {
        bank.addStandardTypes();
        chapter = bank.addChapterPath();
        sql::inTransaction(bank.db(), [&] {
            const RowId group = bank.writer().addGroup(chapter, SingleA1);
            for (int i = 0; i < questionCount; ++i)
                bank.addChoice(group, QStringLiteral("题%1").arg(i), "A");
        });
        restoreOldState();
        oldState = state();
    }
    // An earlier submission: every tenth question marked, one score row.
    void restoreOldState() {
        sql::inTransaction(bank.db(), [&] {
            bank.exec("UPDATE question SET ct='', ct1=''");
            bank.exec("UPDATE question SET ct='1', ct1='1' WHERE id % 10 = 0");
            bank.exec("DELETE FROM fenshu");
            ScoreSheet(bank.db()).append({"前一次", 10, 9});
        });
    }
    SubmissionState state() const {
        return {bank.scalar("SELECT count(*) FROM question WHERE ct1='1'"),
                bank.scalar("SELECT count(*) FROM question WHERE ct='1'"),
                bank.scalar("SELECT group_concat(tx || ':' || sts || ':' || dd, ';') FROM fenshu "
                            "WHERE sts <> '0'")};
    }
    TestBank bank;
    RowId chapter = 0;
    SubmissionState oldState;
};

} // namespace

TEST_F(SubmissionKillTest, AKilledSubmissionLeavesAllOfTheOldStateOrAllOfTheNew) {
    bank.connection().close(); // the child works on the file alone
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(QStringLiteral(VELKORA_SUBMISSION_CHILD),
                {bank.filePath(), QString::number(chapter)});
    ASSERT_TRUE(child.waitForFinished(60000));
    ASSERT_EQ(child.exitCode(), 0) << child.readAllStandardError().toStdString();
    const qint64 fullRun = clock.elapsed();
    ASSERT_TRUE(bank.connection().open());
    const SubmissionState newState = state();
    ASSERT_NE(newState, oldState);
    EXPECT_EQ(newState.latest, QString::number(questionCount));

    int oldSeen = 0, newSeen = 0;
    for (int kill = 0; kill < 60; ++kill) {
        restoreOldState();
        bank.connection().close();
        child.start(QStringLiteral(VELKORA_SUBMISSION_CHILD),
                    {bank.filePath(), QString::number(chapter)});
        ASSERT_TRUE(child.waitForReadyRead(30000)); // "ready": the submission starts now
        const int delay = QRandomGenerator::global()->bounded(int(qMax<qint64>(fullRun, 20)));
        if (!child.waitForFinished(delay))
            child.kill();
        child.waitForFinished(10000);
        ASSERT_TRUE(bank.connection().open()) << bank.connection().problem().toStdString();
        const SubmissionState after = state();
        EXPECT_TRUE(after == oldState || after == newState)
            << "kill " << kill << " after " << delay << " ms left " << after.latest.toStdString()
            << " latest marks, " << after.inBank.toStdString() << " in the bank, sheet "
            << after.sheet.toStdString();
        (after == oldState ? oldSeen : newSeen)++;
    }
    // The kills fell both before and after the commit.
    EXPECT_GT(oldSeen, 0);
}
