#include "store/BankQueries.h"
#include "store/FlagStore.h"
#include "store/Sql.h"
#include "support/TestBank.h"

#include <gtest/gtest.h>

using namespace velkora;
using namespace velkora::test;

class BankQueriesTest : public ::testing::Test {
protected:
    void SetUp() override {
        bank.addStandardTypes();
        chapter = bank.addChapterPath();
        group = bank.writer().addGroup(chapter, MultiX);
        first = bank.addChoice(group, "一", "AB");
        second = bank.addChoice(group, "二", "C");
        third = bank.addChoice(group, "三", "D");
    }
    TestBank bank;
    int chapter = 0, group = 0, first = 0, second = 0, third = 0;
};

TEST_F(BankQueriesTest, ViewsListOnlyFlaggedQuestionsAndNullIsClear) {
    bank.exec(QString("UPDATE question SET scbt='1' WHERE id=%1").arg(second));
    bank.exec(QString("UPDATE question SET scbt=NULL, ct=NULL WHERE id=%1").arg(third));
    bank.exec(QString("UPDATE question SET ct='1' WHERE id=%1").arg(first));
    const BankQueries queries(bank.db());
    EXPECT_EQ(queries.questionsOfGroup(group, ViewMode::ChapterPractice).size(), 3);
    const auto favourites = queries.questionsOfGroup(group, ViewMode::Favourites);
    ASSERT_EQ(favourites.size(), 1);
    EXPECT_EQ(favourites[0].id, second);
    const auto wrong = queries.questionsOfGroup(group, ViewMode::WrongQuestions);
    ASSERT_EQ(wrong.size(), 1);
    EXPECT_EQ(wrong[0].id, first);
}

TEST_F(BankQueriesTest, FavouriteToggleFlipsAndIgnoresUnknownIds) {
    FlagStore flags(bank.db());
    EXPECT_EQ(flags.toggleFavourite(first), std::optional<bool>(true));
    EXPECT_EQ(bank.scalar(QString("SELECT scbt FROM question WHERE id=%1").arg(first)), "1");
    EXPECT_EQ(flags.toggleFavourite(first), std::optional<bool>(false));
    EXPECT_EQ(bank.scalar(QString("SELECT scbt FROM question WHERE id=%1").arg(first)), "");

    const QString before = bank.scalar("SELECT count(*) FROM question");
    EXPECT_EQ(flags.toggleFavourite(99999), std::nullopt);
    EXPECT_EQ(bank.scalar("SELECT count(*) FROM question"), before);
}

TEST_F(BankQueriesTest, ChapterMarksAreRecomputedFromScratch) {
    const int section =
        bank.scalar(QString("SELECT parentid FROM tree WHERE id=%1").arg(chapter)).toInt();
    const int other = bank.writer().addNode("第二节", section, 3);
    const int otherGroup = bank.writer().addGroup(other, SingleA1);
    const int lone = bank.addChoice(otherGroup, "五", "A");
    bank.exec(QString("UPDATE tree SET ct='1' WHERE id=%1").arg(other)); // stale mark
    bank.exec(QString("UPDATE question SET ct='1' WHERE id IN (%1,%2,%3)")
                  .arg(first)
                  .arg(second)
                  .arg(third));

    FlagStore(bank.db()).markChapters(ViewMode::WrongQuestions);
    EXPECT_EQ(bank.scalar(QString("SELECT ct FROM tree WHERE id=%1").arg(chapter)), "1");
    EXPECT_EQ(bank.scalar(QString("SELECT ct FROM tree WHERE id=%1").arg(other)), "");
    EXPECT_EQ(bank.scalar("SELECT count(*) FROM tree WHERE ct='1'"), "1");

    bank.exec(QString("UPDATE question SET scbt='1' WHERE id=%1").arg(lone));
    FlagStore(bank.db()).markChapters(ViewMode::Favourites);
    EXPECT_EQ(bank.scalar(QString("SELECT scbt FROM tree WHERE id=%1").arg(other)), "1");
    EXPECT_EQ(bank.scalar(QString("SELECT scbt FROM tree WHERE id=%1").arg(chapter)), "");
    // The other view's marks are left alone.
    EXPECT_EQ(bank.scalar(QString("SELECT ct FROM tree WHERE id=%1").arg(chapter)), "1");
}

TEST_F(BankQueriesTest, GroupsOfAChapterComeByType) {
    bank.writer().addGroup(chapter, Case, "病例");
    bank.writer().addGroup(chapter, SingleA1);
    QList<int> types;
    for (const GroupRow &g : BankQueries(bank.db()).groupsOfChapter(chapter))
        types << g.typeId;
    EXPECT_EQ(types, (QList<int>{SingleA1, MultiX, Case}));
}
