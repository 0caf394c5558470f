#include "browse/ChapterPage.h"
#include "page/Fragments.h"
#include "store/BankQueries.h"
#include "support/TestBank.h"

#include <gtest/gtest.h>

using namespace velkora;
using namespace velkora::test;

class ChapterPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        bank.addStandardTypes();
        chapter = bank.addChapterPath();
        single = bank.writer().addGroup(chapter, SingleA1);
        s1 = bank.addChoice(single, "单选一", "A");
        caseGroup = bank.writer().addGroup(chapter, Case, "病例");
        for (int i = 0; i < 5; ++i)
            caseQuestions << bank.addChoice(caseGroup, QString("案例问%1").arg(i + 1), "AB");
        emptyGroup = bank.writer().addGroup(chapter, MultiX);
    }
    ChapterPage compose(ViewMode mode) {
        NumberingState numbering;
        return composeChapterPage(BankQueries(bank.db()), chapter, mode, numbering);
    }
    TestBank bank;
    int chapter = 0, single = 0, s1 = 0, caseGroup = 0, emptyGroup = 0;
    QList<int> caseQuestions;
};

TEST_F(ChapterPageTest, ChapterPracticeHeadsEmptyGroupsToo) {
    const ChapterPage page = compose(ViewMode::ChapterPractice);
    EXPECT_TRUE(page.complete);
    EXPECT_EQ(page.chapterName, "第一节");
    EXPECT_TRUE(page.chapterFound);
    const QString html = page.fragments.join("");
    EXPECT_TRUE(html.contains(fragments::heading(typeTitle(MultiX))));
    EXPECT_TRUE(html.indexOf(typeTitle(SingleA1)) < html.indexOf(typeTitle(MultiX)));
    EXPECT_TRUE(html.contains("'>2.5. 案例问5</span>"));
}

TEST_F(ChapterPageTest, FavouritesShowOnlyFavouritesAndSkipEmptyGroups) {
    bank.exec(QString("UPDATE question SET scbt='1' WHERE id IN (%1,%2)")
                  .arg(caseQuestions[1])
                  .arg(caseQuestions[3]));
    const QString html = compose(ViewMode::Favourites).fragments.join("");
    EXPECT_FALSE(html.contains(typeTitle(SingleA1)));
    EXPECT_FALSE(html.contains(typeTitle(MultiX)));
    EXPECT_EQ(html.count("&nbsp1.病例"), 1);
    EXPECT_TRUE(html.contains("'>1.1. 案例问2</span>"));
    EXPECT_TRUE(html.contains("'>1.2. 案例问4</span>"));
    EXPECT_EQ(html.count("value=\"取消收藏\""), 2);
}

TEST_F(ChapterPageTest, WrongQuestionViewOfAChapterWithoutWrongQuestionsIsEmpty) {
    const ChapterPage page = compose(ViewMode::WrongQuestions);
    EXPECT_TRUE(page.fragments.isEmpty());
    EXPECT_TRUE(page.complete);
}

TEST_F(ChapterPageTest, AChapterWithoutGroupsIsAnEmptyPage) {
    const int section =
        bank.scalar(QString("SELECT parentid FROM tree WHERE id=%1").arg(chapter)).toInt();
    const int bare = bank.writer().addNode("空章节", section, 3);
    NumberingState numbering;
    const ChapterPage page =
        composeChapterPage(BankQueries(bank.db()), bare, ViewMode::ChapterPractice, numbering);
    EXPECT_TRUE(page.fragments.isEmpty());
    EXPECT_EQ(page.chapterName, "空章节");
}

TEST_F(ChapterPageTest, AFailedReadKeepsTheGroupsBefore) {
    bank.exec(QString("UPDATE readtext SET qtypeid=%1 WHERE id=%2").arg(Case).arg(caseGroup));
    bank.exec("DROP TABLE opinion");
    const ChapterPage page = compose(ViewMode::ChapterPractice);
    EXPECT_FALSE(page.complete);
    EXPECT_EQ(page.chapterName, "第一节");
}

TEST_F(ChapterPageTest, AGroupOfATypeTheBankDoesNotDefineIsLeftOut) {
    const RowId stray = bank.writer().addGroup(chapter, 77);
    bank.addChoice(stray, "无题型的题", "A");
    const ChapterPage page = compose(ViewMode::ChapterPractice);
    const QString html = page.fragments.join("");
    EXPECT_FALSE(html.contains("无题型的题"));
    EXPECT_TRUE(html.contains("单选一"));
    EXPECT_TRUE(page.complete);
}

TEST_F(ChapterPageTest, PicturesAreAskedForUnderTheNameTheLocatorGives) {
    bank.exec(QString("UPDATE question SET picurl='Tupian/A.JPG' WHERE id=%1").arg(s1));
    NumberingState numbering;
    const ChapterPage page =
        composeChapterPage(BankQueries(bank.db()), chapter, ViewMode::ChapterPractice, numbering,
                           [](const QString &stored) { return stored.toLower(); });
    EXPECT_TRUE(page.fragments.join("").contains("<img src=\"./tupian/a.jpg\">"));
}
