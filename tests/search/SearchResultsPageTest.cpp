#include "search/SearchResultsPage.h"
#include "search/SearchIndex.h"
#include "store/BankQueries.h"
#include "support/TestBank.h"

#include <gtest/gtest.h>

using namespace velkora;
using namespace velkora::test;

namespace {

// Two chapters, each with a single-choice group and a case group.
class SearchResultsPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        bank.addStandardTypes();
        BankWriter &w = bank.writer();
        const RowId part = w.addNode("专业知识", 0, 1);
        const RowId section = w.addNode("第四章 职业性化学中毒", part, 2);
        for (const QString chapter : {"第一节 金属中毒", "第二节 苯中毒"}) {
            const RowId node = w.addNode(chapter, section, 3);
            bank.addChoice(w.addGroup(node, SingleA1), chapter + " 单选 靶器官", "A");
            const RowId caseGroup = w.addGroup(node, Case, chapter + " 病例：工人接触毒物");
            bank.addChoice(caseGroup, "病例问一 靶器官", "B");
            bank.addChoice(caseGroup, "病例问二", "C");
        }
    }

    QString page(const QString &text) {
        SearchIndex index(bank.db());
        EXPECT_EQ(index.build({}), SearchIndex::BuildResult::Built);
        const SearchQuery query(text);
        const SearchResult result = BankSearch(bank.db(), index.schema()).find(query);
        NumberingState numbering;
        return composeSearchPage(BankQueries(bank.db()), query, result, numbering).join("");
    }

    TestBank bank;
};

} // namespace

TEST_F(SearchResultsPageTest, GroupsHitsUnderTheirChapterPathWithChapterMarkup) {
    const QString html = page("靶器官");
    EXPECT_TRUE(html.contains("搜索“靶器官”：共找到 4 道试题。")) << html.toStdString();
    EXPECT_EQ(html.count("vk-chapter-path"), 2);
    EXPECT_TRUE(html.contains("专业知识 › 第四章 职业性化学中毒 › 第一节 金属中毒"));
    const qsizetype firstPath = html.indexOf("第一节 金属中毒</div>");
    const qsizetype secondPath = html.indexOf("第二节 苯中毒</div>");
    EXPECT_LT(firstPath, secondPath);
    // The case text and its heading come under each chapter; the case
    // question that did not match is left out.
    EXPECT_EQ(html.count("病例：工人接触毒物"), 2);
    EXPECT_EQ(html.count(typeTitle(Case)), 2);
    EXPECT_FALSE(html.contains("病例问二"));
    // The questions carry the controls and buttons of a chapter page.
    EXPECT_EQ(html.count("name=\"torvanescbt\""), 4);
    EXPECT_EQ(html.count("name=\"torvanectfk\""), 4);
}

TEST_F(SearchResultsPageTest, TellsWhatWasNotFoundWithTheQueryEscaped) {
    const QString html = page("<img src=x onerror=alert(1)>");
    EXPECT_TRUE(html.contains("没有找到含有“&lt;img src=x onerror=alert(1)&gt;”的试题。"))
        << html.toStdString();
    EXPECT_FALSE(html.contains("<img"));
}

TEST_F(SearchResultsPageTest, TheHighlightScriptCarriesTheTermsAsData) {
    const QString script = highlightScript(SearchQuery("苯 \");alert(1);(\""));
    EXPECT_TRUE(script.contains(R"(["苯","\");alert(1);(\""]);)")) << script.toStdString();
}
