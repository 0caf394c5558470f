#include "browse/BrowseSession.h"

#include <gtest/gtest.h>

using namespace velkora;

TEST(BrowseSession, InPageCommandsAreTakenFromTheAddressHost) {
    // While a page is built every navigation passes.
    EXPECT_TRUE(BrowseSession::judgeNavigation(QUrl("http://scbt12/"), false).allow);

    const auto judge = [](const char *url) {
        return BrowseSession::judgeNavigation(QUrl(url), true);
    };
    const auto favourite = judge("http://scbt12/");
    EXPECT_FALSE(favourite.allow);
    EXPECT_EQ(favourite.favouriteQuestion, 12);
    EXPECT_FALSE(favourite.reportQuestion);

    // Ids past 32 bits, as other tools' banks have them.
    EXPECT_EQ(judge("http://ctfk5000000001/").reportQuestion, 5000000001LL);
    // A link of a question's text is cancelled and runs nothing, even when
    // its path or query spells a command.
    for (const char *link : {"http://example.test/scbt12", "http://example.test/?ctfk=3",
                             "file:///scbt1", "http://scbtx/"}) {
        const auto verdict = judge(link);
        EXPECT_FALSE(verdict.allow) << link;
        EXPECT_FALSE(verdict.favouriteQuestion) << link;
        EXPECT_FALSE(verdict.reportQuestion) << link;
    }
}

TEST(BrowseSession, ActivationStaysAwayFromAMovedLayout) {
    BrowseSession session;
    session.setLayoutMark(488);
    EXPECT_EQ(session.activate(488), BrowseSession::Activation::ShowFirstChapter);
    EXPECT_EQ(session.activate(745), BrowseSession::Activation::LayoutChanged);
}

TEST(BrowseSession, OnlyChaptersAndChapterlessSectionsAnswerAClick) {
    using Kind = BrowseSession::NodeKind;
    EXPECT_EQ(BrowseSession::kindOfNode(3, false), Kind::Chapter);
    EXPECT_EQ(BrowseSession::kindOfNode(2, false), Kind::SectionWithoutChapters);
    EXPECT_EQ(BrowseSession::kindOfNode(2, true), Kind::NotAChapter);
    EXPECT_EQ(BrowseSession::kindOfNode(1, false), Kind::NotAChapter);
    EXPECT_EQ(BrowseSession::kindOfNode(1, true), Kind::NotAChapter);
}

TEST(BrowseSession, TheNodeTableGrowsWithTheTreeAndKeepsOlderEntriesBeyondIt) {
    BrowseSession session;
    session.takeNodeIds({0, 0, 7, 8, 0, 9});
    session.takeNodeIds({0, 0, 5});
    EXPECT_EQ(session.nodeIds(), (QList<RowId>{0, 0, 5, 8, 0, 9}));
    EXPECT_EQ(session.chapterAt(2), 5);
    EXPECT_EQ(session.chapterAt(4000), 0);
}

TEST(BrowseSession, EveryViewHasItsCaption) {
    EXPECT_EQ(viewCaption(ViewMode::Favourites), "收 藏 试 题");
    EXPECT_EQ(viewCaption(ViewMode::WrongQuestions), "错 题 题 库");
    EXPECT_EQ(viewCaption(ViewMode::ChapterPractice), "Velkora目录");
    for (ViewMode mode :
         {ViewMode::Favourites, ViewMode::WrongQuestions, ViewMode::ChapterPractice})
        EXPECT_EQ(viewModeForCaption(viewCaption(mode)), mode);
}
