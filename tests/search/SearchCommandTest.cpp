#include "search/SearchCommand.h"
#include "booklet/BookletCommand.h"
#include "search/BankSearch.h"
#include "support/MainWindowFixture.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>

using namespace velkora;
using namespace velkora::test;

namespace {

// The first chapter's page is what start-up shows; the searched question
// sits in the second chapter.
class SearchCommandTest : public MainWindowFixture {
protected:
    void SetUp() override {
        BankWriter &w = bank.writer();
        const RowId part = w.addNode("基础知识", 0, 1);
        const RowId section = w.addNode("第一章", part, 2);
        const RowId first = w.addNode("第一节", section, 3);
        const RowId second = w.addNode("第二节", section, 3);
        bank.addChoice(w.addGroup(first, SingleA1), "噪声性耳聋的特点", "A");
        hit = w.addQuestion(w.addGroup(second, SingleA1), "<b>矽</b>肺最常见的并发症是", "B",
                            "以肺结核最多见", {"肺癌", "肺结核", "气胸"});
        start();
        search = &commands->search();
    }

    void searchFor(const QString &text) {
        search->field()->setText(text);
        QTest::keyClick(search->field(), Qt::Key_Return);
    }
    QString flag(RowId id) const {
        return bank.scalar(QString("SELECT scbt FROM question WHERE id=%1").arg(id));
    }

    SearchCommand *search = nullptr;
    RowId hit = 0;
};

} // namespace

TEST_F(SearchCommandTest, ShowsTheHitsHighlightedOnAPageOfTheirOwn) {
    searchFor("并发症 肺");
    EXPECT_TRUE(bodyText().contains("搜索“并发症 肺”：共找到 1 道试题。"));
    EXPECT_TRUE(bodyText().contains("基础知识 › 第一章 › 第二节"));
    EXPECT_FALSE(bodyText().contains("噪声性耳聋"));
    EXPECT_EQ(js("Array.from(document.querySelectorAll('mark.vk-hit'))"
                 ".map(function(m){return m.textContent;}).join('|')")
                  .toString(),
              "肺|并发症|肺|肺|肺"); // stem (across the bank's markup), options, explanation
    EXPECT_TRUE(window->browseHost().showsListPage());
    EXPECT_EQ(pageToolbar()->chapterLabel()->text(), "搜索结果");
    EXPECT_TRUE(tree()->selectedItems().isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(SearchCommandTest, TheInPageCommandsWorkOnTheResultsPage) {
    searchFor("并发症");
    js("document.getElementsByName('torvanescbt')[0].click()");
    ASSERT_TRUE(waitUntil([&] { return !messages.shown.isEmpty(); }));
    EXPECT_EQ(messages.shown.last(), "收藏成功！");
    EXPECT_EQ(flag(hit), "1");
    EXPECT_TRUE(bodyText().contains("共找到 1 道试题"));
}

TEST_F(SearchCommandTest, SubmittingOrAnsweringAgainTellsThatOnlyChaptersAreGraded) {
    searchFor("并发症");
    for (const MainWindowCommand command :
         {&MainWindowCommands::submitChapter, &MainWindowCommands::answerAgain}) {
        messages.shown.clear();
        trigger(command);
        ASSERT_EQ(messages.shown.size(), 1) << designerName(command);
        EXPECT_TRUE(messages.shown.first().startsWith("只有章节的试题才能交卷评分和重新答题"));
        EXPECT_TRUE(bodyText().contains("共找到 1 道试题")) << designerName(command);
    }
    EXPECT_EQ(bank.scalar("SELECT count(*) FROM fenshu"), "0");
    clickNode(2); // a chapter again: graded as before
    EXPECT_FALSE(window->browseHost().showsListPage());
}

TEST_F(SearchCommandTest, CtrlFReachesTheFieldWhichIsNamedForAssistiveTools) {
    window->activateWindow();
    trigger(&MainWindowCommands::searchBank);
    EXPECT_TRUE(search->field()->hasFocus());
    QAccessibleInterface *field = QAccessible::queryAccessibleInterface(search->field());
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(QAccessible::Name), "搜索试题");
    EXPECT_EQ(field->role(), QAccessible::EditableText);
    EXPECT_EQ(window->commands().searchBank->shortcut(), QKeySequence::Find);
}

TEST_F(SearchCommandTest, NothingFoundAndEmptyInputAreHarmless) {
    searchFor("   ");
    EXPECT_FALSE(window->browseHost().showsListPage());
    searchFor("\"NEAR( 😀 %_");
    EXPECT_TRUE(bodyText().contains("没有找到含有“\"NEAR( 😀 %_”的试题。"));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(SearchCommandTest, ABankOpenedAnewIsSearchedAsItIsNow) {
    searchFor("并发症");
    bank.writer().addQuestion(
        bank.writer().addGroup(bank.scalar("SELECT max(id) FROM tree").toLongLong(), SingleA1),
        "新的并发症题", "A");
    bank.connection().open(); // opened anew, as after a restore
    searchFor("并发症");
    EXPECT_TRUE(bodyText().contains("共找到 2 道试题"));
}

TEST_F(SearchCommandTest, ABookletOfTheResultsHoldsTheQuestionsFound) {
    if (QString(VELKORA_PDFTOTEXT).isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    QTemporaryDir out;
    QString offered;
    commands->booklet().exporter().setPlacementChooser(
        [] { return AnswerPlacement::AfterEachQuestion; });
    commands->booklet().exporter().setFileChooser([&](const QString &preset) {
        offered = preset;
        return out.filePath("search.pdf");
    });
    searchFor("并发症");
    trigger(&MainWindowCommands::exportBooklet);
    ASSERT_EQ(messages.shown.value(0), "PDF已导出：" + out.filePath("search.pdf"));
    EXPECT_TRUE(QFileInfo(offered).fileName().startsWith("搜索结果 并发症（共 1 题）-"));
    QProcess text;
    text.start(VELKORA_PDFTOTEXT, {out.filePath("search.pdf"), "-"});
    ASSERT_TRUE(text.waitForFinished(60000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(printed.contains("1. 矽肺最常见的并发症是")) << printed.toStdString();
    EXPECT_TRUE(printed.contains("共 1 题"));
    EXPECT_FALSE(printed.contains("噪声性耳聋"));
    EXPECT_TRUE(bodyText().contains("共找到 1 道试题")); // the results stay
}

TEST_F(SearchCommandTest, ABookletOfTheResultsHoldsEveryQuestionFoundNotOnlyThoseShown) {
    const RowId group =
        bank.writer().addGroup(bank.scalar("SELECT max(id) FROM tree").toLongLong(), SingleA1);
    QList<RowId> matching{hit};
    for (int i = 0; i < BankSearch::shownHits + 50; ++i)
        matching << bank.writer().addQuestion(group, QString("矽肺分期第%1题").arg(i), "A");
    searchFor("矽肺");
    EXPECT_TRUE(bodyText().contains("共找到 251 道试题，显示前 200 道。"));
    EXPECT_EQ(commands->booklet().questions(), matching);
    QString offered;
    commands->booklet().exporter().setPlacementChooser([] { return AnswerPlacement::AtEnd; });
    commands->booklet().exporter().setFileChooser([&](const QString &preset) {
        offered = preset;
        return QString(); // cancelled: nothing is printed
    });
    trigger(&MainWindowCommands::exportBooklet);
    EXPECT_TRUE(QFileInfo(offered).fileName().startsWith("搜索结果 矽肺（共 251 题）-"))
        << offered.toStdString();
}
