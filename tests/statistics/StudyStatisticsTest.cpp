#include "statistics/StudyStatistics.h"
#include "store/ScopedDatabase.h"
#include "store/Sql.h"
#include "store/StudyLog.h"
#include "support/TestBank.h"

#include <gtest/gtest.h>

using namespace velkora;
using namespace velkora::test;

namespace {

// Two parts: the first with a section of two chapters and one of one
// chapter, the second with an empty chapter.
class StudyStatisticsTest : public ::testing::Test {
protected:
    StudyStatisticsTest() {
        bank.addStandardTypes();
        BankWriter &w = bank.writer();
        const RowId part1 = w.addNode("基础知识", 0, 1);
        const RowId section1 = w.addNode("第一章", part1, 2);
        c1 = w.addNode("第一节", section1, 3);
        c2 = w.addNode("第二节", section1, 3);
        const RowId section2 = w.addNode("第二章", part1, 2);
        c3 = w.addNode("第一节", section2, 3);
        const RowId part2 = w.addNode("专业知识", 0, 1);
        w.addNode("第三节", w.addNode("第三章", part2, 2), 3);

        const RowId g1 = w.addGroup(c1, SingleA1);
        q1 = bank.addChoice(g1, "一", "A");
        q2 = bank.addChoice(g1, "二", "A");
        bank.addChoice(w.addGroup(c1, MultiX), "三", "AB");
        const RowId g2 = w.addGroup(c2, SingleA1);
        q4 = bank.addChoice(g2, "四", "A");
        q5 = bank.addChoice(g2, "五", "A");
        bank.addChoice(w.addGroup(c3, SingleA1), "六", "A");
    }

    void practise(RowId chapter, const QList<RowId> &right, const QList<RowId> &wrong) {
        PracticeRecord practice{chapter, {}};
        for (RowId id : right)
            practice.answers.append({id, true});
        for (RowId id : wrong)
            practice.answers.append({id, false});
        log.recordPractice(practice);
    }

    TestBank bank;
    StudyLog log{bank.db()};
    RowId c1 = 0, c2 = 0, c3 = 0, q1 = 0, q2 = 0, q4 = 0, q5 = 0;
};

void expectFigures(const ProgressNode &node, const ProgressFigures &expected) {
    SCOPED_TRACE(node.caption.toStdString());
    EXPECT_EQ(node.figures.questions, expected.questions);
    EXPECT_EQ(node.figures.practised, expected.practised);
    EXPECT_EQ(node.figures.rightLatest, expected.rightLatest);
    EXPECT_EQ(node.figures.favourites, expected.favourites);
    EXPECT_EQ(node.figures.wrongBank, expected.wrongBank);
}

} // namespace

TEST_F(StudyStatisticsTest, ChaptersCountByTheLatestAnswerAndSectionsAndPartsAddThemUp) {
    practise(c1, {q2}, {q1});
    practise(c1, {q1}, {q2}); // q1 now right, q2 now wrong
    practise(c2, {q4}, {});
    bank.exec(QString("UPDATE question SET scbt='1' WHERE id IN (%1, %2)").arg(q1).arg(q5));
    bank.exec(QString("UPDATE question SET ct='1' WHERE id=%1").arg(q2));

    const StudyStatistics statistics = readStudyStatistics(bank.db());

    ASSERT_EQ(statistics.parts.size(), 2);
    const ProgressNode &part1 = statistics.parts[0];
    ASSERT_EQ(part1.children.size(), 2);
    ASSERT_EQ(part1.children[0].children.size(), 2);
    expectFigures(part1.children[0].children[0], {3, 2, 1, 1, 1});
    expectFigures(part1.children[0].children[1], {2, 1, 1, 1, 0});
    expectFigures(part1.children[0], {5, 3, 2, 2, 1});
    expectFigures(part1.children[1], {1, 0, 0, 0, 0});
    expectFigures(part1, {6, 3, 2, 2, 1});
    expectFigures(statistics.parts[1], {0, 0, 0, 0, 0});
    EXPECT_EQ(part1.children[0].children[0].figures.rightRatePercent(), 50);
    EXPECT_EQ(part1.children[0].figures.rightRatePercent(), 67);
    EXPECT_EQ(statistics.overall.practised, 3);
    EXPECT_TRUE(statistics.hasPractice());
    EXPECT_FALSE(statistics.hasExams());
}

TEST_F(StudyStatisticsTest, ExamsListOldestFirstAndKindsSumOverAllExams) {
    StudyLog(bank.db(), [] {
        return QDateTime(QDate(2024, 5, 1), QTime(9, 0));
    }).recordExam({11, 16, 11, 45 * 60, {{"a1", 8, 2}, {"a2", 1, 3}, {"a4", 2, 0}}});
    StudyLog(bank.db(), [] {
        return QDateTime(QDate(2024, 5, 8), QTime(14, 15));
    }).recordExam({12, 14, 12, 90 * 60 - 30, {{"a1", 9, 1}, {"a3", 3, 1}}});

    const StudyStatistics statistics = readStudyStatistics(bank.db());

    ASSERT_EQ(statistics.exams.size(), 2);
    EXPECT_EQ(statistics.exams[0].takenAt, QDateTime(QDate(2024, 5, 1), QTime(9, 0)));
    EXPECT_EQ(statistics.exams[0].right, 11);
    EXPECT_EQ(statistics.exams[0].entries, 16);
    EXPECT_EQ(statistics.exams[0].points, 11);
    EXPECT_EQ(statistics.exams[0].ratePercent(), 69);
    EXPECT_EQ(statistics.exams[1].durationSeconds, 5370);
    EXPECT_EQ(statistics.kindScore(ExamClass::Single).right, 17);
    EXPECT_EQ(statistics.kindScore(ExamClass::Single).wrong, 3);
    EXPECT_EQ(statistics.kindScore(ExamClass::Multiple).total(), 4);
    EXPECT_EQ(statistics.kindScore(ExamClass::Case).right, 3);
    EXPECT_EQ(statistics.kindScore(ExamClass::Matching).right, 2);
    EXPECT_FALSE(statistics.hasPractice());
}

TEST_F(StudyStatisticsTest, ABankWithoutTheLogReadsReadOnlyWithEmptyHistory) {
    ScopedDatabase readOnly = ScopedDatabase::readOnlySqlite(bank.filePath());
    ASSERT_TRUE(readOnly.open());

    const StudyStatistics statistics = readStudyStatistics(readOnly.database());

    EXPECT_FALSE(StudyLog::isPresent(readOnly.database()));
    EXPECT_EQ(statistics.overall.questions, 6);
    EXPECT_FALSE(statistics.hasPractice());
    EXPECT_FALSE(statistics.hasExams());
}

TEST(DurationText, ShowsWholeMinutesOrMinutesAndSeconds) {
    EXPECT_EQ(durationText(45 * 60), "45 分钟");
    EXPECT_EQ(durationText(0), "0 分钟");
    EXPECT_EQ(durationText(5370), "89 分 30 秒");
}
