#include "search/BankSearch.h"
#include "search/SearchIndex.h"
#include "store/ScopedDatabase.h"
#include "support/TestBank.h"

#include <gtest/gtest.h>

using namespace velkora;
using namespace velkora::test;

TEST(SearchQuery, TakesTermsLiterally) {
    const SearchQuery query("  矽肺  诊断标准 矽肺 \"铅中毒 😀x ");
    EXPECT_EQ(query.terms(), QStringList({"矽肺", "诊断标准", "\"铅中毒", "😀x"}));
    EXPECT_EQ(query.indexedTerms(), QStringList({"诊断标准", "\"铅中毒"}));
    // An emoji is one character, as the trigram tokenizer counts them.
    EXPECT_EQ(query.scannedTerms(), QStringList({"矽肺", "😀x"}));
    EXPECT_EQ(query.matchExpression(), "\"诊断标准\" \"\"\"铅中毒\"");
    EXPECT_TRUE(SearchQuery(" \t\n").isEmpty());
}

TEST(SearchQuery, SearchesOnlyTheBeginningOfAPastedPage) {
    const SearchQuery longText(QString(10000, QChar(0x77F3)));
    ASSERT_EQ(longText.terms().size(), 1);
    EXPECT_EQ(longText.terms().first().size(), SearchQuery::maxCharacters);
    QStringList many;
    for (int i = 0; i < 20; ++i)
        many << QString("词%1").arg(i);
    EXPECT_EQ(SearchQuery(many.join(' ')).terms().size(), SearchQuery::maxTerms);
}

namespace {

// Two chapters in tree order; the questions of the second are written first,
// so their ids are smaller than those of the first.
class BankSearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        bank.addStandardTypes();
        BankWriter &w = bank.writer();
        const RowId part = w.addNode("专业知识", 0, 1);
        const RowId section = w.addNode("第三章 职业性尘肺病", part, 2);
        first = w.addNode("第一节 矽肺", section, 3);
        second = w.addNode("第二节 石棉肺", section, 3);
        asbestos = w.addQuestion(w.addGroup(second, SingleA1), "石棉肺的主要病变", "A",
                                 "胸膜斑是石棉接触的标志", {"间质纤维化", "矽结节"});
        const RowId single = w.addGroup(first, SingleA1);
        silicosis = w.addQuestion(single, "<b>矽</b>肺最常见的并发症是", "B", "以肺结核多见",
                                  {"肺癌", "肺结核", "气胸"});
        percent = w.addQuestion(single, "游离二氧化硅含量超过10%的粉尘", "C", {},
                                {"<font color=red>铅</font>烟", "煤尘", "矽尘"});
        const RowId caseGroup = w.addGroup(first, Case, "患者，男，45岁，从事石英喷砂作业12年。");
        caseOne = w.addQuestion(caseGroup, "最可能的诊断是", "A", {}, {"矽肺", "哮喘"});
        caseTwo = w.addQuestion(caseGroup, "应做的检查是", "B", {}, {"胸片", "血常规"});
        // A group whose chapter the tree does not hold: no page shows it.
        w.addQuestion(w.addGroup(9999, SingleA1), "无章节的矽肺题", "A");
    }

    SearchResult find(const QString &text, int limit = BankSearch::shownHits) {
        SearchIndex index(bank.db());
        if (!index.locate()) {
            EXPECT_EQ(index.build({}), SearchIndex::BuildResult::Built);
        }
        return BankSearch(bank.db(), index.schema()).find(SearchQuery(text), limit);
    }
    QList<RowId> found(const QString &text) {
        QList<RowId> ids;
        for (const SearchHit &hit : find(text).hits)
            ids << hit.question;
        return ids;
    }

    TestBank bank;
    RowId first = 0, second = 0, asbestos = 0, silicosis = 0, percent = 0, caseOne = 0, caseTwo = 0;
};

} // namespace

TEST_F(BankSearchTest, FindsStemsOptionsCaseTextsAndExplanationsInTreeOrder) {
    EXPECT_EQ(found("并发症"), QList<RowId>({silicosis}));          // stem, across markup
    EXPECT_EQ(found("间质纤维化"), QList<RowId>({asbestos}));       // option
    EXPECT_EQ(found("胸膜斑"), QList<RowId>({asbestos}));           // explanation
    EXPECT_EQ(found("石英喷砂"), QList<RowId>({caseOne, caseTwo})); // case text
    // Chapters in tree order although the second chapter's ids are smaller;
    // the question of no chapter is not found.
    EXPECT_EQ(found("矽"), QList<RowId>({silicosis, percent, caseOne, asbestos}));
    const SearchResult hits = find("矽");
    EXPECT_EQ(hits.total, 4);
    EXPECT_EQ(hits.hits.first().chapter, first);
    EXPECT_EQ(hits.hits.last().chapter, second);
}

TEST_F(BankSearchTest, EveryTermMustMatchShortOrLong) {
    EXPECT_EQ(found("矽 并发症"), QList<RowId>({silicosis}));
    EXPECT_EQ(found("铅"), QList<RowId>({percent}));
    EXPECT_EQ(found("铅 并发症"), QList<RowId>());
    EXPECT_EQ(found("SiO2"), QList<RowId>());
    EXPECT_EQ(found("font"), QList<RowId>()); // markup is not text
}

TEST_F(BankSearchTest, HostileInputIsPlainText) {
    EXPECT_EQ(found("10%"), QList<RowId>({percent}));
    EXPECT_EQ(found("%"), QList<RowId>({percent}));
    EXPECT_EQ(found("_"), QList<RowId>());
    EXPECT_EQ(found("矽肺 OR 胸片"), QList<RowId>());
    for (const QString text : {"\"", "'", "\"\"\"", "NEAR(矽肺 胸片)", "矽* AND NOT", "a:b",
                               "^矽肺", "(((", "😀", "😀😀😀", "'; DROP TABLE question; --"}) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_NO_THROW(find(text));
    }
    EXPECT_EQ(find(QString(10240, 'x')).total, 0);
    // Control characters, such as a pasted NUL, part words like blanks.
    EXPECT_EQ(found(QString("并发症") + QChar(0) + "矽\u0001肺" + QChar(0)),
              QList<RowId>({silicosis}));
    EXPECT_EQ(bank.scalar("SELECT count(*) FROM question"), "6");
}

TEST_F(BankSearchTest, ShowsAtMostTheLimitWithTheTotal) {
    const RowId group = bank.writer().addGroup(second, SingleA1);
    for (int i = 0; i < 30; ++i)
        bank.writer().addQuestion(group, QString("尘肺分期第%1题").arg(i), "A");
    const SearchResult result = find("尘肺分期", 20);
    EXPECT_EQ(result.total, 30);
    EXPECT_EQ(result.hits.size(), 20);
}

TEST_F(BankSearchTest, FindsTheTextThePageShows) {
    const RowId shock = bank.writer().addQuestion(bank.writer().addGroup(first, SingleA1),
                                                  "收缩压<90mmHg，伴<b>休克</b>表现", "A",
                                                  "体温&ge;38&deg;C&nbsp;以上", {"&lt;4&times;10"});
    for (const QString text : {"90mmHg", "<90", "休克表现", "≥38°C", "<4×10", "伴休克"}) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(found(text), QList<RowId>({shock}));
    }
    EXPECT_EQ(found("&ge;"), QList<RowId>());
    EXPECT_EQ(found("<b>"), QList<RowId>());
}

TEST_F(BankSearchTest, ShortAndLongWordsIgnoreLetterCaseAlike) {
    const RowId failure = bank.writer().addQuestion(bank.writer().addGroup(first, SingleA1),
                                                    "Ⅱ型呼吸衰竭时PaCO2与ＤＮＡ", "A");
    for (const QString text : {"ⅱ型", "ⅱ型呼", "ｄｎ", "ｄｎａ", "pa", "paco2"}) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(found(text), QList<RowId>({failure}));
    }
}

TEST_F(BankSearchTest, AnIndexFollowsTheBanksContent) {
    SearchIndex index(bank.db());
    EXPECT_FALSE(index.locate());
    ASSERT_EQ(index.build({}), SearchIndex::BuildResult::Built);
    EXPECT_EQ(index.schema(), "main");
    EXPECT_TRUE(SearchIndex(bank.db()).locate()); // kept in the bank
    // The learner's own marks change no text: the index stays current.
    bank.exec("UPDATE question SET scbt='1', ct='1', ct1='1', lx='a1'");
    bank.exec("UPDATE tree SET scbt='1', ct='1'");
    EXPECT_TRUE(SearchIndex(bank.db()).locate());
    // New content, as another bank brought by a restore: built again.
    const RowId added =
        bank.writer().addQuestion(bank.writer().addGroup(first, SingleA1), "硅沉着病", "A");
    EXPECT_FALSE(SearchIndex(bank.db()).locate());
    EXPECT_EQ(found("硅沉着病"), QList<RowId>({added}));
    // A text corrected without changing its length, in any field searched,
    // is other content too.
    for (const QString statement :
         {"UPDATE opinion SET content=replace(content, '铅', '汞')",
          "UPDATE question SET content=replace(content, '并发症', '合并症')",
          "UPDATE question SET \"explain\"=replace(\"explain\", '胸膜斑', '胸膜板')",
          "UPDATE readtext SET content=replace(content, '喷砂', '喷沙')"}) {
        SCOPED_TRACE(statement.toStdString());
        bank.exec(statement);
        EXPECT_FALSE(SearchIndex(bank.db()).locate());
        find("矽"); // built again
    }
    EXPECT_EQ(found("汞"), QList<RowId>({percent}));
    EXPECT_EQ(found("铅"), QList<RowId>());
    EXPECT_EQ(found("合并症"), QList<RowId>({silicosis}));
    EXPECT_EQ(found("胸膜板"), QList<RowId>({asbestos}));
    EXPECT_EQ(found("石英喷沙"), QList<RowId>({caseOne, caseTwo}));
    // A table written anew by another tool no longer tells of its changes.
    bank.exec("CREATE TABLE tree_copy AS SELECT * FROM tree");
    bank.exec("DROP TABLE tree");
    bank.exec("ALTER TABLE tree_copy RENAME TO tree");
    EXPECT_FALSE(SearchIndex(bank.db()).locate());
}

TEST_F(BankSearchTest, ACancelledBuildLeavesNothing) {
    SearchIndex index(bank.db());
    int calls = 0;
    EXPECT_EQ(index.build([&](qsizetype, qsizetype) { return ++calls < 1; }),
              SearchIndex::BuildResult::Cancelled);
    EXPECT_FALSE(index.isLocated());
    EXPECT_EQ(bank.scalar("SELECT count(*) FROM sqlite_master WHERE name LIKE 'velkora_search%'"),
              "0");
}

TEST_F(BankSearchTest, AReadOnlyBankIsIndexedForTheSession) {
    bank.connection().close();
    ScopedDatabase readOnly = ScopedDatabase::readOnlySqlite(bank.filePath());
    ASSERT_TRUE(readOnly.open());
    SearchIndex index(readOnly.database());
    ASSERT_FALSE(index.locate());
    ASSERT_EQ(index.build({}), SearchIndex::BuildResult::Built);
    EXPECT_EQ(index.schema(), "temp");
    const SearchResult result =
        BankSearch(readOnly.database(), index.schema()).find(SearchQuery("石英喷砂"));
    EXPECT_EQ(result.total, 2);
}
