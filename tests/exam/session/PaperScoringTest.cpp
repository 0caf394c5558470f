#include "exam/ExamPaperFixture.h"

#include "exam/HandTicker.h"
#include "exam/session/ExamCountdown.h"
#include "exam/session/PaperScoring.h"
#include "store/StudyLog.h"

namespace velkora::test {
namespace {

const QString header = QStringLiteral(
    "<br><br>  <table border=\"0\" align=\"center\"><tr> <th>批 阅 试 卷 结 果</th> </tr> </table>"
    "<br><br>  <table border=\"1\" align=\"center\"><tr> <th>题  型</th> <th>试 题 数</th>  <th> "
    "答  对 </th>  <th> 总  分 </th>  <th> 得  分 </th>  <th>正 确 率</th> </tr> ");

QString resultRow(const QString &name, int total, int right, int rate) {
    return QStringLiteral("<tr align=\"center\"><td>%1</td> <td>%2</td> <td>%3</td><td>%2</td>"
                          "<td>%3</td><td>%4%</td> </tr> ")
        .arg(name)
        .arg(total)
        .arg(right)
        .arg(rate);
}

class PaperScoringTest : public ExamPaperFixture {
protected:
    QString paperDump() const {
        QSqlQuery q = sql::run(bank.db(), QStringLiteral("SELECT quote(tjda) FROM sj "
                                                         "ORDER BY rowid"));
        QStringList values;
        while (q.next())
            values << q.value(0).toString();
        return values.join('|');
    }

    // The exam log as "time right/entries points seconds", and its kind rows
    // as "kind right/wrong".
    QStringList examLog() const {
        QStringList rows;
        QSqlQuery exams = sql::run(bank.db(), "SELECT taken_at, right_count, entry_count, points, "
                                              "duration_seconds FROM velkora_exam_log ORDER BY id");
        while (exams.next())
            rows << QString("%1 %2/%3 %4 %5")
                        .arg(exams.value(0).toString(), exams.value(1).toString(),
                             exams.value(2).toString(), exams.value(3).toString(),
                             exams.value(4).toString());
        QSqlQuery kinds = sql::run(bank.db(), "SELECT kind, right_count, wrong_count "
                                              "FROM velkora_exam_kind_log ORDER BY rowid");
        while (kinds.next())
            rows << QString("%1 %2/%3")
                        .arg(kinds.value(0).toString(), kinds.value(1).toString(),
                             kinds.value(2).toString());
        return rows;
    }

    PaperScoring scoring{bank.db(), [] { return QDateTime(QDate(2024, 5, 1), QTime(10, 0)); }};
};

TEST_F(PaperScoringTest, RightWrongAndUnansweredSingleChoicesScoreOneInThree) {
    addChoiceEntry("1", "a1", "A", "A");
    addChoiceEntry("2", "a1", "B", "C");
    addChoiceEntry("3", "a1", "D", QVariant());

    const PaperGrade grade = scoring.grade();

    EXPECT_EQ(grade.score(ExamClass::Single).right, 1);
    EXPECT_EQ(grade.score(ExamClass::Single).wrong, 2);
    EXPECT_EQ(grade.colours,
              (QList<ButtonColour>{
                  {"a1", SheetColour::Blue}, {"a2", SheetColour::Red}, {"a3", SheetColour::Red}}));
    EXPECT_EQ(resultPageFragment(grade), header + resultRow("单项选择题", 3, 1, 33) +
                                             resultRow("合  计", 3, 1, 33) + "</table>");
}

TEST_F(PaperScoringTest, AnswersCompareAsTextWithBlanksAroundThemAside) {
    addChoiceEntry("1", "a2", "ACD", "ACD");
    addChoiceEntry("2", "a2", "CAD", "ACD");   // key in another order than the options
    addChoiceEntry("3", "a3", "B\r", "B");     // as chapter grading reads such a key
    addChoiceEntry("4", "a3", "", QVariant()); // nothing to answer: right when left empty
    const QList<qint64> items = addMatchingEntry("5", {"A ", "b"});
    for (const qint64 item : items)
        sql::run(bank.db(), QStringLiteral("UPDATE question SET lx = 'A' WHERE id = ?"), {item});

    const PaperGrade grade = scoring.grade();

    EXPECT_EQ(grade.score(ExamClass::Multiple).right, 1);
    EXPECT_EQ(grade.score(ExamClass::Multiple).wrong, 1);
    EXPECT_EQ(grade.score(ExamClass::Case).right, 2);
    EXPECT_EQ(grade.score(ExamClass::Matching).right, 1);
    EXPECT_EQ(grade.score(ExamClass::Matching).wrong, 1); // letter case counts
}

TEST_F(PaperScoringTest, EachMatchingItemCountsAndOneWrongItemTurnsTheGroupRed) {
    const QList<qint64> items = addMatchingEntry("1", {"A", "B", "C", "D"});
    const QList<qint64> perfect = addMatchingEntry("2", {"E", "A"});
    const QStringList chosen = {"A", "B", "C", "A"};
    for (int i = 0; i < items.size(); ++i) {
        sql::run(bank.db(), QStringLiteral("UPDATE question SET lx = ? WHERE id = ?"),
                 {chosen[i], items[i]});
    }
    sql::run(bank.db(), QStringLiteral("UPDATE question SET lx = answer WHERE id IN (?, ?)"),
             {perfect[0], perfect[1]});

    const PaperGrade grade = scoring.grade();

    EXPECT_EQ(grade.score(ExamClass::Matching).right, 5);
    EXPECT_EQ(grade.score(ExamClass::Matching).wrong, 1);
    EXPECT_EQ(grade.colours,
              (QList<ButtonColour>{{"a1", SheetColour::Red}, {"a2", SheetColour::Blue}}));
    EXPECT_TRUE(resultPageFragment(grade).contains(resultRow("配伍选择题", 6, 5, 83)));
}

TEST_F(PaperScoringTest, OnlyKindsWithEntriesGetAResultRow) {
    addChoiceEntry("1", "a1", "A", "A");
    addChoiceEntry("2", "a3", "B", "B");

    const QString fragment = resultPageFragment(scoring.grade());

    EXPECT_EQ(fragment, header + resultRow("单项选择题", 1, 1, 100) +
                            resultRow("案例分析题", 1, 1, 100) + resultRow("合  计", 2, 2, 100) +
                            "</table>");
}

TEST_F(PaperScoringTest, AnEmptyPaperShowsOnlyTheTotalsAtRateZero) {
    EXPECT_EQ(resultPageFragment(scoring.grade()),
              header + resultRow("合  计", 0, 0, 0) + "</table>");
}

TEST_F(PaperScoringTest, SubmissionSavesTheLastAnswerOnceAndWritesNothingElse) {
    addChoiceEntry("1", "a1", "A", "A");
    const qint64 last = addChoiceEntry("2", "a2", "ACD");
    ExamNavigator navigator(bank.db());
    navigator.begin(row("2"));

    const SubmissionOutcome outcome = scoring.submit(navigator, optionControls(last, "DAC"), 60);

    ASSERT_TRUE(outcome.accepted);
    EXPECT_TRUE(navigator.isSubmitted());
    EXPECT_EQ(paperDump(), "'A'|'ACD'");
    EXPECT_EQ(outcome.progress, (ProgressDisplay{2, 2}));
    EXPECT_EQ(outcome.grade.score(ExamClass::Multiple).right, 1);
    EXPECT_EQ(outcome.resultFragment, resultPageFragment(outcome.grade));

    const SubmissionOutcome again = scoring.submit(navigator, optionControls(last, "B"), 60);
    EXPECT_FALSE(again.accepted);
    EXPECT_EQ(again.message, "您已经交卷，不能重复交卷！");
    EXPECT_EQ(paperDump(), "'A'|'ACD'");
}

TEST_F(PaperScoringTest, AFailedGradingTellsTheLearnerAndLeavesTheExamOpen) {
    addMatchingEntry("1", {"A"});
    ExamNavigator navigator(bank.db());
    navigator.begin(row("1"));
    bank.exec("ALTER TABLE question RENAME TO question_gone");

    const SubmissionOutcome outcome = scoring.submit(navigator, {}, 60);

    EXPECT_FALSE(outcome.accepted);
    EXPECT_FALSE(outcome.message.isEmpty());
    EXPECT_FALSE(navigator.isSubmitted());
}

TEST_F(PaperScoringTest, SubmissionLogsTheExamWithItsKindsAndTheTimeTheCountdownRan) {
    addChoiceEntry("1", "a1", "A", "A");
    addChoiceEntry("2", "a1", "B", "C");
    addChoiceEntry("3", "a3", "D", "D");
    const QList<qint64> items = addMatchingEntry("4", {"A", "B"});
    auto *ticker = new HandTicker;
    ExamCountdown countdown(ticker);
    countdown.start();
    for (int minute = 0; minute < 37; ++minute)
        ticker->tick();
    ExamNavigator navigator(bank.db());
    navigator.begin(row("4"));

    // The last answer is a matching group, saved in a transaction of its own
    // inside the submission's.
    const SubmissionOutcome outcome =
        scoring.submit(navigator, dropDowns(items, {"A", "C"}), countdown.elapsedSeconds());

    ASSERT_TRUE(outcome.accepted);
    EXPECT_EQ(itemChoice(items[0]) + itemChoice(items[1]), "AC");
    EXPECT_EQ(examLog(),
              (QStringList{"2024-05-01T10:00:00 3/5 3 2220", "a1 1/1", "a3 1/0", "a4 1/1"}));
}

TEST_F(PaperScoringTest, AnExamLogThatCannotBeWrittenUndoesTheLastAnswerAndKeepsTheExamOpen) {
    addChoiceEntry("1", "a1", "A", "A");
    const QList<qint64> items = addMatchingEntry("2", {"A", "B"});
    StudyLog(bank.db()).createTables();
    bank.exec("CREATE TRIGGER log_full BEFORE INSERT ON velkora_exam_kind_log "
              "BEGIN SELECT RAISE(ABORT, 'full'); END");
    ExamNavigator navigator(bank.db());
    navigator.begin(row("2"));

    const SubmissionOutcome outcome = scoring.submit(navigator, dropDowns(items, {"A", "B"}), 60);

    EXPECT_FALSE(outcome.accepted);
    EXPECT_EQ(outcome.message, "试卷未能批阅，请再交一次卷。");
    EXPECT_FALSE(navigator.isSubmitted());
    EXPECT_EQ(itemChoice(items[0]) + itemChoice(items[1]), "a4a4");
    EXPECT_EQ(given("2"), "");
    EXPECT_TRUE(examLog().isEmpty());
}

TEST(ReviewAnswerLine, ShowsTheCorrectAnswerInBold) {
    EXPECT_EQ(reviewAnswerLine("ACD"), "<body> <b>正确答案：ACD</b> </body><br> <br>");
}

} // namespace
} // namespace velkora::test
