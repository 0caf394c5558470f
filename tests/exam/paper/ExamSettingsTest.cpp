#include "exam/paper/ExamSettings.h"

#include "store/StoreError.h"
#include "support/TestBank.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace velkora;
using velkora::test::TestBank;

namespace {

using Verdict = ExamSettings::Verdict;

// Every row of `ts` in stored order, as "txs/fg".
QStringList storedRows(const TestBank &bank) {
    QSqlQuery query(bank.db());
    query.exec("SELECT txs, fg FROM ts ORDER BY rowid");
    QStringList rows;
    while (query.next())
        rows << query.value(0).toString() + "/" + query.value(1).toString();
    return rows;
}

class ExamSettingsStore : public ::testing::Test {
protected:
    ExamSettingsStore() {
        // txs of row 1 differs from fg, as after a senior-level exam.
        bank.exec("DELETE FROM ts");
        bank.exec("INSERT INTO ts (txs, fg) VALUES (0, 20)");
        bank.exec("INSERT INTO ts (txs, fg) VALUES (10, 0)");
        bank.exec("INSERT INTO ts (txs, fg) VALUES (2, 0)");
        bank.exec("INSERT INTO ts (txs, fg) VALUES (3, 0)");
    }

    TestBank bank;
    ExamSettings settings{bank.db()};
};

} // namespace

TEST_F(ExamSettingsStore, LoadShowsTheOwnSingleChoiceCountThenTheOtherRows) {
    EXPECT_EQ(settings.load(), (PaperCounts{"20", "10", "2", "3"}));
}

TEST_F(ExamSettingsStore, LoadLeavesFieldsOfMissingRowsEmpty) {
    bank.exec("DELETE FROM ts WHERE rowid > 2");
    EXPECT_EQ(settings.load(), (PaperCounts{"20", "10", "", ""}));
}

TEST_F(ExamSettingsStore, SaveWritesRowOneBothWaysAndLeavesLaterRowsAlone) {
    bank.exec("INSERT INTO ts (txs, fg) VALUES (44, 45)");
    EXPECT_EQ(settings.save({"50", "50", "50", "50"}), Verdict::Saved);
    EXPECT_EQ(storedRows(bank), (QStringList{"50/50", "50/0", "50/0", "50/0", "44/45"}));
}

TEST_F(ExamSettingsStore, SaveCompletesATableShortOfItsFourRows) {
    bank.exec("DELETE FROM ts WHERE rowid > 2");
    EXPECT_EQ(settings.save({"5", "6", "7", "8"}), Verdict::Saved);
    EXPECT_EQ(settings.load(), (PaperCounts{"5", "6", "7", "8"}));
}

TEST_F(ExamSettingsStore, ChecksRunInOrderAndARejectedSaveWritesNothing) {
    const QStringList before = storedRows(bank);
    struct Case {
        PaperCounts counts;
        Verdict verdict;
    };
    const Case cases[] = {
        {{"51", "0", "0", "0"}, Verdict::OverLimit},    // the limit comes before the zero test
        {{"1", "2", "3", "51"}, Verdict::OverLimit},    // in any field
        {{"", "99", "0", "0"}, Verdict::FieldMissing},  // empty comes first of all
        {{"1", "2", "3", ""}, Verdict::FieldMissing},   //
        {{"1a", "2", "3", "4"}, Verdict::FieldMissing}, // not a count at all
        {{"99999999999999999999", "1", "1", "1"}, Verdict::OverLimit},
        {{"0", "0", "0", "10"}, Verdict::NoChoiceParts}, // the fourth does not count
    };
    for (const Case &c : cases) {
        EXPECT_EQ(settings.save(c.counts), c.verdict) << c.counts[0].toStdString();
        EXPECT_EQ(storedRows(bank), before);
    }
}

TEST_F(ExamSettingsStore, ZeroTestComparesTextSoLeadingZerosPass) {
    EXPECT_EQ(ExamSettings::check({"0", "0", "5", "0"}), Verdict::Saved);
    EXPECT_EQ(ExamSettings::check({"00", "0", "0", "0"}), Verdict::Saved);
    EXPECT_EQ(ExamSettings::check({"0", "0", "0", "0"}), Verdict::NoChoiceParts);
    EXPECT_EQ(ExamSettings::check({"050", "0", "0", "0"}), Verdict::Saved);
}

// Where `ts` keeps its counts as text, a count is stored exactly as typed.
TEST_F(ExamSettingsStore, CountsAreStoredAsTyped) {
    bank.exec("DROP TABLE ts");
    bank.exec("CREATE TABLE ts (txs TEXT, fg TEXT)");
    for (int row = 0; row < 4; ++row)
        bank.exec("INSERT INTO ts (txs, fg) VALUES ('1', '1')");
    EXPECT_EQ(settings.save({"07", "0", "0", "0"}), Verdict::Saved);
    EXPECT_EQ(storedRows(bank), (QStringList{"07/07", "0/1", "0/1", "0/1"}));
    EXPECT_EQ(settings.load()[0], "07");
}

TEST(ExamSettingsMessages, TellTheLearnerTheOutcome) {
    EXPECT_EQ(ExamSettings::message(Verdict::Saved), QString("设置成功！"));
    EXPECT_EQ(ExamSettings::message(Verdict::FieldMissing), QString("设置错误！"));
    EXPECT_EQ(ExamSettings::message(Verdict::NoChoiceParts), QString("设置错误！"));
    EXPECT_EQ(ExamSettings::message(Verdict::OverLimit), QString("请仔细看下边的温馨提示，谢谢！"));
}

TEST_F(ExamSettingsStore, TitleLevelSetsRowOneAndKeepsTheOwnCount) {
    settings.applyTitleLevel(TitleLevel::AssociateSenior);
    EXPECT_EQ(storedRows(bank).first(), "20/20") << "restored from fg after a senior exam";
    settings.applyTitleLevel(TitleLevel::Senior);
    EXPECT_EQ(storedRows(bank), (QStringList{"0/20", "10/0", "2/0", "3/0"}));
    EXPECT_EQ(settings.load()[0], "20");
}

TEST_F(ExamSettingsStore, TitleLevelOnAnEmptyTableIsAStoreError) {
    bank.exec("DELETE FROM ts");
    EXPECT_THROW(settings.applyTitleLevel(TitleLevel::AssociateSenior), StoreError);
}

TEST_F(ExamSettingsStore, AFailedSaveRollsBackEveryRow) {
    // The fourth row's update fails after the first three were written.
    bank.exec("CREATE TRIGGER refuse BEFORE UPDATE ON ts WHEN CAST(NEW.txs AS TEXT) = '9' "
              "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    const QStringList before = storedRows(bank);
    EXPECT_THROW(settings.save({"1", "2", "3", "9"}), StoreError);
    EXPECT_EQ(storedRows(bank), before);
}
