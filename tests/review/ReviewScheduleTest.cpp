#include "review/ReviewSchedule.h"
#include "grading/ChapterSubmission.h"
#include "store/BankQueries.h"
#include "support/FakePageView.h"
#include "support/TestBank.h"

#include <gtest/gtest.h>

using namespace velkora;
using namespace velkora::test;

namespace {

class ReviewScheduleTest : public ::testing::Test {
protected:
    void SetUp() override {
        bank.addStandardTypes();
        group = bank.writer().addGroup(bank.addChapterPath(), SingleA1);
    }
    RowId wrongQuestion(const QString &answer = "A") {
        const RowId id = bank.addChoice(group, "题", answer);
        bank.exec(QString("UPDATE question SET ct='1' WHERE id=%1").arg(id));
        return id;
    }
    ReviewSchedule on(QDate day) const { return ReviewSchedule(bank.db(), day); }

    TestBank bank;
    RowId group = 0;
    QDate start{2026, 3, 2};
};

} // namespace

// The intervals and E-Factors of SM-2 as published: 1 and 6 days, then the
// last interval times the E-Factor rounded up; grade 4 keeps the E-Factor,
// grade 1 takes 0.54 off it, never below 1.3, and starts the intervals over.
TEST_F(ReviewScheduleTest, AnswersMoveAQuestionAsSm2Has) {
    const RowId question = wrongQuestion();
    QDate day = start;
    QList<int> intervals;
    QList<double> easiness;
    for (bool right : {true, true, true, true, false, true, true, true, false, false, false}) {
        ASSERT_EQ(on(day).due().size(), 1) << qPrintable(day.toString(Qt::ISODate));
        on(day).record({{question, right}});
        const RecallState state = on(day).state(question).value();
        intervals << state.intervalDays;
        easiness << state.easiness;
        const QDate due = on(day).dueDate(question).value();
        EXPECT_EQ(day.daysTo(due), state.intervalDays);
        EXPECT_EQ(on(due.addDays(-1)).dueCount(), 0) << "due no earlier than its date";
        day = due;
    }
    EXPECT_EQ(intervals, (QList<int>{1, 6, 15, 38, 1, 1, 6, 12, 1, 1, 1}));
    const QList<double> expected{2.5, 2.5, 2.5, 2.5, 1.96, 1.96, 1.96, 1.96, 1.42, 1.3, 1.3};
    ASSERT_EQ(easiness.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(easiness[i], expected[i], 1e-9) << i;
}

// A large wrong-question bank enters the review a day's share at a time;
// questions no longer flagged leave it, and the load looks ahead.
TEST_F(ReviewScheduleTest, NeverReviewedQuestionsComeADaysShareAtATime) {
    QList<RowId> wrong;
    for (int i = 0; i < ReviewSchedule::newPerDay + 10; ++i)
        wrong << wrongQuestion();
    bank.addChoice(group, "未标记", "A");
    EXPECT_EQ(on(start).dueCount(), ReviewSchedule::newPerDay); // a bank without the table

    QList<PracticeAnswer> answers;
    for (const PlacedQuestion &placed : on(start).due())
        answers.append({placed.question, placed.question % 2 == 0});
    on(start).record(answers);
    EXPECT_EQ(on(start).dueCount(), 0) << "today's share is taken";
    EXPECT_EQ(on(start).nextDay(), start.addDays(1));
    // Tomorrow: the 20 answered (1 day each) and the 10 left.
    EXPECT_EQ(on(start.addDays(1)).dueCount(), ReviewSchedule::newPerDay + 10);
    const QList<DayLoad> load = on(start).load(3);
    EXPECT_EQ(load[0].questions, 0);
    EXPECT_EQ(load[1].questions, ReviewSchedule::newPerDay + 10);
    EXPECT_EQ(load[2].questions, 0);

    bank.exec(QString("UPDATE question SET ct='' WHERE id=%1").arg(wrong.first()));
    EXPECT_EQ(on(start.addDays(1)).dueCount(), ReviewSchedule::newPerDay + 9);
    bank.exec("UPDATE question SET ct=''");
    EXPECT_EQ(on(start).nextDay(), std::nullopt);
}

// The dates move in the transaction that records the grading: a grading
// that fails leaves every date as it was.
TEST_F(ReviewScheduleTest, AReviewSubmissionMovesDatesOnlyWithItsGrading) {
    const RowId right = wrongQuestion("A");
    const RowId wrong = wrongQuestion("B");
    FakePageView page;
    for (RowId id : {right, wrong})
        for (const OptionRow &option : BankQueries(bank.db()).options(id))
            page.states.append({option.id, QString::number(id), "radio", false, option.letter});
    page.answer(QString::number(right), "A");
    page.answer(QString::number(wrong), "C");
    const auto submit = [&](QDate day) {
        return ChapterSubmission(bank.db(), page)
            .submitQuestions({right, wrong}, [&](const QList<PracticeAnswer> &answers) {
                on(day).record(answers);
            });
    };

    ASSERT_EQ(submit(start), SubmitOutcome::Recorded);
    EXPECT_EQ(on(start).dueDate(right), start.addDays(1));
    EXPECT_NEAR(on(start).state(wrong)->easiness, 1.96, 1e-9);

    bank.exec("CREATE TRIGGER full_disk BEFORE INSERT ON fenshu "
              "BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    EXPECT_EQ(submit(start.addDays(1)), SubmitOutcome::Failed);
    EXPECT_EQ(on(start).dueDate(right), start.addDays(1));
    EXPECT_EQ(on(start).state(right)->repetitions, 1);
    EXPECT_EQ(on(start).dueDate(wrong), start.addDays(1));
}
