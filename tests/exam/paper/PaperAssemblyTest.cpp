#include "exam/paper/PaperAssembly.h"
#include "exam/ExamBank.h"
#include "exam/paper/PaperQueries.h"
#include "exam/session/AnswerSheetLayout.h"
#include "store/StoreError.h"

#include <QSet>

using namespace velkora;
using namespace velkora::test;

namespace {

QStringList tids(const QList<PaperRow> &rows) {
    QStringList list;
    for (const PaperRow &row : rows)
        list << row.tid;
    return list;
}

AssembledPaper assemble(ExamBank &bank, RandomSource &random) {
    return PaperAssembly(bank.db(), random).assemble();
}

} // namespace

// The walk over one kind's candidates.
TEST(DrawPositions, StridesWithTheScriptedOffsetsAndKeepsDrawingPastTheQuota) {
    ScriptedRandom random({0, 3, 9, 0}, 5);
    EXPECT_EQ(drawPositions(100, 10, 10, 1, random),
              (QList<int>{0, 12, 27, 28, 42, 51, 60, 69, 78, 87}));
    EXPECT_EQ(random.draws, 11); // the walk runs to the end of the list
}

TEST(DrawPositions, FewerCandidatesThanTheCountAreTakenOneAfterAnother) {
    ScriptedRandom random;
    EXPECT_EQ(drawPositions(5, 8, 8, 1, random), (QList<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(random.draws, 0);
}

TEST(DrawPositions, OnlyTheVeryFirstPickOfThePaperMayTakeTheFirstCandidate) {
    ScriptedRandom first;
    EXPECT_EQ(drawPositions(5, 8, 8, 1, first).value(0), 0);
    ScriptedRandom later;
    EXPECT_EQ(drawPositions(5, 8, 20, 13, later), (QList<int>{1, 2, 3, 4}));
    ScriptedRandom strided({0, 0});
    EXPECT_EQ(drawPositions(20, 2, 12, 11, strided), (QList<int>{1, 10}));
}

TEST(DrawPositions, NothingToTakeWithoutCandidatesOrQuota) {
    ScriptedRandom random;
    EXPECT_TRUE(drawPositions(0, 5, 5, 1, random).isEmpty());
    EXPECT_TRUE(drawPositions(10, 5, 5, 6, random).isEmpty());
}

TEST(PaperAssembly, TenSingleChoiceOfAHundredAreTenDistinctRowsInOrder) {
    ExamBank bank;
    const QList<int> ids = bank.addQuestions(SingleA1, 100);
    bank.addQuestions(MultiX, 5);
    bank.setCounts({10, 0, 0, 0});
    SeededRandom random(7);

    const AssembledPaper paper = assemble(bank, random);

    EXPECT_EQ(paper.counts, (ExamCounts{10, 0, 0, 0}));
    EXPECT_EQ(bank.column("SELECT tid FROM sj ORDER BY rowid"),
              (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    const QStringList drawn = bank.column("SELECT tgid FROM sj ORDER BY rowid");
    EXPECT_EQ(QSet<QString>(drawn.begin(), drawn.end()).size(), 10);
    EXPECT_EQ(bank.column("SELECT DISTINCT lx FROM sj"), QStringList{"a1"});
    const PaperRow first = PaperQueries(bank.db()).rows().constFirst();
    EXPECT_EQ(first.stem, "题" + QString::number(ids.indexOf(first.sourceId.toInt()) + 1));
    EXPECT_EQ(first.answer, "A");
    EXPECT_TRUE(first.given.isEmpty());
}

TEST(PaperAssembly, AScriptedDrawGivesAnExactPaperAndASeedRepeatsItself) {
    ExamBank bank;
    const QList<int> singles = bank.addQuestions(SingleA1, 20);
    const QList<int> multiples = bank.addQuestions(Multi6, 9);
    bank.setCounts({4, 3, 0, 0});
    // The walk over single choice draws once more after its quota is met.
    ScriptedRandom random({1, 2, 0, 4, 3, /* multiple: */ 0, 2, 1});

    assemble(bank, random);

    // Single choice, stride 5: 2, 7, 9, 17. Multiple, stride 3: 1, 5, 7.
    EXPECT_EQ(bank.column("SELECT tgid FROM sj ORDER BY rowid"),
              (QStringList{QString::number(singles[2]), QString::number(singles[7]),
                           QString::number(singles[9]), QString::number(singles[17]),
                           QString::number(multiples[1]), QString::number(multiples[5]),
                           QString::number(multiples[7])}));
    EXPECT_EQ(bank.column("SELECT lx FROM sj ORDER BY rowid"),
              (QStringList{"a1", "a1", "a1", "a1", "a2", "a2", "a2"}));

    SeededRandom once(42), again(42);
    assemble(bank, once);
    const QStringList firstPaper = bank.column("SELECT tid || '/' || tgid FROM sj ORDER BY rowid");
    assemble(bank, again);
    EXPECT_EQ(bank.column("SELECT tid || '/' || tgid FROM sj ORDER BY rowid"), firstPaper);
}

TEST(PaperAssembly, ACountAboveTheCandidatesGivesFewerRowsButAllItsButtons) {
    ExamBank bank;
    bank.addQuestions(SingleA1, 5);
    bank.setCounts({8, 0, 0, 0});
    SeededRandom random(1);

    const AssembledPaper paper = assemble(bank, random);

    EXPECT_EQ(tids(paper.rows), (QStringList{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(layOutAnswerSheet(paper).buttons.size(), 8);
}

TEST(PaperAssembly, ACaseTakesOneNumberForAllItsQuestions) {
    ExamBank bank;
    bank.addQuestions(SingleA1, 20);
    const int caseGroup = bank.addCase(3, "病例甲");
    bank.setCounts({20, 0, 1, 0});
    SeededRandom random(3);

    const AssembledPaper paper = assemble(bank, random);

    EXPECT_EQ(tids(paper.rows).mid(19), (QStringList{"20", "21.1", "21.2", "21.3"}));
    const std::optional<PaperRow> second = PaperQueries(bank.db()).row("21.2");
    ASSERT_TRUE(second);
    EXPECT_EQ(second->lx, "a3");
    EXPECT_EQ(second->groupText, "病例甲");
    EXPECT_EQ(second->stem, "问2");
    EXPECT_EQ(second->answer, "AB");
    EXPECT_EQ(
        second->sourceId,
        bank.scalar(
            QString("SELECT id FROM question WHERE readtextid=%1 AND itemnum='2'").arg(caseGroup)));
    QStringList names;
    for (const SheetButton &button : layOutAnswerSheet(paper).buttons)
        names << button.name;
    EXPECT_EQ(names.mid(20), (QStringList{"a21f1", "a21f2", "a21f3"}));
}

TEST(PaperAssembly, CaseItemTenIsNotItemOne) {
    ExamBank bank;
    bank.addCase(10);
    bank.setCounts({0, 0, 1, 0});
    SeededRandom random(3);

    const AssembledPaper paper = assemble(bank, random);

    ASSERT_EQ(paper.rows.size(), 10);
    EXPECT_EQ(paper.rows.last().tid, "1.10");
    const PaperQueries queries(bank.db());
    EXPECT_EQ(queries.row("1.1")->stem, "问1");
    EXPECT_EQ(queries.row("1.10")->stem, "问10");
    EXPECT_FALSE(queries.row("1.100"));
}

TEST(PaperAssembly, AMatchingGroupIsOneRowCarryingItsGroup) {
    ExamBank bank;
    const int group = bank.addMatching(3, 7, "A．甲 B．乙");
    bank.setCounts({0, 0, 0, 1});
    SeededRandom random(3);

    const AssembledPaper paper = assemble(bank, random);

    ASSERT_EQ(paper.rows.size(), 1);
    const PaperRow row = *PaperQueries(bank.db()).row("1");
    EXPECT_EQ(row.lx, "a4");
    EXPECT_EQ(row.sourceId, QString::number(group));
    EXPECT_EQ(row.groupText, "A．甲 B．乙");
    EXPECT_EQ(row.optionCount, "7");
    EXPECT_TRUE(row.stem.isEmpty());
    EXPECT_TRUE(row.answer.isEmpty());
}

TEST(PaperAssembly, EveryExamReTagsTheBankAndDrawsAnew) {
    ExamBank bank;
    bank.addQuestions(SingleA1, 3);
    bank.addQuestions(Multi7, 2);
    bank.addCase(2);
    const int group = bank.addMatching(2);
    const QList<int> untyped = bank.addQuestions(1, 1); // a type outside the exam
    bank.setCounts({3, 2, 1, 1});
    SeededRandom random(5);
    assemble(bank, random);
    // The learner's matching choices, and a stale tag.
    bank.exec(QString("UPDATE question SET lx='C' WHERE readtextid=%1").arg(group));
    bank.exec("UPDATE question SET lx='x' WHERE id=1");
    bank.exec(QString("UPDATE question SET lx='keep' WHERE id=%1").arg(untyped[0]));
    bank.exec("UPDATE sj SET tjda='B'");

    const AssembledPaper second = assemble(bank, random);

    EXPECT_EQ(bank.column("SELECT lx FROM question ORDER BY id"),
              (QStringList{"a1", "a1", "a1", "a2", "a2", "a3", "a3", "a4", "a4", "keep"}));
    EXPECT_EQ(bank.scalar("SELECT count(*) FROM sj"), QString::number(second.rows.size()));
    EXPECT_EQ(bank.scalar("SELECT count(*) FROM sj WHERE tjda<>''"), "0");
    // Stride 1 everywhere; after the first kind no walk takes its first candidate.
    EXPECT_EQ(tids(second.rows), (QStringList{"1", "2", "3", "4", "5.1", "5.2", "6"}));
}

TEST(PaperAssembly, AfterTheBankChangedTheTagsAndTheDrawFollowIt) {
    ExamBank bank;
    const QList<int> singles = bank.addQuestions(SingleA1, 3);
    const QList<int> moved = bank.addQuestions(SingleA1, 2);
    bank.setCounts({9, 9, 0, 0}); // more than there are: every candidate is taken
    SeededRandom random(4);
    assemble(bank, random);
    // Between exams a group changes type, a question comes in, a tag is lost.
    bank.exec(QString("UPDATE readtext SET qtypeid=%1 WHERE id=(SELECT readtextid FROM question "
                      "WHERE id=%2)")
                  .arg(Multi7)
                  .arg(moved[0]));
    const int added = bank.addQuestions(SingleA1, 1)[0];
    bank.exec(QString("UPDATE question SET lx=NULL WHERE id=%1").arg(singles[1]));

    assemble(bank, random);

    EXPECT_EQ(bank.column("SELECT lx FROM question ORDER BY id"),
              (QStringList{"a1", "a1", "a1", "a2", "a2", "a1"}));
    // The walk of a later kind never takes its first candidate.
    EXPECT_EQ(bank.column("SELECT tgid FROM sj ORDER BY rowid"),
              (QStringList{QString::number(singles[0]), QString::number(singles[1]),
                           QString::number(singles[2]), QString::number(added),
                           QString::number(moved[1])}));
}

TEST(PaperAssembly, AFailureHalfWayLeavesTagsAndThePaperAsTheyWere) {
    ExamBank bank;
    bank.addQuestions(SingleA1, 10);
    const int group = bank.addMatching(2);
    bank.setCounts({5, 0, 0, 1});
    SeededRandom random(9);
    assemble(bank, random);
    bank.exec("UPDATE sj SET tjda='A'");
    bank.exec(QString("UPDATE question SET lx='D' WHERE readtextid=%1").arg(group));
    const QStringList paperBefore = bank.column("SELECT tgid || tjda FROM sj ORDER BY rowid");
    const QStringList tagsBefore = bank.column("SELECT lx FROM question ORDER BY id");
    bank.exec("CREATE TRIGGER broken BEFORE INSERT ON sj WHEN NEW.tid='2' "
              "BEGIN SELECT RAISE(ABORT, 'disk trouble'); END");

    EXPECT_THROW(assemble(bank, random), StoreError);

    EXPECT_EQ(bank.column("SELECT tgid || tjda FROM sj ORDER BY rowid"), paperBefore);
    EXPECT_EQ(bank.column("SELECT lx FROM question ORDER BY id"), tagsBefore);
}

TEST(ExamCounts, ReadInStoredOrderWithMissingRowsAsZero) {
    ExamBank bank;
    bank.exec("DELETE FROM ts");
    bank.exec("INSERT INTO ts (txs, fg) VALUES ('07', 7)");
    bank.exec("INSERT INTO ts (txs, fg) VALUES ('x', 0)");
    bank.exec("INSERT INTO ts (txs, fg) VALUES (3, 0)");
    EXPECT_EQ(readExamCounts(bank.db()), (ExamCounts{7, 0, 3, 0}));
}
