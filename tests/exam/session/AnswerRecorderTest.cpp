#include "exam/ExamPaperFixture.h"

#include "exam/session/AnswerRecorder.h"

namespace velkora::test {
namespace {

class AnswerRecorderTest : public ExamPaperFixture {
protected:
    SavedAnswer save(const QString &tid, const QList<ControlState> &controls) {
        paper = ExamPaper::read(bank.db());
        return AnswerRecorder(bank.db()).save(paper, tid, controls);
    }

    ExamPaper paper;
};

TEST_F(AnswerRecorderTest, CheckedLettersAreStoredInOptionOrderAndTurnTheButtonBlue) {
    addChoiceEntry("1", "a2", "AB", "A");
    const qint64 question = addChoiceEntry("2", "a2", "BD");
    addChoiceEntry("3", "a2", "C");

    QList<ControlState> controls = optionControls(question, "DB");
    std::reverse(controls.begin(), controls.end()); // page order does not matter
    const SavedAnswer saved = save("2", controls);

    EXPECT_EQ(saved.letters, "BD");
    EXPECT_EQ(given("2"), "BD");
    EXPECT_EQ(paper.row("2")->given, "BD");
    ASSERT_TRUE(saved.button);
    EXPECT_EQ(*saved.button, (ButtonColour{"a2", SheetColour::Blue}));
    // One entry was answered before this save.
    EXPECT_EQ(saved.progress.countAfterStep(), 2);
    EXPECT_EQ(saved.progress.barValue(), 2);
}

TEST_F(AnswerRecorderTest, AnEmptyAnswerKeepsTheStoredOneAndMarksTheButtonVisited) {
    const qint64 question = addChoiceEntry("1", "a2", "AB", "A");

    const SavedAnswer saved = save("1", optionControls(question));

    EXPECT_EQ(given("1"), "A");
    EXPECT_EQ(*saved.button, (ButtonColour{"a1", SheetColour::ActiveBorder}));
}

TEST_F(AnswerRecorderTest, ANullAnswerReadsAsUnanswered) {
    addChoiceEntry("1", "a1", "A", QVariant());
    addChoiceEntry("2", "a1", "B", "B");
    const ExamPaper read = ExamPaper::read(bank.db());

    EXPECT_EQ(read.answeredCount(), 1);
    EXPECT_TRUE(read.hasUnanswered("a1"));
    EXPECT_TRUE(read.row("1")->given.isEmpty());
}

TEST_F(AnswerRecorderTest, MatchingChoicesGoToTheItemsAndLastItemFirstToTheEntry) {
    const QList<qint64> items = addMatchingEntry("1", {"C", "B", "A"});

    const SavedAnswer saved = save("1", dropDowns(items, {"C", "daan", "A"}));

    EXPECT_EQ(given("1"), "AC");
    EXPECT_EQ(itemChoice(items[0]), "C");
    EXPECT_EQ(itemChoice(items[1]), "");
    EXPECT_EQ(itemChoice(items[2]), "A");
    EXPECT_EQ(*saved.button, (ButtonColour{"a1", SheetColour::Blue}));
}

TEST_F(AnswerRecorderTest, MatchingWithNothingChosenStoresTheEmptyAnswer) {
    const QList<qint64> items = addMatchingEntry("1", {"C", "B"});
    save("1", dropDowns(items, {"C", "B"}));

    const SavedAnswer saved = save("1", dropDowns(items, {"daan", "daan"}));

    EXPECT_EQ(given("1"), "");
    EXPECT_EQ(itemChoice(items[0]), "");
    EXPECT_EQ(*saved.button, (ButtonColour{"a1", SheetColour::ActiveBorder}));
}

TEST_F(AnswerRecorderTest, APageWithoutTheGroupsDropDownsWipesNoChoice) {
    const QList<qint64> items = addMatchingEntry("1", {"C", "B"});
    save("1", dropDowns(items, {"C", "B"}));

    const SavedAnswer saved = save("1", {});

    EXPECT_EQ(given("1"), "BC");
    EXPECT_EQ(itemChoice(items[0]), "C");
    EXPECT_EQ(saved.button->colour, SheetColour::Blue);
}

TEST_F(AnswerRecorderTest, AFailingItemWriteLeavesTheWholeGroupAsItWas) {
    const QList<qint64> items = addMatchingEntry("1", {"C", "B"});
    bank.exec("CREATE TRIGGER refuse_second BEFORE UPDATE OF lx ON question "
              "WHEN NEW.lx = 'B' BEGIN SELECT RAISE(ABORT, 'refused'); END");

    EXPECT_THROW(save("1", dropDowns(items, {"A", "B"})), StoreError);

    EXPECT_EQ(itemChoice(items[0]), "a4");
    EXPECT_EQ(given("1"), "");
}

TEST_F(AnswerRecorderTest, ProgressCountsAfterAJumpStopAtTheBarsEnd) {
    addChoiceEntry("1", "a1", "A", "A");
    const qint64 question = addChoiceEntry("2", "a1", "B", "B");

    const AnswerProgress progress = save("2", optionControls(question, "B", "radio")).progress;

    EXPECT_EQ(progress.countAfterStep(), 3);
    EXPECT_EQ(progress.countAfterJump(), 2);
    EXPECT_EQ(progress.barValue(), 2);
}

TEST_F(AnswerRecorderTest, AnEntryNotOnThePaperStoresNothing) {
    addChoiceEntry("1", "a1", "A");

    const SavedAnswer saved = save("7", {});

    EXPECT_FALSE(saved.button);
    EXPECT_EQ(given("1"), "");
}

} // namespace

TEST_F(AnswerRecorderTest, OptionsWhoseKeysAreTextAreFoundOnThePage) {
    // Another tool's bank keys options with text, not numbers.
    const qint64 question = addChoiceEntry("1", "a2", "AC");
    bank.exec("CREATE TABLE keyed AS SELECT * FROM opinion");
    bank.exec("DROP TABLE opinion");
    bank.exec("ALTER TABLE keyed RENAME TO opinion");
    bank.exec(QString("UPDATE opinion SET id = 'k' || code WHERE questionid = %1").arg(question));
    const SavedAnswer saved = save("1", optionControls(question, "CA"));
    EXPECT_EQ(saved.letters, "AC");
    EXPECT_EQ(given("1"), "AC");
}

} // namespace velkora::test
