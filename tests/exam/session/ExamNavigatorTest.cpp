#include "exam/ExamPaperFixture.h"

#include "exam/session/ExamNavigator.h"

namespace velkora::test {
namespace {

using Outcome = MoveDecision::Outcome;

const QString finishKindFirst = QStringLiteral("请答完您所答的题型，才允许做您选择的题型");
const QString noMoreEntries = QStringLiteral("已经到最后了，没题了~！");

class ExamNavigatorTest : public ExamPaperFixture {
protected:
    void start(const QString &firstTid = QStringLiteral("1")) { navigator.begin(row(firstTid)); }

    ExamNavigator navigator{bank.db()};
};

TEST_F(ExamNavigatorTest, NextSavesTheAnswerAndMovesOnInPaperOrder) {
    addChoiceEntry("1", "a2", "AB", "A");
    const qint64 second = addChoiceEntry("2", "a2", "BD");
    addChoiceEntry("3", "a2", "C");
    start("2");

    const MoveDecision decision = navigator.next(optionControls(second, "BD"));

    EXPECT_EQ(decision.outcome, Outcome::Show);
    EXPECT_EQ(decision.targetTid, "3");
    EXPECT_EQ(navigator.currentTid(), "3");
    EXPECT_EQ(given("2"), "BD");
    EXPECT_EQ(decision.colours,
              (QList<ButtonColour>{{"a2", SheetColour::Blue}, {"a3", SheetColour::Red}}));
    EXPECT_EQ(decision.progress, (ProgressDisplay{2, 2}));
    EXPECT_TRUE(decision.notice.isEmpty());
    EXPECT_TRUE(decision.message.isEmpty());
}

TEST_F(ExamNavigatorTest, TheEndsOfThePaperShowTheSameEntryAgain) {
    const qint64 first = addChoiceEntry("1", "a1", "A");
    const qint64 last = addChoiceEntry("2", "a1", "B");
    start();

    const MoveDecision back = navigator.previous(optionControls(first, "A", "radio"));
    EXPECT_EQ(back.outcome, Outcome::Show);
    EXPECT_EQ(back.targetTid, "1");
    EXPECT_TRUE(back.message.isEmpty());

    navigator.next(optionControls(first, "A", "radio"));
    const MoveDecision on = navigator.next(optionControls(last, "B", "radio"));
    EXPECT_EQ(on.targetTid, "2");
    EXPECT_TRUE(on.message.isEmpty());
    EXPECT_EQ(on.colours.last(), (ButtonColour{"a2", SheetColour::Red}));
}

TEST_F(ExamNavigatorTest, AnUnfinishedKindCanBeLeftNeitherForwardsNorBack) {
    const qint64 first = addChoiceEntry("1", "a1", "A");
    const qint64 second = addChoiceEntry("2", "a1", "B");
    const qint64 third = addChoiceEntry("3", "a2", "CD");
    addChoiceEntry("4", "a2", "AE");
    start();
    navigator.next({}); // entry 1 left unanswered

    const MoveDecision forwards = navigator.next(optionControls(second, "B", "radio"));
    EXPECT_EQ(forwards.outcome, Outcome::Refused);
    EXPECT_EQ(forwards.message, finishKindFirst);
    EXPECT_EQ(navigator.currentTid(), "2");
    EXPECT_EQ(forwards.colours.last(), (ButtonColour{"a2", SheetColour::Red}));
    EXPECT_EQ(given("2"), "B"); // the answer is saved all the same
    EXPECT_EQ(navigator.jump("4", optionControls(second, "B", "radio")).message, finishKindFirst);

    // Answering the missing one opens the next kind, with its notice once.
    EXPECT_EQ(navigator.jump("1", optionControls(second, "B", "radio")).outcome, Outcome::Show);
    navigator.next(optionControls(first, "A", "radio"));
    const MoveDecision entering = navigator.next(optionControls(second, "B", "radio"));
    EXPECT_EQ(entering.outcome, Outcome::Show);
    EXPECT_EQ(entering.targetTid, "3");
    EXPECT_EQ(entering.notice, "多项选择题，里边有多个正确答案");
    EXPECT_TRUE(navigator.introShown(ExamClass::Multiple));
    EXPECT_TRUE(navigator.next(optionControls(third)).notice.isEmpty());

    // Back to the single choices is refused while a multiple choice is open.
    const MoveDecision back = navigator.jump("2", {});
    EXPECT_EQ(back.message, finishKindFirst);
    EXPECT_EQ(navigator.currentTid(), "4");
}

TEST_F(ExamNavigatorTest, TheNoticeOfTheFirstEntrysKindIsNotRepeated) {
    addChoiceEntry("1", "a1", "A");
    addChoiceEntry("2", "a1", "B");
    start();

    const MoveDecision decision = navigator.next({});

    EXPECT_EQ(decision.outcome, Outcome::Show);
    EXPECT_TRUE(decision.notice.isEmpty());
}

TEST_F(ExamNavigatorTest, EnteringAnAnsweredKindShowsNoNotice) {
    const qint64 first = addChoiceEntry("1", "a1", "A");
    addChoiceEntry("2", "a2", "AB", "AB");
    start();

    EXPECT_TRUE(navigator.next(optionControls(first, "A", "radio")).notice.isEmpty());
    EXPECT_FALSE(navigator.introShown(ExamClass::Multiple));
}

TEST_F(ExamNavigatorTest, AJumpCountsProgressAtMostUpToTheBarsEnd) {
    addChoiceEntry("1", "a1", "A", "A");
    const qint64 second = addChoiceEntry("2", "a1", "B", "B");
    start("2");

    const MoveDecision decision = navigator.jump("1", optionControls(second, "B", "radio"));

    EXPECT_EQ(decision.outcome, Outcome::Show);
    EXPECT_EQ(decision.progress, (ProgressDisplay{2, 2}));
    EXPECT_EQ(navigator.next(optionControls(second, "B", "radio")).progress,
              (ProgressDisplay{2, 3}));
}

TEST_F(ExamNavigatorTest, AButtonWithoutAPaperRowKeepsTheEntryOnScreen) {
    const qint64 first = addChoiceEntry("1", "a1", "A");
    addChoiceEntry("2", "a1", "B", "B");
    start();

    const MoveDecision decision = navigator.jump("8", optionControls(first, "A", "radio"));

    EXPECT_EQ(decision.outcome, Outcome::Missing);
    EXPECT_EQ(decision.message, noMoreEntries);
    EXPECT_EQ(navigator.currentTid(), "1");
    EXPECT_EQ(decision.colours,
              (QList<ButtonColour>{
                  {"a1", SheetColour::Blue}, {"a8", SheetColour::Blue}, {"a1", SheetColour::Red}}));
}

TEST_F(ExamNavigatorTest, CaseQuestionsAreToldApartByTheirNumberAsText) {
    for (int item = 1; item <= 10; ++item)
        addChoiceEntry(QStringLiteral("1.%1").arg(item), "a3", "B");
    start("1.1");

    EXPECT_EQ(navigator.next({}).targetTid, "1.2");
    const MoveDecision tenth = navigator.jump("1.10", {});
    EXPECT_EQ(tenth.targetTid, "1.10");
    EXPECT_EQ(tenth.colours.last(), (ButtonColour{"a1f10", SheetColour::Red}));
    EXPECT_EQ(navigator.previous({}).targetTid, "1.9");
}

TEST_F(ExamNavigatorTest, AfterSubmissionMovesAreRefusedAndTheSheetOpensReviews) {
    const qint64 first = addChoiceEntry("1", "a1", "A");
    addChoiceEntry("2", "a1", "B", "B");
    start();
    navigator.markSubmitted();

    EXPECT_EQ(navigator.next(optionControls(first, "A", "radio")).message,
              "您已经交卷，不能进行\"下一题\"的操作！");
    EXPECT_EQ(navigator.previous({}).message, "您已经交卷，不能进行\"上一题\"的操作！");
    const MoveDecision review = navigator.jump("2", optionControls(first, "A", "radio"));
    EXPECT_EQ(review.outcome, Outcome::Review);
    EXPECT_EQ(review.targetTid, "2");
    EXPECT_TRUE(review.colours.isEmpty());
    EXPECT_FALSE(review.progress);
    EXPECT_EQ(given("1"), ""); // reviews save nothing
}

TEST_F(ExamNavigatorTest, AFailedSaveTellsTheLearnerAndStaysPut) {
    const qint64 first = addChoiceEntry("1", "a1", "A");
    addChoiceEntry("2", "a1", "B");
    start();
    const QList<ControlState> controls = optionControls(first, "A", "radio");
    bank.exec("DROP TABLE opinion");

    const MoveDecision decision = navigator.next(controls);

    EXPECT_EQ(decision.outcome, Outcome::Refused);
    EXPECT_FALSE(decision.message.isEmpty());
    EXPECT_TRUE(decision.colours.isEmpty());
    EXPECT_EQ(navigator.currentTid(), "1");
}

} // namespace
} // namespace velkora::test
