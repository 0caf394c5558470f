#include "grading/ChapterSubmission.h"
#include "grading/ScoreSheet.h"
#include "grading/WrongQuestionBank.h"
#include "statistics/StudyStatistics.h"
#include "store/BankQueries.h"
#include "store/Sql.h"
#include "support/FakePageView.h"
#include "support/TestBank.h"

#include <gtest/gtest.h>

using namespace velkora;
using namespace velkora::test;

namespace {

// A page holding the controls the page builder writes for the questions it
// is given; answers tick them as the learner would. Option controls stand in
// reverse order, so that only the option rows can give the letter order.
class AnsweredPage : public FakePageView {
public:
    void addChoices(const BankQueries &queries, int questionId) {
        const QList<OptionRow> options = queries.options(questionId);
        for (auto o = options.crbegin(); o != options.crend(); ++o)
            states.append({o->id, QString::number(questionId), "checkbox", false, o->letter});
    }
    void addList(int questionId) {
        states.append({"a" + QString::number(questionId), "cars", "select-one", false, "daan"});
    }
    void answer(int questionId, const QString &letters) {
        FakePageView::answer(QString::number(questionId), letters);
    }
};

class ChapterSubmissionTest : public ::testing::Test {
protected:
    void SetUp() override {
        bank.addStandardTypes();
        chapter = bank.addChapterPath();
        BankWriter &w = bank.writer();
        const int single = w.addGroup(chapter, SingleA1);
        s1 = choice(single, "A");
        s2 = choice(single, " B\t\r\n");
        multi = choice(w.addGroup(chapter, MultiX), "ACD");
        const int shared = w.addGroup(chapter, SharedOptions, "A．铅 B．汞 C．锰", 3);
        m1 = w.addQuestion(shared, "配伍一", "B");
        page.addList(m1);
        m2 = w.addQuestion(shared, "配伍二", "c");
        page.addList(m2);
    }
    int choice(int group, const QString &answer) {
        const int id = bank.addChoice(group, "题", answer);
        page.addChoices(BankQueries(bank.db()), id);
        return id;
    }
    SubmitOutcome submit(ViewMode mode = ViewMode::ChapterPractice) {
        return ChapterSubmission(bank.db(), page, [this] { return now; }).submit(chapter, mode);
    }
    // The study log as "time chapter question:correct", one entry per row in
    // row order.
    QStringList practiceLog() const {
        QSqlQuery q = sql::run(bank.db(), "SELECT answered_at, chapter_id, question_id, correct "
                                          "FROM velkora_practice_log ORDER BY id");
        QStringList rows;
        while (q.next())
            rows << QString("%1 %2 %3:%4")
                        .arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                             q.value(3).toString());
        return rows;
    }
    QString flags(int id) const {
        return bank.scalar(QString("SELECT ct || '/' || ct1 FROM question WHERE id=%1").arg(id));
    }
    QList<ScoreRow> sheet() const { return ScoreSheet(bank.db()).rows(); }

    TestBank bank;
    AnsweredPage page;
    int chapter = 0, s1 = 0, s2 = 0, multi = 0, m1 = 0, m2 = 0;
    QDateTime now{QDate(2024, 5, 1), QTime(9, 30)};
};

const QString typeB = typeTitle(SingleB);
const QString typeA3A4 = typeTitle(MultiA3A4);

} // namespace

TEST_F(ChapterSubmissionTest, ReadsEveryAnswerFromOneSnapshotAndComparesExactly) {
    page.answer(s1, "AB");     // one option too many
    page.answer(s2, "B");      // blanks around the key do not count
    page.answer(multi, "CAD"); // letters join in option order: "ACD"
    page.answer(m2, "C");      // the key is "c": case counts; m1 left at "daan"
    ASSERT_EQ(submit(), SubmitOutcome::Recorded);
    EXPECT_EQ(page.snapshots, 1);
    EXPECT_EQ(flags(s2) + flags(multi), "//");
    for (int id : {s1, m1, m2})
        EXPECT_EQ(flags(id), "1/1") << id;
    EXPECT_EQ(page.scripts, QStringList{ChapterSubmission::markStemsScript({s1, m1, m2})});
    // The merged titles without questions (typeB, typeA3A4) leave no row.
    EXPECT_EQ(sheet(), (QList<ScoreRow>{{typeTitle(SingleA1), 2, 1},
                                        {typeTitle(MultiX), 1, 1},
                                        {typeTitle(SharedOptions), 2, 0}}));
}

TEST_F(ChapterSubmissionTest, GroupsOfTheMergedTitlesBecomeOneRowOthersStayApart) {
    BankWriter &w = bank.writer();
    for (int i = 0; i < 2; ++i) {
        choice(w.addGroup(chapter, SingleB), "A");
        page.answer(choice(w.addGroup(chapter, MultiX), "E"), "E");
    }
    page.answer(s1, "A");
    ASSERT_EQ(submit(), SubmitOutcome::Recorded);
    EXPECT_EQ(sheet(), (QList<ScoreRow>{{typeTitle(SingleA1), 2, 1},
                                        {typeTitle(MultiX), 1, 0},
                                        {typeTitle(MultiX), 1, 1},
                                        {typeTitle(MultiX), 1, 1},
                                        {typeTitle(SharedOptions), 2, 0},
                                        {typeB, 2, 0}}));
}

TEST_F(ChapterSubmissionTest, OnlyTheWrongQuestionsOfTheLatestSubmissionKeepTheirMark) {
    // Marked by an earlier submission: a question of another chapter, and s2.
    const int elsewhere =
        bank.addChoice(bank.writer().addGroup(bank.addChapterPath("第二节"), SingleA1), "题", "A");
    bank.exec(
        QString("UPDATE question SET ct='1', ct1='1' WHERE id IN (%1, %2)").arg(elsewhere).arg(s2));
    page.answer(s1, "B");
    page.answer(s2, "B");
    page.answer(multi, "ACD");
    page.answer(m1, "B"); // m2 left unanswered
    ASSERT_EQ(submit(), SubmitOutcome::Recorded);
    EXPECT_EQ(flags(elsewhere), "1/"); // still in the wrong-question bank
    EXPECT_EQ(flags(s2), "1/");
    EXPECT_EQ(flags(s1), "1/1");

    page.answer(s1, "A");
    page.answer(s2, "A");
    ASSERT_EQ(submit(), SubmitOutcome::Recorded);
    EXPECT_EQ(flags(s1), "1/");
    EXPECT_EQ(flags(s2), "1/1");
    EXPECT_EQ(flags(m2), "1/1");
    EXPECT_EQ(bank.scalar("SELECT count(*) FROM question WHERE ct1<>''"), "2");
}

TEST_F(ChapterSubmissionTest, AFailureKeepsNothingOfTheSubmission) {
    ScoreSheet(bank.db()).append({"前一次", 4, 3});
    bank.exec(QString("UPDATE question SET ct1='1' WHERE id=%1").arg(s1));
    // The score rows fail after the flags are written.
    bank.exec(
        "CREATE TRIGGER sheet_full BEFORE INSERT ON fenshu BEGIN SELECT RAISE(ABORT, 'full'); END");
    EXPECT_EQ(submit(), SubmitOutcome::Failed);
    EXPECT_EQ(bank.scalar("SELECT count(*) FROM question WHERE ct='1'"), "0");
    EXPECT_EQ(flags(s1), "/1"); // the latest marks of the last submission stay
    EXPECT_EQ(sheet(), (QList<ScoreRow>{{"前一次", 4, 3}}));
    EXPECT_TRUE(page.scripts.isEmpty());
}

TEST_F(ChapterSubmissionTest, RowsWithoutQuestionsGoAfterwardsAndTheSubmissionStandsWithout) {
    bank.exec("CREATE TRIGGER keep_empty BEFORE DELETE ON fenshu WHEN old.sts = '0' "
              "BEGIN SELECT RAISE(ABORT, 'kept'); END");
    page.answer(s1, "A");
    EXPECT_EQ(submit(), SubmitOutcome::Recorded);
    EXPECT_EQ(sheet().size(), 5); // typeB and typeA3A4 could not go
    EXPECT_EQ(flags(s2), "1/1");
    EXPECT_EQ(practiceLog().size(), 1);
}

TEST_F(ChapterSubmissionTest, TheStudyLogGetsARowPerAnsweredQuestionOfEverySubmission) {
    page.answer(s1, "A");
    page.answer(s2, "B");
    page.answer(multi, "AC");
    page.answer(m2, "C"); // the key is "c"; m1 left unanswered
    ASSERT_EQ(submit(), SubmitOutcome::Recorded);
    const QString first = "2024-05-01T09:30:00 " + QString::number(chapter) + " ";
    QStringList expected = {first + QString::number(s1) + ":1", first + QString::number(s2) + ":1",
                            first + QString::number(multi) + ":0",
                            first + QString::number(m2) + ":0"};
    EXPECT_EQ(practiceLog(), expected);

    now = now.addDays(1);
    page.answer(multi, "ACD");
    ASSERT_EQ(submit(), SubmitOutcome::Recorded);
    const QString second = "2024-05-02T09:30:00 " + QString::number(chapter) + " ";
    expected << second + QString::number(s1) + ":1" << second + QString::number(s2) + ":1"
             << second + QString::number(multi) + ":1" << second + QString::number(m2) + ":0";
    EXPECT_EQ(practiceLog(), expected);
}

TEST_F(ChapterSubmissionTest, StatisticsCountOnlyAnsweredQuestionsAsPractised) {
    page.answer(s1, "A"); // the other four left blank
    ASSERT_EQ(submit(), SubmitOutcome::Recorded);
    ProgressFigures figures = readStudyStatistics(bank.db()).overall;
    EXPECT_EQ(figures.practised, 1);
    EXPECT_EQ(figures.rightRatePercent(), 100);

    // Left blank later, a question answered right stays right.
    page.answer(s1, "");
    page.answer(s2, "A");
    ASSERT_EQ(submit(), SubmitOutcome::Recorded);
    figures = readStudyStatistics(bank.db()).overall;
    EXPECT_EQ(figures.practised, 2);
    EXPECT_EQ(figures.rightLatest, 1);
    EXPECT_EQ(figures.rightRatePercent(), 50);
}

TEST_F(ChapterSubmissionTest, AStudyLogThatCannotBeWrittenFailsTheWholeSubmission) {
    page.answer(s1, "A");
    ASSERT_EQ(submit(), SubmitOutcome::Recorded);
    const QStringList logBefore = practiceLog();
    const QList<ScoreRow> sheetBefore = sheet();
    bank.exec("CREATE TRIGGER log_full BEFORE INSERT ON velkora_practice_log "
              "BEGIN SELECT RAISE(ABORT, 'full'); END");
    page.answer(s1, "B");
    page.answer(s2, "B");

    EXPECT_EQ(submit(), SubmitOutcome::Failed);
    EXPECT_EQ(practiceLog(), logBefore);
    EXPECT_EQ(sheet(), sheetBefore);
    EXPECT_EQ(flags(s1), "/"); // not put into the wrong-question bank
    EXPECT_EQ(flags(s2), "1/1");
}
