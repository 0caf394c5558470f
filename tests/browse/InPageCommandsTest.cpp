#include "browse/InPageCommands.h"
#include "chrome/TitleStrip.h"
#include "feedback/ErrorReportWindow.h"
#include "support/MainWindowFixture.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTreeWidget>

using namespace velkora;
using namespace velkora::test;

namespace {

// Two chapters: the first with two single questions and a case group of
// three, the second with one question.
class InPage : public MainWindowFixture {
protected:
    void SetUp() override {
        BankWriter &w = bank.writer();
        const int part = w.addNode("基础知识", 0, 1);
        const int section = w.addNode("第一章", part, 2);
        first = w.addNode("第一节", section, 3);
        second = w.addNode("第二节", section, 3);
        const int single = w.addGroup(first, SingleA1);
        q1 =
            bank.addChoice(single, "单选一 <a id='link' href='http://example.test/'>链接</a>", "A");
        q2 = bank.addChoice(single, "单选二", "B");
        const int caseGroup = w.addGroup(first, Case, "某女，30岁，接触苯。");
        c1 = bank.addChoice(caseGroup, "案例一", "A");
        c2 = bank.addChoice(caseGroup, "案例二", "BD");
        c3 = bank.addChoice(caseGroup, "案例三", "C");
        other = bank.addChoice(w.addGroup(second, SingleA1), "第二节单选", "E");
    }
    QString flag(int id) const {
        return bank.scalar(QString("SELECT scbt FROM question WHERE id=%1").arg(id));
    }
    // Presses the favourite button of the k-th question on the page.
    void pressFavourite(int k) {
        const qsizetype before = messages.shown.size();
        js(QString("document.getElementsByName('torvanescbt')[%1].click()").arg(k));
        ASSERT_TRUE(waitUntil([&] { return messages.shown.size() > before; }));
    }
    bool visible(MainWindowCommand command) const {
        return button(command)->isVisibleTo(window.get());
    }
    // What the error-report window would send.
    FeedbackReport reported() const { return window->errorReportWindow().report(); }
    bool handleNavigation(const QUrl &url) const {
        return window->findChild<InPageCommands *>()->handleNavigation(url);
    }
    int first = 0, second = 0, q1 = 0, q2 = 0, c1 = 0, c2 = 0, c3 = 0, other = 0;
};

} // namespace

TEST_F(InPage, TheFavouriteButtonStoresAtOnceAndKeepsThePage) {
    start();
    pressFavourite(1);
    EXPECT_EQ(messages.shown.last(), "收藏成功！");
    EXPECT_EQ(flag(q2), "1");
    EXPECT_EQ(js("document.getElementsByName('torvanescbt')[1].value").toString(), "取消收藏");
    pressFavourite(1);
    EXPECT_EQ(messages.shown.last(), "取消收藏！");
    EXPECT_EQ(flag(q2), "");
}

TEST_F(InPage, InTheFavouritesViewTheTreeFollowsTheToggles) {
    bank.exec(QString("UPDATE question SET scbt='1' WHERE id IN (%1,%2)").arg(q1).arg(other));
    start();
    trigger(&MainWindowCommands::favourites);
    ASSERT_EQ(treePanel()->caption(), "收 藏 试 题");
    QTreeWidgetItem *section = tree()->topLevelItem(0)->child(0);
    ASSERT_EQ(section->childCount(), 2);
    EXPECT_TRUE(bodyText().contains("单选一"));
    EXPECT_FALSE(bodyText().contains("单选二"));

    pressFavourite(0); // the first chapter's only favourite goes
    section = tree()->topLevelItem(0)->child(0);
    ASSERT_EQ(section->childCount(), 1);
    EXPECT_EQ(section->child(0)->text(0), "第二节");
    EXPECT_TRUE(bodyText().contains("第二节单选"));

    const QString page = bodyHtml();
    pressFavourite(0); // the very last favourite
    EXPECT_EQ(messages.shown.mid(messages.shown.size() - 2),
              (QStringList{"取消收藏！", "您没有收藏试题！"}));
    EXPECT_EQ(treePanel()->caption(), "收 藏 试 题");
    EXPECT_EQ(tree()->topLevelItem(0)->child(0)->childCount(), 1);
    EXPECT_EQ(bodyHtml().remove("取消收藏").remove("收藏本题"),
              QString(page).remove("取消收藏").remove("收藏本题"));
}

TEST_F(InPage, FavouritesWithoutAnyFavouriteChangesNothing) {
    start();
    trigger(&MainWindowCommands::favourites);
    EXPECT_EQ(messages.shown, QStringList{"您没有收藏试题！"});
    EXPECT_NE(treePanel()->caption(), "收 藏 试 题");
}

TEST_F(InPage, TheErrorReportPreviewOfACaseQuestion) {
    start();
    ErrorReportWindow *report = &window->errorReportWindow();
    report->reason(2)->setChecked(true);
    report->remark()->setPlainText("旧的说明");
    js(QString("document.getElementsByName('torvanectfk')[3].click()"));
    ASSERT_TRUE(waitUntil([&] { return reported().questionId == QString::number(c2); }));
    ASSERT_TRUE(waitUntil([&] {
        return report->pageView()
            ->evaluate("document.body.textContent")
            .toString()
            .contains("正确答案");
    }));
    EXPECT_TRUE(report->isVisible());
    EXPECT_FALSE(report->reason(2)->isChecked());
    EXPECT_TRUE(report->remark()->toPlainText().isEmpty());
    EXPECT_EQ(reported().questionText, "案例二");
    const QString text = report->pageView()->evaluate("document.body.textContent").toString();
    EXPECT_TRUE(text.contains("1.某女，30岁，接触苯。"));
    EXPECT_TRUE(text.contains("1.1. 案例二"));
    EXPECT_TRUE(text.contains("正确答案：BD"));
    EXPECT_FALSE(text.contains("案例一"));
    EXPECT_EQ(report->pageView()
                  ->evaluate("document.querySelectorAll('input[type=button],hr,span').length")
                  .toInt(),
              0);
    // The main page is still the chapter page, not rebuilt.
    EXPECT_TRUE(bodyText().contains("单选二"));
}

TEST_F(InPage, TheQuestionIdIsTakenOutOfTheReportedAddress) {
    bank.exec(QString("UPDATE question SET id=123 WHERE id=%1").arg(q2));
    bank.exec(QString("UPDATE opinion SET questionid=123 WHERE questionid=%1").arg(q2));
    start();
    EXPECT_FALSE(handleNavigation(QUrl("http://ctfk123/")));
    EXPECT_TRUE(waitUntil([&] { return reported().questionId == "123"; }));
    EXPECT_EQ(reported().questionText, "单选二");
    // An id without a question adds nothing.
    const QString rows = bank.scalar("SELECT count(*) FROM question");
    EXPECT_FALSE(handleNavigation(QUrl("http://scbt99999/")));
    waitUntil([] { return false; }, 300);
    EXPECT_EQ(bank.scalar("SELECT count(*) FROM question"), rows);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(InPage, ALinkInAQuestionDoesNothingOnceThePageIsComplete) {
    start();
    const QString page = bodyHtml();
    js("document.getElementById('link').click()");
    waitUntil([] { return false; }, 500);
    EXPECT_EQ(bodyHtml(), page);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(InPage, ShowAllAndHideAllPressEveryAnswerButton) {
    bank.exec(QString("UPDATE question SET id=20001 WHERE id=%1").arg(c3)); // beyond 10000
    bank.exec(QString("UPDATE opinion SET questionid=20001 WHERE questionid=%1").arg(c3));
    start();
    js(QString("document.getElementById('xs%1').click()").arg(q1)); // one already open
    trigger(&MainWindowCommands::showAnswers);
    EXPECT_FALSE(visible(&MainWindowCommands::showAnswers));
    EXPECT_TRUE(visible(&MainWindowCommands::hideAnswers));
    EXPECT_EQ(count("input[value=隐藏答案]"), 5);
    EXPECT_EQ(js("getComputedStyle(document.getElementById('ansnote20001')).display").toString(),
              "block");
    EXPECT_TRUE(session().interceptArmed());
    trigger(&MainWindowCommands::hideAnswers);
    EXPECT_EQ(count("input[value=显示答案]"), 5);
    EXPECT_TRUE(visible(&MainWindowCommands::showAnswers));

    trigger(&MainWindowCommands::showAnswers);
    trigger(&MainWindowCommands::showAnswers); // nothing left to open: the pair still swaps
    EXPECT_TRUE(visible(&MainWindowCommands::hideAnswers));
    EXPECT_EQ(count("input[value=隐藏答案]"), 5);
}

TEST_F(InPage, TextSizeStepsAndLimits) {
    start();
    auto fontSize = [&] { return js("document.body.style.fontSize").toString(); };
    trigger(&MainWindowCommands::largerText);
    EXPECT_EQ(fontSize(), "17px");
    for (int i = 0; i < 8; ++i)
        trigger(&MainWindowCommands::largerText);
    EXPECT_EQ(fontSize(), "25px");
    EXPECT_EQ(session().zoomLevel(), 11);
    trigger(&MainWindowCommands::largerText);
    trigger(&MainWindowCommands::largerText);
    EXPECT_EQ(messages.shown, (QStringList{"不能将字体设置过大！", "不能将字体设置过大！"}));
    EXPECT_EQ(session().zoomLevel(), 13);
    trigger(&MainWindowCommands::smallerText);
    EXPECT_EQ(fontSize(), "24px");
    trigger(&MainWindowCommands::smallerText);
    EXPECT_EQ(fontSize(), "23px");

    trigger(&MainWindowCommands::chapterPractice); // a fresh first page, the counter at its start
    trigger(&MainWindowCommands::smallerText);
    EXPECT_EQ(fontSize(), "13px");
    trigger(&MainWindowCommands::smallerText);
    EXPECT_EQ(messages.shown.last(), "不能将字体设置过小！");
    EXPECT_EQ(session().zoomLevel(), 0);
    trigger(&MainWindowCommands::largerText);
    EXPECT_EQ(fontSize(), "15px");
    EXPECT_TRUE(session().interceptArmed());
}

TEST_F(InPage, FullScreenFromANormalWindowAndBack) {
    start();
    ASSERT_FALSE(window->isMaximized());
    trigger(&MainWindowCommands::fullScreen);
    EXPECT_TRUE(window->isMaximized());
    EXPECT_FALSE(treePanel()->isVisible());
    EXPECT_FALSE(part<QWidget>("ToolBar1")->isVisible());
    EXPECT_FALSE(window->titleStrip().isVisible());
    EXPECT_TRUE(visible(&MainWindowCommands::leaveFullScreen));
    EXPECT_FALSE(visible(&MainWindowCommands::fullScreen));
    trigger(&MainWindowCommands::leaveFullScreen);
    EXPECT_FALSE(window->isMaximized());
    EXPECT_TRUE(treePanel()->isVisible());
    EXPECT_TRUE(window->titleStrip().isVisible());
    EXPECT_EQ(pageToolbar()->gradingButton()->x(), 488);
}

TEST_F(InPage, FullScreenFromAMaximisedWindowStaysMaximised) {
    start();
    trigger(&MainWindowCommands::maximise);
    ASSERT_TRUE(window->isMaximized());
    EXPECT_TRUE(window->titleStrip().restoreButton()->isVisibleTo(window.get()));
    EXPECT_FALSE(window->titleStrip().maximiseButton()->isVisibleTo(window.get()));
    trigger(&MainWindowCommands::fullScreen);
    EXPECT_TRUE(session().fullScreenFromMaximised());
    trigger(&MainWindowCommands::leaveFullScreen);
    EXPECT_TRUE(window->isMaximized());
}

TEST_F(InPage, ChapterPracticeAfterFullScreenInTheFavouritesView) {
    bank.exec(QString("UPDATE question SET scbt='1' WHERE id=%1").arg(other));
    start();
    trigger(&MainWindowCommands::favourites);
    trigger(&MainWindowCommands::fullScreen); // maximises: the page toolbar controls move
    ASSERT_NE(pageToolbar()->gradingButton()->x(), session().layoutMark());
    trigger(&MainWindowCommands::chapterPractice);
    EXPECT_EQ(treePanel()->caption(), "Velkora目录");
    EXPECT_TRUE(treePanel()->isVisible());
    EXPECT_EQ(tree()->topLevelItem(0)->child(0)->childCount(), 2);
    EXPECT_TRUE(bodyText().contains("单选一")); // the first chapter was built
    EXPECT_EQ(pageToolbar()->gradingButton()->x(), session().layoutMark());
}

TEST_F(InPage, PrintingWithoutAPageAndToAPdfFile) {
    MainWindow &w = start();
    QTemporaryDir out;
    const QString pdf = out.filePath("page.pdf");
    w.setPrinterChooser([&](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    trigger(&MainWindowCommands::print);
    EXPECT_TRUE(QFileInfo(pdf).size() > 1000);
    EXPECT_TRUE(messages.shown.isEmpty());

    MainWindow fresh(*folder, bank.connection(), messages);
    fresh.commands().print->trigger();
    EXPECT_EQ(messages.shown.last(), "Print is Disabled!");
}

TEST_F(InPage, ExitIsConfirmed) {
    start();
    messages.answers = {false};
    trigger(&MainWindowCommands::exit);
    EXPECT_EQ(messages.shown.last(), "确定退出系统？");
    EXPECT_TRUE(bank.connection().isOpen());
}
