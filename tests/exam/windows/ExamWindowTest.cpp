#include "exam/windows/ExamWindow.h"
#include "chrome/PictureButton.h"
#include "exam/ExamBank.h"
#include "exam/HandTicker.h"
#include "exam/paper/PaperAssembly.h"
#include "exam/session/ExamCountdown.h"
#include "exam/session/KeyReleaseFilter.h"
#include "exam/windows/AnswerSheetBox.h"
#include "page/WebPageView.h"
#include "support/RecordingMessages.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

using namespace velkora;
using namespace velkora::test;

namespace {

class ExamWindowTest : public ::testing::Test {
protected:
    ExamWindowTest() {
        const QDir program(QStringLiteral(VELKORA_PROGRAM_DIR));
        QFile::copy(program.filePath("yk.html"), bank.folder() + "/yk.html");
        QDir(bank.folder()).mkpath("mv");
        for (const QString &picture : QDir(program.filePath("mv")).entryList({"exam-*.png"}))
            QFile::copy(program.filePath("mv/" + picture), bank.folder() + "/mv/" + picture);
    }

    ExamWindow &open(ExamWindow::Setup setup = {}) {
        if (!setup.pause)
            setup.pause = [this](int ms) { pausedFor += ms; };
        ticker = new HandTicker;
        window =
            std::make_unique<ExamWindow>(bank.connection(), messages, ProgramFolder(bank.folder()),
                                         random, ticker, std::move(setup));
        window->show();
        window->drawPaperOnce();
        return *window;
    }

    WebPageView *page() const { return window->findChild<WebPageView *>("WebBrowser1"); }
    AnswerSheetBox *sheet() const { return window->findChild<AnswerSheetBox *>("ScrollBox1"); }
    KeyReleaseFilter *keyWatcher() const { return window->findChild<KeyReleaseFilter *>(); }
    QVariant js(const QString &script) const { return page()->evaluate(script); }
    QString bodyText() const { return js("document.body.innerText").toString(); }
    QString label(const char *name) const { return window->findChild<QLabel *>(name)->text(); }
    QPushButton *sheetButton(const QString &name) const { return sheet()->button(name); }
    // The entry on screen, as the answer sheet marks it in red until the
    // paper is submitted.
    QString entryOnScreen() const {
        QStringList marked;
        for (const QPushButton *button : sheet()->findChildren<QPushButton *>())
            if (button->property("sheetColour") == "red")
                marked << button->accessibleName();
        return marked.join(" and ");
    }
    QString colourOf(const QString &name) const {
        return sheetButton(name)->property("sheetColour").toString();
    }
    // A key released in the window, as the keyboard delivers it.
    void release(Qt::Key key) const { QTest::keyRelease(window->windowHandle(), key); }
    void trigger(const char *action) const { window->findChild<QAction *>(action)->trigger(); }
    // Ticks the page's option `letter` of the question on screen.
    void tick(const QString &letter) const {
        js(QString("(function(){var e=document.querySelector('input[value=\"%1\"]');"
                   "e.checked=true;return true;})()")
               .arg(letter));
    }
    QStringList checkedOnPage() const {
        return js("Array.prototype.map.call(document.querySelectorAll('input:checked'),"
                  "function(e){return e.value;})")
            .toStringList();
    }
    QString tjda(const QString &tid) const {
        return bank.scalar(QString("SELECT tjda FROM sj WHERE tid='%1'").arg(tid));
    }

    ExamBank bank;
    RecordingMessages messages;
    SeededRandom random{11};
    HandTicker *ticker = nullptr;
    int pausedFor = 0;
    std::unique_ptr<ExamWindow> window;
};

} // namespace

TEST_F(ExamWindowTest, TheFrameHasItsCaptionAreasAndCommands) {
    bank.setCounts({0, 0, 0, 0});
    ExamWindow &w = open();

    EXPECT_EQ(w.objectName(), "TForm4");
    EXPECT_EQ(w.windowTitle(), "人机对话");
    EXPECT_TRUE(w.windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(w.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMinMaxButtonsHint);
    for (const char *name : {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4", "BitBtn5"}) {
        EXPECT_NE(w.findChild<QAction *>(name), nullptr) << name;
        EXPECT_NE(w.findChild<PictureButton *>(name), nullptr) << name;
    }
    EXPECT_EQ(w.findChild<PictureButton *>("BitBtn2")->accessibleName(), "下一题");
    EXPECT_FALSE(w.findChild<PictureButton *>("BitBtn4")->isVisible());
    EXPECT_EQ(label("Label7"), "考试总时间是90分钟，剩余时间是：");
    EXPECT_EQ(label("Label9"), "90");
    EXPECT_EQ(label("Label1"), "已答");
    EXPECT_EQ(label("Label2"), "在答");
    EXPECT_EQ(label("Label3"), "未答");
    EXPECT_TRUE(ticker->running);

    trigger("BitBtn4");
    EXPECT_EQ(messages.shown.last(), "该功能完善中！！");
    trigger("BitBtn3"); // no calculator in this program folder
    EXPECT_EQ(messages.shown.last(), "计算器未能启动。");
}

TEST_F(ExamWindowTest, TheCalculatorStartsFromTheProgramFolderWithoutWaiting) {
    QFile calculator(bank.folder() + "/JSJ");
    ASSERT_TRUE(calculator.open(QIODevice::WriteOnly));
    calculator.write("#!/bin/sh\nsleep 1\ntouch started\n");
    calculator.close();
    calculator.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    bank.setCounts({0, 0, 0, 0});
    open();
    const int messagesBefore = int(messages.shown.size());

    QElapsedTimer clock;
    clock.start();
    trigger("BitBtn3");
    EXPECT_LT(clock.elapsed(), 900); // not waited for
    EXPECT_EQ(messages.shown.size(), messagesBefore);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(bank.folder() + "/started"); }, 5000));
}

TEST_F(ExamWindowTest, FirstActivationDrawsThePaperOnceAndShowsItsFirstEntry) {
    bank.addQuestions(SingleA1, 3, "单");
    bank.addQuestions(Multi6, 3, "多");
    bank.setCounts({3, 2, 0, 0});
    QPoint waitBoxAt;
    ExamWindow::Setup setup;
    setup.pause = [&](int ms) {
        pausedFor += ms;
        waitBoxAt = window->findChild<QDialog *>("TForm7")->pos();
    };
    ExamWindow &w = open(std::move(setup));

    EXPECT_EQ(pausedFor, 500);
    EXPECT_EQ(waitBoxAt, w.frameGeometry().topLeft() + QPoint(165, 350));
    EXPECT_EQ(w.findChild<QDialog *>("TForm7"), nullptr);
    EXPECT_EQ(messages.shown,
              (QStringList{"第一部分单选题，第二部分是多选题，第三部分是阅读案例分析题，"
                           "第四部分是配伍选择题",
                           "单选题：每个题有一个正确答案，请选择一个正确答案"}));
    EXPECT_EQ(messages.titles, (QStringList{"试卷描述", "提示"}));
    EXPECT_EQ(sheet()->buttonCount(), 5);
    EXPECT_EQ(colourOf("a1"), "red");
    EXPECT_EQ(colourOf("a2"), "buttonFace");
    EXPECT_EQ(sheetButton("a4")->accessibleName(), "4");
    EXPECT_EQ(w.findChild<QProgressBar *>("ProgressBar1")->maximum(), 5);
    EXPECT_EQ(label("Label5"), "/5");
    EXPECT_EQ(label("Label6"), "0");
    EXPECT_TRUE(bodyText().contains("1.单1"));
    EXPECT_EQ(js("document.querySelectorAll('input[type=radio]').length").toInt(), 5);
    EXPECT_EQ(entryOnScreen(), "1");

    bank.exec("UPDATE sj SET tjda='E'");
    w.drawPaperOnce();
    EXPECT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(bank.scalar("SELECT count(*) FROM sj WHERE tjda='E'"), "5");
}

TEST_F(ExamWindowTest, AResumedExamGoesOnWithItsAnswersSheetAndTimeWithoutADraw) {
    bank.addQuestions(SingleA1, 4, "单");
    bank.setCounts({4, 0, 0, 0});
    SeededRandom draw(3);
    PaperAssembly(bank.db(), draw).assemble();
    bank.exec("UPDATE sj SET tjda = 'C' WHERE tid IN ('1', '2')");
    // Entry 1 was answered, then revisited and left with its boxes cleared.
    bank.exec("UPDATE velkora_exam_resume SET minutes_left = 42, left_empty = 'a1'");
    const QString paperBefore = bank.scalar("SELECT group_concat(tgid) FROM sj");
    ExamWindow::Setup setup;
    setup.resumed = findResumableExam(bank.db());
    ASSERT_TRUE(setup.resumed);
    open(std::move(setup));

    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('|').toStdString();
    EXPECT_EQ(pausedFor, 0);
    EXPECT_EQ(bank.scalar("SELECT group_concat(tgid) FROM sj"), paperBefore);
    EXPECT_EQ(label("Label9"), "42");
    EXPECT_EQ(label("Label6"), "2");
    EXPECT_EQ(label("Label5"), "/4");
    EXPECT_EQ(entryOnScreen(), "3");
    EXPECT_TRUE(bodyText().contains("3.单"));
    EXPECT_EQ(colourOf("a1"), "activeBorder");
    EXPECT_EQ(colourOf("a2"), "blue");
    EXPECT_EQ(colourOf("a4"), "buttonFace");

    trigger("BitBtn1");
    EXPECT_EQ(entryOnScreen(), "2");
    EXPECT_EQ(checkedOnPage(), QStringList{"C"});
    ticker->tick();
    EXPECT_EQ(label("Label9"), "41");
    EXPECT_EQ(bank.scalar("SELECT minutes_left || ' ' || left_empty FROM velkora_exam_resume"),
              "41 a1 a3");
}

TEST_F(ExamWindowTest, CaseItemTenHasItsOwnButtonAndPage) {
    bank.addCase(10);
    bank.setCounts({0, 0, 1, 0});
    open();
    EXPECT_EQ(messages.shown.last(), "案例分析题：请选择正确答案");

    sheetButton("a1f10")->click();
    EXPECT_EQ(entryOnScreen(), "1.10");
    EXPECT_EQ(colourOf("a1f10"), "red");
    EXPECT_EQ(colourOf("a1f1"), "activeBorder");
    EXPECT_TRUE(bodyText().contains("1.10.问10"));
    tick("B");
    trigger("BitBtn1");
    EXPECT_EQ(entryOnScreen(), "1.9");
    EXPECT_EQ(tjda("1.10"), "B");
    EXPECT_EQ(tjda("1.1"), "");
}

TEST_F(ExamWindowTest, AClickOnTheWindowSendsTheFocusToNext) {
    bank.addQuestions(SingleA1, 1);
    bank.setCounts({1, 0, 0, 0});
    ExamWindow &w = open();
    w.findChild<PictureButton *>("BitBtn1")->setFocus();
    QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(w.focusWidget(), w.findChild<PictureButton *>("BitBtn2"));
}

TEST_F(ExamWindowTest, ASecondExamReTagsTheBankAndDrawsANewPaper) {
    bank.addQuestions(SingleA1, 30);
    const int group = bank.addMatching(2);
    bank.setCounts({5, 0, 0, 1});
    open();
    bank.exec(QString("UPDATE question SET lx='C' WHERE readtextid=%1").arg(group));
    bank.exec("UPDATE sj SET tjda='A'");
    const QStringList first = bank.column("SELECT tgid FROM sj ORDER BY rowid");
    window->close();

    open();
    EXPECT_EQ(bank.scalar(QString("SELECT count(*) FROM question WHERE readtextid=%1 AND "
                                  "lx='a4'")
                              .arg(group)),
              "2");
    EXPECT_EQ(bank.scalar("SELECT count(*) FROM sj WHERE tjda<>''"), "0");
    EXPECT_EQ(bank.column("SELECT tid FROM sj ORDER BY rowid"),
              (QStringList{"1", "2", "3", "4", "5", "6"}));
    EXPECT_NE(bank.column("SELECT tgid FROM sj ORDER BY rowid"), first);
}

TEST_F(ExamWindowTest, WithoutTheExamMarkTheWaitBoxStandsOverTheMainWindow) {
    QWidget mainWindow;
    mainWindow.setGeometry(40, 30, 300, 200);
    mainWindow.show();
    bank.setCounts({0, 0, 0, 0});
    QPoint waitBoxAt;
    ExamWindow::Setup setup;
    setup.examRunningMark = false;
    setup.mainWindow = &mainWindow;
    setup.titleLevel = TitleLevel::Senior;
    setup.pause = [&](int) { waitBoxAt = window->findChild<QDialog *>("TForm7")->pos(); };
    open(std::move(setup));

    EXPECT_EQ(waitBoxAt, mainWindow.frameGeometry().topLeft() + QPoint(165, 350));
    EXPECT_EQ(messages.shown.value(0), "第一部分是多选题，第二部分是阅读案例分析题");
}

TEST_F(ExamWindowTest, AnEmptyPaperGivesAnEmptyPageAndNoEntryInProgress) {
    bank.setCounts({2, 0, 0, 0}); // no single-choice questions in the bank
    ExamWindow &w = open();

    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(sheet()->buttonCount(), 2);
    EXPECT_EQ(colourOf("a1"), "buttonFace");
    EXPECT_EQ(label("Label6") + " " + label("Label5"), "0 /0");
    const auto *bar = w.findChild<QProgressBar *>("ProgressBar1");
    EXPECT_LT(bar->minimum(), bar->maximum()) << "a bar without range shows itself busy";
    EXPECT_TRUE(bodyText().trimmed().isEmpty());
    trigger("BitBtn2");
    trigger("BitBtn5");
    EXPECT_TRUE(bodyText().contains("0%"));
}

TEST_F(ExamWindowTest, AfterAFailedDrawTheWindowSaysSoOnceAndOffersOnlyClosing) {
    bank.addQuestions(SingleA1, 4);
    bank.setCounts({3, 0, 0, 0});
    open(); // the previous exam's paper stays in the bank
    window->close();
    messages.shown.clear();
    const QStringList previousPaper = bank.column("SELECT tgid FROM sj ORDER BY rowid");
    bank.exec("CREATE TRIGGER broken BEFORE INSERT ON sj WHEN NEW.tid='2' "
              "BEGIN SELECT RAISE(ABORT, 'disk trouble'); END");
    ExamWindow &w = open();

    EXPECT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown.last(),
              "试卷未能抽取，题库未作任何改动。请关闭本窗口后重新进入考试。");
    EXPECT_EQ(bank.column("SELECT tgid FROM sj ORDER BY rowid"), previousPaper);
    EXPECT_EQ(sheet()->buttonCount(), 0);
    EXPECT_EQ(w.findChild<QDialog *>("TForm7"), nullptr);
    for (const char *command : {"BitBtn5", "BitBtn2", "BitBtn1", "BitBtn3"})
        trigger(command); // 交 卷 would grade the previous paper
    EXPECT_EQ(messages.shown.size(), 2);
    EXPECT_FALSE(bodyText().contains("批 阅 试 卷 结 果"));
    EXPECT_TRUE(w.close());
}

TEST_F(ExamWindowTest, LetterKeysAnswerSingleChoiceAndOnlyMoveTheFocusElsewhere) {
    bank.addQuestions(SingleA1, 2);
    bank.addQuestions(MultiX, 2);
    bank.setCounts({2, 1, 0, 0});
    ExamWindow &w = open();
    auto *next = w.findChild<PictureButton *>("BitBtn2");
    page()->setFocus();
    EXPECT_TRUE(keyWatcher()->isWatching());

    release(Qt::Key_I);
    release(Qt::Key_Left);
    release(Qt::Key_Right);
    EXPECT_TRUE(checkedOnPage().isEmpty());
    EXPECT_NE(w.focusWidget(), next);
    release(Qt::Key_B);
    EXPECT_EQ(checkedOnPage(), QStringList{"B"});
    EXPECT_EQ(w.focusWidget(), next);
    release(Qt::Key_D);
    EXPECT_EQ(checkedOnPage(), QStringList{"D"});

    // A key while the next page loads is not applied to it.
    QObject::connect(
        page(), &QWebEngineView::loadStarted, &w, [&] { release(Qt::Key_A); },
        Qt::SingleShotConnection);
    trigger("BitBtn2");
    EXPECT_EQ(tjda("1"), "D");
    EXPECT_EQ(entryOnScreen(), "2");
    EXPECT_TRUE(checkedOnPage().isEmpty());
    release(Qt::Key_C);
    trigger("BitBtn2");
    EXPECT_EQ(tjda("2"), "C");
    EXPECT_EQ(entryOnScreen(), "3");

    w.findChild<PictureButton *>("BitBtn1")->setFocus();
    release(Qt::Key_B); // multiple choice: the focus moves, nothing is ticked
    EXPECT_TRUE(checkedOnPage().isEmpty());
    EXPECT_EQ(w.focusWidget(), next);
}

TEST_F(ExamWindowTest, MovesSaveAnswersColourTheSheetAndKeepTheKindRule) {
    bank.addQuestions(SingleA1, 2);
    bank.addQuestions(MultiX, 3);
    bank.setCounts({2, 2, 0, 0});
    open();
    ASSERT_EQ(bank.scalar("SELECT count(*) FROM sj"), "4");

    trigger("BitBtn2"); // nothing ticked on entry 1
    EXPECT_EQ(colourOf("a1"), "activeBorder");
    EXPECT_EQ(colourOf("a2"), "red");
    EXPECT_EQ(label("Label6"), "1");
    tick("A");
    trigger("BitBtn2"); // entry 1 unanswered: multiple choice is out of reach
    EXPECT_EQ(messages.shown.last(), "请答完您所答的题型，才允许做您选择的题型");
    EXPECT_EQ(entryOnScreen(), "2");
    EXPECT_EQ(colourOf("a2"), "red");
    sheetButton("a1")->click();
    EXPECT_EQ(entryOnScreen(), "1");
    tick("E");
    sheetButton("a3")->click();
    EXPECT_EQ(messages.shown.last(), "多项选择题，里边有多个正确答案");
    EXPECT_EQ(entryOnScreen(), "3");
    tick("B");
    tick("D");
    trigger("BitBtn1"); // back to single choice while entry 4 is open: refused too
    EXPECT_EQ(messages.shown.last(), "请答完您所答的题型，才允许做您选择的题型");
    EXPECT_EQ(entryOnScreen(), "3");
    EXPECT_EQ(tjda("3"), "BD");
    EXPECT_EQ(colourOf("a3"), "red");
    EXPECT_EQ(checkedOnPage(), (QStringList{"B", "D"})); // the page was not rebuilt
    trigger("BitBtn2");
    tick("C");
    trigger("BitBtn1");
    EXPECT_EQ(tjda("4"), "C");
    EXPECT_EQ(colourOf("a4"), "blue");
    EXPECT_EQ(checkedOnPage(), (QStringList{"B", "D"})); // preselected from the stored answer
    sheetButton("a2")->click(); // multiple choice complete: single choice is open again
    EXPECT_EQ(entryOnScreen(), "2");
    EXPECT_EQ(checkedOnPage(), QStringList{"A"});
    EXPECT_EQ(messages.shown.count("多项选择题，里边有多个正确答案"), 1);
}

TEST_F(ExamWindowTest, AWholeExamFromDrawToReview) {
    bank.addQuestions(SingleA1, 2);
    bank.addQuestions(MultiX, 1);
    bank.addCase(2);
    const int group = bank.addMatching(2); // items answered "B" and "C"
    bank.setCounts({2, 1, 1, 1});
    open();
    ASSERT_EQ(bank.column("SELECT tid FROM sj ORDER BY rowid"),
              (QStringList{"1", "2", "3", "4.1", "4.2", "5"}));
    const QString correctSingle = "A";

    release(Qt::Key_A);
    trigger("BitBtn2");
    release(Qt::Key_C);
    trigger("BitBtn2");
    tick("A"); // multiple choice answered "A" where "A" is right
    trigger("BitBtn2");
    tick("A");
    tick("B");
    trigger("BitBtn2");
    tick("A");
    trigger("BitBtn2");
    EXPECT_EQ(entryOnScreen(), "5");
    const QStringList items =
        bank.column(QString("SELECT id FROM question WHERE readtextid=%1 ORDER BY id").arg(group));
    js(QString("document.getElementById('%1').value='B';").arg(items[0]));
    js(QString("document.getElementById('%1').value='A';").arg(items[1]));
    ticker->tick();
    EXPECT_EQ(label("Label9"), "89");

    trigger("BitBtn5");
    EXPECT_EQ(tjda("5"), "AB");
    EXPECT_EQ(label("Label1"), "答对");
    EXPECT_EQ(label("Label2"), "答错");
    EXPECT_FALSE(ticker->running);
    EXPECT_FALSE(keyWatcher()->isWatching());
    EXPECT_EQ(colourOf("a1"), "blue");
    EXPECT_EQ(colourOf("a2"), "red");
    EXPECT_EQ(colourOf("a3"), "blue");
    EXPECT_EQ(colourOf("a4f1"), "blue");
    EXPECT_EQ(colourOf("a4f2"), "red");
    EXPECT_EQ(colourOf("a5"), "red");
    const QString result = bodyText();
    EXPECT_TRUE(result.contains("批 阅 试 卷 结 果"));
    EXPECT_TRUE(result.contains("50%")) << result.toStdString();

    trigger("BitBtn2");
    EXPECT_EQ(messages.shown.last(), "您已经交卷，不能进行\"下一题\"的操作！");
    trigger("BitBtn5");
    EXPECT_EQ(messages.shown.last(), "您已经交卷，不能重复交卷！");

    sheetButton("a2")->click();
    EXPECT_EQ(checkedOnPage(), QStringList{"C"});
    EXPECT_TRUE(bodyText().contains("正确答案：" + correctSingle));
    EXPECT_EQ(colourOf("a2"), "red");
    sheetButton("a5")->click();
    EXPECT_EQ(js(QString("document.getElementById('%1').value").arg(items[0])).toString(), "B");
    EXPECT_EQ(bodyText().count("正确答案："), 2);

    // Changing a review page changes no stored answer.
    js(QString("document.getElementById('%1').value='C';").arg(items[0]));
    sheetButton("a1")->click();
    tick("E");
    for (const char *command : {"BitBtn2", "BitBtn1", "BitBtn5"})
        trigger(command);
    sheetButton("a2")->click();
    EXPECT_EQ(bank.column("SELECT tjda FROM sj ORDER BY rowid"),
              (QStringList{"A", "C", "A", "AB", "A", "AB"}));
}

TEST_F(ExamWindowTest, ACommandArrivingWhileAMoveWaitsForItsPageIsDropped) {
    bank.addQuestions(SingleA1, 3);
    const int group = bank.addMatching(2);
    bank.setCounts({3, 0, 0, 1});
    ExamWindow &w = open();
    // `act` runs when the next page has loaded, before its content is in.
    const auto whileLoading = [&](std::function<void()> act) {
        QObject::connect(page(), &QWebEngineView::loadFinished, &w, std::move(act),
                         Qt::SingleShotConnection);
    };

    tick("A");
    whileLoading([&] { trigger("BitBtn2"); });
    trigger("BitBtn2");
    EXPECT_EQ(entryOnScreen(), "2");
    EXPECT_EQ(colourOf("a3"), "buttonFace") << "entry 3 was skipped";
    tick("B");
    whileLoading([&] { sheetButton("a3")->click(); });
    trigger("BitBtn1");
    EXPECT_EQ(entryOnScreen(), "1");
    whileLoading([&] { trigger("BitBtn1"); });
    sheetButton("a3")->click();
    EXPECT_EQ(entryOnScreen(), "3");
    tick("C");
    trigger("BitBtn2");
    const QStringList items =
        bank.column(QString("SELECT id FROM question WHERE readtextid=%1 ORDER BY id").arg(group));
    js(QString("document.getElementById('%1').value='B';").arg(items[0]));
    js(QString("document.getElementById('%1').value='A';").arg(items[1]));
    trigger("BitBtn1");
    const QString itemChoices =
        QString("SELECT group_concat(lx) FROM question WHERE readtextid=%1").arg(group);
    const QString matchingAnswer = tjda("4");
    const QString choices = bank.scalar(itemChoices);
    ASSERT_FALSE(matchingAnswer.isEmpty());

    // The second 下一题 would read the group's drop-downs before they show
    // the stored choices, and store empty ones over them.
    whileLoading([&] { trigger("BitBtn2"); });
    trigger("BitBtn2");
    EXPECT_EQ(entryOnScreen(), "4");
    EXPECT_EQ(tjda("4"), matchingAnswer);
    EXPECT_EQ(bank.scalar(itemChoices), choices);
    EXPECT_EQ(bank.column("SELECT tjda FROM sj ORDER BY rowid"),
              (QStringList{"A", "B", "C", matchingAnswer}));

    whileLoading([&] { sheetButton("a1")->click(); });
    trigger("BitBtn5");
    EXPECT_TRUE(bodyText().contains("批 阅 试 卷 结 果"));
}

TEST_F(ExamWindowTest, EscapeDoesNotEndTheExam) {
    bank.addQuestions(SingleA1, 2);
    bank.setCounts({2, 0, 0, 0});
    ExamWindow &w = open();
    release(Qt::Key_A); // the focus goes to 下一题, as after any letter
    QTest::keyClick(w.focusWidget(), Qt::Key_Escape);
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Rejected);
    trigger("BitBtn2");
    EXPECT_EQ(tjda("1"), "A");
}

TEST_F(ExamWindowTest, APictureIsFoundWhateverTheLetterCaseOfItsName) {
    QDir(bank.folder()).mkpath("tupian");
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(bank.folder() + "/tupian/x.png"));
    const RowId group = bank.writer().addGroup(bank.addChapterPath("图"), SingleA1);
    bank.writer().addQuestion(group, "看图", "A", {}, {"甲", "乙"}, "Tupian/X.PNG");
    bank.setCounts({1, 0, 0, 0});
    open();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return js("document.images.length ? document.images[0].naturalWidth : 0").toInt() == 40;
        },
        5000));
}
