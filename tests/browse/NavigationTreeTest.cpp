#include "browse/NavigationTree.h"
#include "store/BankQueries.h"
#include "store/StoreError.h"
#include "support/TestBank.h"

#include <gtest/gtest.h>

using namespace velkora;
using namespace velkora::test;

namespace {
QStringList nodeCaptions(const NavigationTree &tree) {
    QStringList out;
    std::function<void(const QList<NavigationNode> &)> walk =
        [&](const QList<NavigationNode> &nodes) {
            for (const NavigationNode &n : nodes) {
                out << QString(n.level - 1, '-') + n.caption;
                walk(n.children);
            }
        };
    walk(tree.roots);
    return out;
}
} // namespace

class NavigationTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        BankWriter &w = bank.writer();
        const int p1 = w.addNode("P1", 0, 1);
        const int s1 = w.addNode("S1", p1, 2);
        c1 = w.addNode("C1", s1, 3);
        c2 = w.addNode("C2", s1, 3);
        const int s2 = w.addNode("S2", p1, 2);
        c3 = w.addNode("C3", s2, 3);
        w.addNode("S3", p1, 2); // no chapters
        w.addNode("P2", 0, 1);  // no sections
        bank.exec(QString("UPDATE tree SET scbt='1' WHERE id=%1").arg(c3));
        bank.exec(QString("UPDATE tree SET ct='1' WHERE id IN (%1,%2)").arg(c1).arg(c2));
    }
    NavigationTree build(ViewMode mode) {
        NavigationTree tree;
        buildNavigationTree(BankQueries(bank.db()), mode, tree);
        return tree;
    }
    TestBank bank;
    int c1 = 0, c2 = 0, c3 = 0;
};

TEST_F(NavigationTreeTest, ChapterPracticeListsEverythingDepthFirst) {
    const NavigationTree tree = build(ViewMode::ChapterPractice);
    EXPECT_EQ(nodeCaptions(tree),
              (QStringList{"P1", "-S1", "--C1", "--C2", "-S2", "--C3", "-S3", "P2"}));
    EXPECT_EQ(tree.nodeIds, (QList<RowId>{0, 0, c1, c2, 0, c3, 0, 0}));
}

TEST_F(NavigationTreeTest, FavouritesKeepSectionsWithoutFlaggedChapters) {
    const NavigationTree tree = build(ViewMode::Favourites);
    EXPECT_EQ(nodeCaptions(tree), (QStringList{"P1", "-S1", "-S2", "--C3", "-S3", "P2"}));
    EXPECT_EQ(tree.nodeIds, (QList<RowId>{0, 0, 0, c3, 0, 0}));
    // Position 2 is now a section, not a chapter.
    EXPECT_EQ(tree.nodeIds[2], 0);
}

TEST_F(NavigationTreeTest, WrongQuestionViewListsItsOwnFlag) {
    EXPECT_EQ(nodeCaptions(build(ViewMode::WrongQuestions)),
              (QStringList{"P1", "-S1", "--C1", "--C2", "-S2", "-S3", "P2"}));
}

TEST_F(NavigationTreeTest, LargeTreesGrowThePositionTable) {
    BankWriter &w = bank.writer();
    const int part = w.addNode("Big", 0, 1);
    const int section = w.addNode("BigS", part, 2);
    for (int i = 0; i < 1200; ++i)
        w.addNode(QString("C%1").arg(i), section, 3);
    const NavigationTree tree = build(ViewMode::ChapterPractice);
    EXPECT_EQ(tree.nodeCount(), 8 + 2 + 1200);
    EXPECT_EQ(tree.nodeIds.last(), bank.scalar("SELECT max(id) FROM tree").toInt());
}

TEST_F(NavigationTreeTest, AFailedReadKeepsWhatWasRead) {
    bank.exec("ALTER TABLE tree RENAME COLUMN parentid TO parent");
    NavigationTree tree;
    EXPECT_THROW(buildNavigationTree(BankQueries(bank.db()), ViewMode::ChapterPractice, tree),
                 StoreError);
    EXPECT_EQ(nodeCaptions(tree), QStringList{"P1"});
}

TEST(NavigationTreeIds, PartsAndSectionsPast32BitsKeepTheirChapters) {
    TestBank bank;
    BankWriter &w = bank.writer();
    const RowId part = 5000000001LL, section = 5000000002LL;
    bank.exec(QString("INSERT INTO tree (id, nodename, parentid, code) VALUES (%1, 'P', 0, 1), "
                      "(%2, 'S', %1, 2)")
                  .arg(part)
                  .arg(section));
    const RowId chapter = w.addNode("C", section, 3);
    NavigationTree tree;
    buildNavigationTree(BankQueries(bank.db()), ViewMode::ChapterPractice, tree);
    EXPECT_EQ(nodeCaptions(tree), QStringList({"P", "-S", "--C"}));
    EXPECT_EQ(tree.roots.value(0).rowId, part);
    EXPECT_EQ(tree.nodeIds, QList<RowId>({0, 0, chapter}));
}
