#include "exam/ExamPaperFixture.h"

#include "exam/HandTicker.h"
#include "exam/paper/ExamResumeStore.h"
#include "exam/paper/PaperQueries.h"
#include "exam/session/ExamCountdown.h"
#include "exam/session/ExamResume.h"
#include "exam/session/PaperScoring.h"

namespace velkora::test {
namespace {

class ExamResumeTest : public ExamPaperFixture {
protected:
    // What a draw keeps of the paper now in `sj`.
    void keepPaper() {
        ExamResumeStore(bank.db()).keepNewPaper({3, 1, 0, 0}, PaperQueries(bank.db()).rows());
    }
    bool offered() const { return findResumableExam(bank.db()).has_value(); }
};

TEST_F(ExamResumeTest, OnlyAnUnsubmittedPaperThatStillFitsIsOffered) {
    addChoiceEntry("1", "a1", "A");
    addChoiceEntry("2", "a1", "B");
    EXPECT_FALSE(offered());
    EXPECT_EQ(bank.scalar("SELECT count(*) FROM sqlite_master WHERE name LIKE 'velkora_exam%'"),
              "0")
        << "looking writes nothing to a bank that never kept an exam";

    keepPaper();
    const std::optional<ResumableExam> fresh = findResumableExam(bank.db());
    ASSERT_TRUE(fresh);
    EXPECT_EQ(fresh->minutesLeft, 90);
    EXPECT_EQ(fresh->answered, 0);
    EXPECT_EQ(fresh->startTid, "1");
    EXPECT_EQ(fresh->paper.counts, (ExamCounts{3, 1, 0, 0}));

    ExamNavigator navigator(bank.db());
    navigator.begin(row("1"));
    ASSERT_TRUE(PaperScoring(bank.db()).submit(navigator, {}, 60).accepted);
    EXPECT_FALSE(offered()) << "submitted";

    // A paper changed behind the kept state is discarded for good.
    keepPaper();
    bank.exec("UPDATE sj SET tgid = '999' WHERE tid = '2'");
    EXPECT_FALSE(offered()) << "a damaged row";
    bank.exec("UPDATE sj SET tgid = (SELECT tgid FROM sj WHERE tid = '1') WHERE tid = '2'");
    EXPECT_FALSE(offered()) << "discarded";

    keepPaper();
    bank.exec("DELETE FROM sj"); // as after restoring a bank with an empty paper table
    EXPECT_FALSE(offered()) << "an emptied paper";

    addChoiceEntry("1", "a1", "A");
    keepPaper();
    bank.exec("UPDATE velkora_exam_resume SET minutes_left = 91");
    EXPECT_FALSE(offered()) << "more time than an exam has";
}

TEST_F(ExamResumeTest, ItGoesOnAtTheFirstUnansweredEntryWithTheSheetAndTimeItLeft) {
    const qint64 first = addChoiceEntry("1", "a1", "A");
    const qint64 second = addChoiceEntry("2", "a1", "B");
    const qint64 third = addChoiceEntry("3", "a1", "C");
    addChoiceEntry("4", "a2", "AB");
    keepPaper();
    {
        auto *ticker = new HandTicker;
        ExamCountdown countdown(ticker);
        ResumeRecorder recorder(bank.db(), countdown);
        ExamNavigator navigator(bank.db());
        navigator.begin(row("1"));
        countdown.start();
        recorder.recordMove(navigator.next(optionControls(first, "A", "radio")));
        recorder.recordMove(navigator.next(optionControls(second, "", "radio"))); // left empty
        recorder.recordMove(navigator.jump("1", optionControls(third, "C", "radio")));
        for (int minute = 0; minute < 3; ++minute)
            ticker->tick();
    } // closed unsubmitted

    const std::optional<ResumableExam> exam = findResumableExam(bank.db());
    ASSERT_TRUE(exam);
    EXPECT_EQ(exam->minutesLeft, 87);
    EXPECT_EQ(exam->answered, 2);
    EXPECT_EQ(exam->startTid, "2");
    EXPECT_EQ(exam->colours, (QList<ButtonColour>{{"a1", SheetColour::Blue},
                                                  {"a2", SheetColour::ActiveBorder},
                                                  {"a3", SheetColour::Blue},
                                                  {"a2", SheetColour::Red}}));

    // Taken up, the countdown goes on from there and the exam's duration
    // counts the time before the break.
    auto *ticker = new HandTicker;
    ExamCountdown countdown(ticker, exam->minutesLeft);
    ResumeRecorder recorder(bank.db(), countdown, exam->leftEmpty);
    ExamNavigator navigator(bank.db());
    navigator.begin(exam->startRow());
    countdown.start();
    ticker->tick();
    recorder.recordMove(navigator.next(optionControls(second, "B", "radio")));
    EXPECT_EQ(findResumableExam(bank.db())->minutesLeft, 86);
    EXPECT_EQ(findResumableExam(bank.db())->colours.value(1),
              (ButtonColour{"a2", SheetColour::Blue}));
    EXPECT_EQ(countdown.elapsedSeconds(), 4 * 60);
}

} // namespace
} // namespace velkora::test
