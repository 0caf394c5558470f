#include "browse/ReadingPlace.h"
#include "maintenance/RestoreWindow.h"
#include "store/BankQueries.h"
#include "support/MainWindowFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QTreeWidget>

using namespace velkora;
using namespace velkora::test;

namespace {

// A bank like the demo one in miniature: one chapter of every kind of
// group, a second chapter, a section without chapters, a second part.
class StartedWindow : public MainWindowFixture {
protected:
    void SetUp() override {
        BankWriter &w = bank.writer();
        const int part = w.addNode("基础知识", 0, 1);
        const int section = w.addNode("第一章 概论", part, 2);
        chapter = w.addNode("第一节 职业性有害因素", section, 3);
        second = w.addNode("第二节 职业病", section, 3);
        w.addNode("第二章 空章", part, 2);
        w.addNode("专业知识", 0, 1);

        const int single = w.addGroup(chapter, SingleA1);
        q1 = bank.addChoice(single, "单选一", "A");
        q2 = bank.addChoice(single, "单选二", "B");
        const int multi = w.addGroup(chapter, MultiX);
        q3 = bank.addChoice(multi, "多选", "ACD");
        const int caseGroup = w.addGroup(chapter, Case, "某男，45岁，矽尘作业20年。");
        c1 = bank.addChoice(caseGroup, "案例一", "A");
        c2 = bank.addChoice(caseGroup, "案例二", "BC");
        const int shared = w.addGroup(chapter, SharedOptions, "A．铅 B．汞 C．锰", 3);
        m1 = w.addQuestion(shared, "配伍一", "B");
        m2 = w.addQuestion(shared, "配伍二", "C");
        bank.addChoice(w.addGroup(second, SingleA1), "第二节单选", "E");
    }
    int chapter = 0, second = 0, q1 = 0, q2 = 0, q3 = 0, c1 = 0, c2 = 0, m1 = 0, m2 = 0;
};

} // namespace

TEST_F(StartedWindow, StartUpShowsCountTreeAndFirstChapter) {
    start();
    EXPECT_EQ(statusText(0), "试题量：1234");
    EXPECT_TRUE(statusText(2).startsWith("现在的日期和时间是： 20"));
    EXPECT_EQ(part<QLabel>("Label4")->text(), "  7"); // the subject's id
    EXPECT_EQ(tree()->topLevelItemCount(), 2);
    EXPECT_EQ(session().nodeIds().mid(0, 6), (QList<RowId>{0, 0, chapter, second, 0, 0}));
    EXPECT_EQ(tree()->currentItem(), nodeAt(2));
    EXPECT_TRUE(nodeAt(0)->isExpanded());
    EXPECT_EQ(session().shownChapter(), chapter);
    EXPECT_TRUE(session().interceptArmed());
    EXPECT_EQ(session().zoomLevel(), 2);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(StartedWindow, TheChapterPageCarriesTheIdsGradingNeeds) {
    start();
    // Stems numbered 1, 2, 3; the case as 4 with 4.1 and 4.2; the shared options as 5.
    EXPECT_EQ(js(QString("document.getElementById('fan%1').textContent").arg(q2)).toString(),
              "2. 单选二");
    EXPECT_EQ(js(QString("document.getElementById('fan%1').textContent").arg(c2)).toString(),
              "4.2. 案例二");
    EXPECT_TRUE(bodyContent().contains("5.1.   答案 A B C 配伍一"));
    EXPECT_TRUE(bodyText().contains("4.某男，45岁，矽尘作业20年。"));
    EXPECT_EQ(count(QString("input[type=radio][name='%1']").arg(q1)), 5);
    EXPECT_EQ(count(QString("input[type=checkbox][name='%1']").arg(q3)), 5);
    EXPECT_EQ(count(QString("#a%1 option").arg(m1)), 4);
    EXPECT_EQ(count("input[name=torvanexsda]"), 7);
    EXPECT_EQ(count("input[value=收藏本题]"), 7);
    EXPECT_EQ(js(QString("document.getElementById('ansnote%1').getAttribute('value')").arg(q3))
                  .toString(),
              "ACD");
    EXPECT_EQ(js(QString("getComputedStyle(document.getElementById('ansnote%1')).display").arg(q1))
                  .toString(),
              "none");
    EXPECT_EQ(count("hr"), 6);
    // The page's own answer toggle works.
    js(QString("document.getElementById('xs%1').click()").arg(q1));
    EXPECT_EQ(js(QString("document.getElementById('xs%1').value").arg(q1)).toString(), "隐藏答案");
}

TEST_F(StartedWindow, AStartWithoutQuestionCountStillShowsTreeAndPage) {
    bank.exec("DROP TABLE geshu");
    start();
    EXPECT_EQ(statusText(0), "试题量：XXX");
    EXPECT_EQ(tree()->topLevelItemCount(), 2);
    EXPECT_TRUE(bodyText().contains("单选一"));
}

TEST_F(StartedWindow, ASectionWithoutChaptersSaysSoAndChangesNothing) {
    start();
    const QString before = bodyHtml();
    clickNode(4);
    EXPECT_EQ(messages.shown, QStringList{"本章节无试题!"});
    EXPECT_EQ(bodyHtml(), before);
    EXPECT_EQ(session().shownChapter(), chapter);
}

TEST_F(StartedWindow, DismissingTheNoQuestionsMessageKeepsThePageTheLearnerWorksOn) {
    start();
    clickNode(3);
    ASSERT_TRUE(bodyText().contains("第二节单选"));
    js("document.querySelector('input[type=radio]').checked=true");
    clickNode(4);
    EXPECT_EQ(messages.shown, QStringList{"本章节无试题!"});
    EXPECT_TRUE(bodyText().contains("第二节单选"));
    EXPECT_TRUE(js("document.querySelector('input[type=radio]').checked").toBool());
    EXPECT_EQ(session().shownChapter(), second);
}

TEST_F(StartedWindow, PartAndSectionNodesKeepThePage) {
    start();
    clickNode(3);
    button(&MainWindowCommands::showAnswers)->hide();
    button(&MainWindowCommands::hideAnswers)->show();
    clickNode(0);
    clickNode(1);
    EXPECT_TRUE(bodyText().contains("第二节单选"));
    EXPECT_TRUE(button(&MainWindowCommands::showAnswers)->isVisibleTo(window.get()));
    EXPECT_FALSE(button(&MainWindowCommands::hideAnswers)->isVisibleTo(window.get()));
    EXPECT_TRUE(session().interceptArmed());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(StartedWindow, ViewsListTheirChaptersAndQuestionsOnly) {
    bank.exec(QString("UPDATE question SET scbt='1' WHERE id IN (%1,%2)").arg(c2).arg(m1));
    bank.exec(QString("UPDATE tree SET scbt='1' WHERE id=%1").arg(chapter));
    start();
    browser().enterView(ViewMode::Favourites);
    EXPECT_EQ(tree()->topLevelItem(0)->child(0)->childCount(), 1);
    const QString text = bodyText();
    EXPECT_FALSE(text.contains("A1型题")); // empty groups write nothing
    EXPECT_FALSE(text.contains("X型题"));
    EXPECT_TRUE(text.contains("1.1. 案例二")); // the case renumbered on its own
    EXPECT_TRUE(bodyContent().contains("2.1.   答案 A B C 配伍一"));
    EXPECT_FALSE(text.contains("配伍二"));

    browser().enterView(ViewMode::WrongQuestions); // no chapter flagged: position 2 is a section
    EXPECT_EQ(nodeAt(2)->text(0), "第二章 空章");
    EXPECT_EQ(messages.shown, QStringList{"本章节无试题!"});
}

TEST_F(StartedWindow, AnActivationWithAMovedLayoutLeavesThePage) {
    start();
    clickNode(3);
    pageToolbar()->shiftMarkedControls(257);
    browser().activate();
    EXPECT_TRUE(bodyText().contains("第二节单选"));
}

TEST_F(StartedWindow, AClickDuringABuildSupersedesIt) {
    start();
    // The second click arrives while the first build waits for its template.
    bool clicked = false;
    QObject::connect(pageView(), &QWebEngineView::loadStarted, window.get(), [&] {
        if (!std::exchange(clicked, true))
            QMetaObject::invokeMethod(
                window.get(), [this] { clickNode(3); }, Qt::QueuedConnection);
    });
    clickNode(2);
    EXPECT_TRUE(clicked);
    const QString text = bodyText();
    EXPECT_TRUE(text.contains("第二节单选"));
    EXPECT_FALSE(text.contains("单选一"));
    EXPECT_EQ(session().shownChapter(), second);
}

namespace {
// A program folder with the template and whatever bank file the test puts there.
struct FailingStart {
    FailingStart() { QFile::copy(VELKORA_PROGRAM_DIR "/yk.html", dir.filePath("yk.html")); }
    MainWindow &open() {
        bank = std::make_unique<BankConnection>(folder.bankPath(), "failing-bank");
        window = std::make_unique<MainWindow>(folder, *bank, messages);
        return *window;
    }
    QString questionCount() const { return window->findChild<QLabel *>("StatusPanel0")->text(); }
    QTreeWidget *tree() const { return window->findChild<QTreeWidget *>("TreeView1"); }
    QTemporaryDir dir;
    ProgramFolder folder{dir.path()};
    RecordingMessages messages;
    std::unique_ptr<BankConnection> bank;
    std::unique_ptr<MainWindow> window;
};
} // namespace

TEST_F(StartedWindow, TheNextStartOpensWhereTheLearnerLeftOff) {
    const QString settings = bank.folder() + "/settings/velkora.conf";
    const auto startRemembering = [&] {
        window = std::make_unique<MainWindow>(*folder, bank.connection(), messages);
        window->rememberPlaces(std::make_unique<ReadingPlaceMemory>(settings, folder->bankPath()));
        window->start();
    };
    startRemembering();
    // Chapter 2 first, then back to the first chapter's second question: the
    // first key puts the first question in focus, the second moves on.
    clickNode(3);
    clickNode(2);
    const auto inFocus = [this] {
        return js("(document.querySelector('.velkora-focus')||{}).id").toString();
    };
    QTest::keyClick(pageView()->focusProxy(), Qt::Key_J);
    QTest::keyClick(pageView()->focusProxy(), Qt::Key_Down);
    ASSERT_TRUE(waitUntil([&] { return inFocus() == QString("fan%1").arg(q2); }));
    trigger(&MainWindowCommands::largerText);
    window->setGeometry(40, 30, 900, 700);
    window->close();

    startRemembering();
    EXPECT_EQ(session().shownChapter(), chapter);
    EXPECT_EQ(js("velkoraPractice.place()").toString(), QString::number(q2));
    EXPECT_EQ(js("document.body.style.fontSize").toString(), "17px");
    EXPECT_EQ(window->geometry(), QRect(40, 30, 900, 700));

    // A bank without that chapter opens at its first one.
    bank.exec(QString("DELETE FROM tree WHERE id=%1").arg(chapter));
    window->close();
    startRemembering();
    EXPECT_EQ(session().shownChapter(), second);
}

TEST(StartUpFailures, AMissingBankOpensAnEmptyWindow) {
    FailingStart start;
    MainWindow &window = start.open();
    EXPECT_FALSE(window.bankOpened());
    EXPECT_TRUE(start.bank->problem().contains("找不到题库文件"));
    window.start();
    EXPECT_EQ(start.tree()->topLevelItemCount(), 0);
    EXPECT_EQ(start.questionCount(), "试题量：XXX");
    EXPECT_TRUE(start.messages.shown.isEmpty()); // start-up itself tells the learner
}

TEST(StartUpFailures, AGarbageBankIsRefused) {
    FailingStart start;
    QDir(start.dir.path()).mkpath("Data");
    QFile garbage(start.dir.filePath("Data/med.mdb"));
    garbage.open(QIODevice::WriteOnly);
    garbage.write(QByteArray(8192, 'x'));
    garbage.close();
    EXPECT_FALSE(start.open().bankOpened());
    EXPECT_TRUE(start.bank->problem().contains("不是有效的题库文件"));
}

TEST_F(StartedWindow, AMissingTemplateIsToldOnceAndBuildsNothing) {
    QFile::remove(bank.folder() + "/yk.html");
    start();
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].contains("yk.html"));
    EXPECT_TRUE(session().interceptArmed());
}

TEST(ProgramFolderOfTheApplication, IsTheExecutablesFolderNotTheWorkingDirectory) {
    QTemporaryDir elsewhere;
    const QString before = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    EXPECT_EQ(ProgramFolder::ofApplication().dir(), QCoreApplication::applicationDirPath());
    EXPECT_NE(ProgramFolder::ofApplication().bankPath(),
              QDir(elsewhere.path()).filePath("Data/med.mdb"));
    QDir::setCurrent(before);
}

TEST(StartUpFailures, ARestoreBringsBackAProgramThatStartedWithoutABank) {
    FailingStart start;
    MainWindow &window = start.open();
    window.start();
    ASSERT_FALSE(window.bankOpened());

    // A backup made elsewhere, in a folder named as backups are.
    QTemporaryDir elsewhere;
    QDir(elsewhere.path()).mkpath("数据备份");
    TestBank saved;
    saved.addStandardTypes();
    const RowId chapter = saved.addChapterPath("恢复的章节");
    saved.addChoice(saved.writer().addGroup(chapter, SingleA1), "恢复的题", "A");
    saved.connection().close();
    const QString backup = elsewhere.filePath("数据备份/med.mdb.bak");
    ASSERT_TRUE(QFile::copy(saved.filePath(), backup));

    RestoreWindow restore(start.folder, *start.bank, start.messages);
    QObject::connect(start.bank.get(), &BankConnection::reopened, &window,
                     &MainWindow::showReopenedBank);
    restore.setFileChooser([&](const QString &) { return backup; });
    restore.findChild<QAction *>("Button1")->trigger();
    restore.findChild<QAction *>("Button2")->trigger();
    EXPECT_TRUE(start.messages.shown.contains("成功恢复数据！"));
    EXPECT_TRUE(window.bankOpened());
    EXPECT_EQ(start.questionCount(), "试题量：1234");
    EXPECT_GT(start.tree()->topLevelItemCount(), 0);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return window.findChild<WebPageView *>("WebBrowser1")
                ->evaluate("document.body.innerText")
                .toString()
                .contains("恢复的题");
        },
        5000));
}
