#include "grading/GradingCommands.h"
#include "grading/ScoreWindow.h"
#include "grading/WrongQuestionsWindow.h"
#include "store/BankQueries.h"
#include "support/MainWindowFixture.h"

#include <QPushButton>
#include <QTableWidget>

using namespace velkora;
using namespace velkora::test;

namespace {

// Two chapters: the first with two single questions, a multiple choice and
// a shared-options question; the second with one question.
class Grading : public MainWindowFixture {
protected:
    void SetUp() override {
        BankWriter &w = bank.writer();
        const int part = w.addNode("基础知识", 0, 1);
        const int section = w.addNode("第一章", part, 2);
        first = w.addNode("第一节", section, 3);
        const int second = w.addNode("第二节", section, 3);
        const int single = w.addGroup(first, SingleA1);
        q1 = bank.addChoice(single, "单选<b>一</b> &amp; 二", "A");
        q2 = bank.addChoice(single, "单选二", "B");
        q3 = bank.addChoice(w.addGroup(first, MultiX), "多选", "ACD");
        m1 = w.addQuestion(w.addGroup(first, SharedOptions, "A．铅 B．汞 C．锰", 3), "配伍", "B");
        q4 = bank.addChoice(w.addGroup(second, SingleA1), "第二节单选", "E");
    }
    // Starts the window; its score and list windows run without blocking.
    void startGrading() {
        start();
        commands->grading().setWindowRunner([this](QDialog &dialog) { run(dialog); });
    }
    void run(QDialog &dialog) {
        opened << dialog.objectName();
        dialog.show();
        if (auto *score = qobject_cast<ScoreWindow *>(&dialog)) {
            bool shown = false;
            QObject::connect(score, &ScoreWindow::reportShown, score, [&] { shown = true; });
            EXPECT_TRUE(waitUntil([&] { return shown; }));
            report = score->pageView()->evaluate("document.body.innerText").toString();
            reportRows =
                score->pageView()->evaluate("document.querySelectorAll('tr').length").toInt();
        }
        if (auto *list = qobject_cast<WrongQuestionsWindow *>(&dialog); list && onList)
            onList(*list);
        dialog.close();
    }
    QString option(int question, int index) const {
        return QString("document.getElementById('%1')")
            .arg(BankQueries(bank.db()).options(question)[index].id);
    }
    void tick(int question, const QString &letters) {
        for (QChar letter : letters)
            js(option(question, letter.unicode() - 'A') + ".checked=true");
    }
    void choose(int question, const QString &letter) {
        js(QString("document.getElementById('a%1').value='%2'").arg(question).arg(letter));
    }
    bool red(int question) const {
        return js(QString("document.getElementById('fan%1').style.color").arg(question))
                   .toString() == "red";
    }
    QString ct(int question) const {
        return bank.scalar(QString("SELECT ct FROM question WHERE id=%1").arg(question));
    }
    void setCt(const QList<int> &questions) {
        for (int id : questions)
            bank.exec(QString("UPDATE question SET ct='1' WHERE id=%1").arg(id));
    }
    void submit() { commands->grading().submitChapter(); }

    int first = 0, q1 = 0, q2 = 0, q3 = 0, m1 = 0, q4 = 0;
    QStringList opened;
    QString report;
    int reportRows = 0;
    std::function<void(WrongQuestionsWindow &)> onList;
};

const QString keepQuestion = "您是否把这次的错题放到错题题库中？";

} // namespace

TEST_F(Grading, KeysAndClicksTickWhatGradingReadsAndTheTreeCountsIt) {
    startGrading();
    EXPECT_EQ(nodeAt(2)->text(1), "0/4");
    QWidget *keys = pageView()->focusProxy();
    ASSERT_TRUE(waitUntil([&] { return keys && keys->hasFocus(); })); // the page takes the keys
    const auto press = [&](std::initializer_list<Qt::Key> sequence) {
        for (Qt::Key key : sequence)
            QTest::keyClick(keys, key);
    };
    press({Qt::Key_A});
    // A click on the words of q2's option B ticks it and puts q2 in focus,
    // once the page is drawn at the view's zoom.
    const double zoom = pageView()->zoomFactor();
    ASSERT_TRUE(waitUntil(
        [&] { return qAbs(pageView()->width() / js("innerWidth").toDouble() - zoom) < 0.01; }));
    const QVariantList words =
        js(QString("(function(){var r=document.createRange();r.selectNodeContents(%1.nextSibling);"
                   "var b=r.getClientRects()[0];return [b.left+b.width/2,b.top+b.height/2];})()")
               .arg(option(q2, 1)))
            .toList();
    ASSERT_EQ(words.size(), 2);
    QTest::mouseClick(keys, Qt::LeftButton, {},
                      QPoint(int(words[0].toDouble() * zoom), int(words[1].toDouble() * zoom)));
    ASSERT_TRUE(waitUntil([&] { return js(option(q2, 1) + ".checked").toBool(); }));
    press({Qt::Key_Down, Qt::Key_A, Qt::Key_C, Qt::Key_D, Qt::Key_J, Qt::Key_2, Qt::Key_Space});
    ASSERT_TRUE(waitUntil([&] {
        return js(QString("document.getElementById('ansnote%1').style.display").arg(m1)) == "block";
    }));

    submit();
    for (int id : {q1, q2, q3, m1})
        EXPECT_FALSE(red(id)) << id;
    EXPECT_EQ(nodeAt(2)->text(1), "4/4");
    EXPECT_EQ(nodeAt(3)->text(1), "0/1");
}

TEST_F(Grading, ASubmissionMarksWrongStemsShowsTheScoreAndKeepsThePage) {
    startGrading();
    tick(q1, "A");
    tick(q3, "ACDE"); // one option too many; q2 left unanswered
    choose(m1, "B");
    submit();
    EXPECT_EQ(opened, QStringList{"TForm15"});
    EXPECT_EQ(messages.shown, QStringList{keepQuestion});
    EXPECT_EQ(reportRows, 5); // heading, A1, X, shared options, totals: the empty types dropped
    EXPECT_EQ(bank.scalar("SELECT group_concat(tx || ':' || sts || '/' || dd, ';') FROM fenshu"),
              "A1型题:2/1;X型题:1/0;五个公用备选多个题每题一个选项9:1/1");
    // After the score window and the question the graded page is still there,
    // every answer shown.
    EXPECT_EQ(QList<bool>({red(q1), red(q2), red(q3), red(m1)}),
              QList<bool>({false, true, true, false}));
    EXPECT_TRUE(js(option(q3, 4) + ".checked").toBool());
    EXPECT_TRUE(button(&MainWindowCommands::hideAnswers)->isVisibleTo(window.get()));
    EXPECT_TRUE(session().interceptArmed());
    EXPECT_EQ(ct(q2) + ct(q3), "11");
    EXPECT_EQ(ct(q1) + ct(m1), "");
}

TEST_F(Grading, NoTakesOutOnlyTheQuestionsThisSubmissionPutIn) {
    setCt({q2, q4});
    startGrading();
    tick(q1, "A");
    messages.answers = {false};
    submit();
    EXPECT_EQ(messages.shown, QStringList{keepQuestion});
    EXPECT_EQ(ct(q3) + ct(m1), "");
    EXPECT_EQ(ct(q2), "1"); // wrong again, but in the bank before
    EXPECT_EQ(ct(q4), "1"); // not on this page
}

TEST_F(Grading, TheWrongQuestionViewGradesItsQuestionsAndAsksNothing) {
    setCt({q1, q2, q3});
    startGrading();
    commands->grading().openWrongQuestionBank();
    EXPECT_EQ(opened, QStringList{"TForm16"});
    ASSERT_EQ(treePanel()->caption(), "错 题 题 库");
    EXPECT_EQ(bank.scalar("SELECT group_concat(id) FROM tree WHERE ct='1'"),
              QString::number(first)); // three wrong questions, one chapter flag
    EXPECT_EQ(tree()->topLevelItem(0)->child(0)->childCount(), 1);
    EXPECT_FALSE(bodyText().contains("配伍"));
    tick(q1, "A");
    submit();
    EXPECT_EQ(opened, (QStringList{"TForm16", "TForm15"}));
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(ct(q1) + ct(q2) + ct(q3), "111");
    EXPECT_EQ(ct(m1), "");
}

TEST_F(Grading, FavouritesAreGradedAloneAndTheReportDropsEmptyTypes) {
    bank.exec(QString("UPDATE question SET scbt='1' WHERE id=%1").arg(q3));
    startGrading();
    trigger(&MainWindowCommands::favourites);
    tick(q3, "ACD");
    submit();
    EXPECT_EQ(reportRows, 3);
    EXPECT_TRUE(report.contains("X型题"));
    EXPECT_FALSE(report.contains("A1型题"));
    EXPECT_EQ(bank.scalar("SELECT count(*) FROM question WHERE ct='1'"), "0");
}

TEST_F(Grading, ASubmissionThatCannotBeReadLeavesEverythingAsItWas) {
    startGrading();
    tick(q1, "B");
    js(option(q3, 2) + ".remove()");
    submit();
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(bank.scalar("SELECT count(*) FROM question WHERE ct='1' OR ct1='1'"), "0");
    EXPECT_EQ(bank.scalar("SELECT count(*) FROM fenshu"), "0");
    EXPECT_TRUE(session().interceptArmed());
    EXPECT_TRUE(js(option(q1, 1) + ".checked").toBool());
}

TEST_F(Grading, SubmittingBeforeAnyChapterIsShownDoesNothing) {
    window = std::make_unique<MainWindow>(*folder, bank.connection(), messages);
    commands =
        std::make_unique<ProgramCommands>(*window, *folder, bank.connection(), config, messages);
    commands->grading().setWindowRunner([this](QDialog &dialog) { run(dialog); });
    window->show(); // no chapter shown yet
    submit();
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(bank.scalar("SELECT count(*) FROM fenshu"), "0");
    EXPECT_FALSE(session().interceptArmed());
}

TEST_F(Grading, AnsweringAgainAsksThenRebuildsTheSamePage) {
    setCt({q2});
    startGrading();
    clickNode(3);
    tick(q4, "E");
    js(QString("document.getElementById('fan%1').style.color='red'").arg(q4));
    messages.answers = {false, true};
    commands->grading().answerAgain();
    EXPECT_TRUE(red(q4)); // Cancel: the answers stay
    commands->grading().answerAgain();
    EXPECT_EQ(messages.shown, QStringList(2, "重新答题会清除当前所选的答案，是否继续？"));
    EXPECT_TRUE(bodyText().contains("第二节单选"));
    EXPECT_FALSE(red(q4));
    EXPECT_EQ(count("input:checked"), 0);
    EXPECT_EQ(ct(q2), "1");
}

TEST_F(Grading, TheListTakesCheckedQuestionsOutOfTheBank) {
    setCt({q1, q2, q3, m1, q4});
    startGrading();
    QList<RowId> shownIds;
    onList = [&](WrongQuestionsWindow &list) {
        QTableWidget *rows = list.list();
        ASSERT_EQ(rows->rowCount(), 5);
        EXPECT_EQ(rows->item(0, 1)->text(), "单选一 & 二");
        list.invertButton()->click(); // none checked: all become checked
        EXPECT_EQ(list.checkedQuestionIds().size(), 5);
        list.invertButton()->click();
        rows->item(1, 0)->setCheckState(Qt::Checked);
        rows->item(3, 0)->setCheckState(Qt::Checked);
        list.deleteButton()->click();
        ASSERT_EQ(rows->rowCount(), 3);
        EXPECT_TRUE(list.checkedQuestionIds().isEmpty());
        list.selectAllButton()->click();
        shownIds = list.checkedQuestionIds();
    };
    commands->grading().openWrongQuestionBank();
    EXPECT_EQ(shownIds, (QList<RowId>{q1, q3, q4}));
    EXPECT_EQ(ct(q2) + ct(m1), "");
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(Grading, AnEmptyWrongQuestionBankIsToldAndChangesNothing) {
    startGrading();
    commands->grading().openWrongQuestionBank();
    EXPECT_EQ(messages.shown, QStringList{"您没有错题！"});
    EXPECT_EQ(treePanel()->caption(), "高 级 试 题");
    EXPECT_TRUE(bodyText().contains("单选二"));
}

TEST_F(Grading, TheScoreWindowShowsTheRowsItIsHandedAndClosesByItsPicture) {
    start();
    ScoreWindow score(
        {{"A1型题", 3, 1}}, folder->templatePath(),
        [this](const QString &name) { return folder->path(name); }, window.get());
    int built = 0;
    QObject::connect(&score, &ScoreWindow::reportShown, &score, [&] { ++built; });
    score.show();
    ASSERT_TRUE(waitUntil([&] { return built == 1; }));
    // Centred on the main window, give or take the frame the platform adds.
    EXPECT_LE((score.geometry().center() - window->geometry().center()).manhattanLength(), 6);
    EXPECT_TRUE(score.pageView()->evaluate("document.body.innerText").toString().contains("33%"));
    QFile::remove(folder->templatePath()); // a later build without template still ends
    score.buildReport();
    EXPECT_EQ(built, 2);
    score.closeButton()->clicked();
    EXPECT_FALSE(score.isVisible());
}

TEST_F(Grading, AnsweringAgainAfterAClickOnAPartRebuildsTheChapterShown) {
    startGrading();
    clickNode(3);
    tick(q4, "E");
    js(QString("document.getElementById('fan%1').style.color='red'").arg(q4));
    clickNode(0); // the part: the page stays, the selected node changes
    messages.answers = {true};
    commands->grading().answerAgain();
    EXPECT_TRUE(bodyText().contains("第二节单选"));
    EXPECT_EQ(count("input:checked"), 0);
    EXPECT_FALSE(red(q4));
}

TEST_F(Grading, AScoreWindowClosedAtOnceStillArmsThePageCommands) {
    start();
    // The score window is closed before its report could be built.
    commands->grading().setWindowRunner([](QDialog &dialog) {
        dialog.show();
        dialog.close();
    });
    messages.answers = {true};
    submit();
    EXPECT_TRUE(session().interceptArmed());
    // A favourite button then is a command, not a navigation.
    const qsizetype before = messages.shown.size();
    js("document.getElementsByName('torvanescbt')[0].click()");
    EXPECT_TRUE(waitUntil([&] { return messages.shown.size() > before; }));
    EXPECT_EQ(messages.shown.last(), "收藏成功！");
}
