#include "exam/windows/ExamEntryWindow.h"
#include "exam/windows/CandidateCardWindow.h"
#include "exam/windows/ExamLoginWindow.h"
#include "exam/windows/ExamSettingsWindow.h"

#include "base/ProgramFolder.h"
#include "exam/paper/ExamResumeStore.h"
#include "exam/paper/PaperQueries.h"
#include "exam/session/ExamResume.h"
#include "support/RecordingMessages.h"
#include "support/TestBank.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QScreen>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <map>
#include <memory>

using namespace velkora;
using velkora::test::RecordingMessages;
using velkora::test::TestBank;

namespace {

void trigger(QWidget &window, const char *command) {
    auto *action = window.findChild<QAction *>(command);
    ASSERT_NE(action, nullptr) << command;
    action->trigger();
}

QWidget *child(QWidget &window, const char *name) {
    return window.findChild<QWidget *>(name, Qt::FindDirectChildrenOnly);
}

QPoint at(QWidget &window, const char *name) {
    QWidget *widget = child(window, name);
    EXPECT_NE(widget, nullptr) << name;
    return widget ? widget->pos() : QPoint(-1, -1);
}

// The entry windows over a bank of their own, owned by a stand-in for the
// main window, with the pictures of the built program folder.
class ExamEntryTest : public ::testing::Test {
protected:
    ExamEntryTest() {
        bank.exec("DELETE FROM ts");
        for (const char *row : {"(0, 20)", "(10, 0)", "(2, 0)", "(3, 0)"})
            bank.exec(QString("INSERT INTO ts (txs, fg) VALUES %1").arg(row));
        mainWindow.setGeometry(100, 80, 1001, 545);
        entry = std::make_unique<ExamEntry>(
            bank.connection(), messages,
            [this](const QString &name) { return pictures.path(name); }, &mainWindow);
        entry->setExamStarter([this](TitleLevel level, QWidget *card) {
            started.append(level);
            startedOver = card;
            cardVisibleAtStart = card->isVisible();
        });
    }

    ExamSettingsWindow &settings() { return entry->settingsWindow(); }
    ExamLoginWindow &login() { return entry->loginWindow(); }
    CandidateCardWindow &card() { return entry->cardWindow(); }

    QLineEdit &field(int n) {
        auto *edit = settings().findChild<QLineEdit *>(QString("RzEdit%1").arg(n));
        EXPECT_NE(edit, nullptr);
        return *edit;
    }
    void type(const PaperCounts &counts) {
        for (int n = 1; n <= 4; ++n)
            field(n).setText(counts[n - 1]);
    }
    PaperCounts shownCounts() {
        return {field(1).text(), field(2).text(), field(3).text(), field(4).text()};
    }
    QString rowOne() const {
        return bank.scalar("SELECT txs || '/' || fg FROM ts ORDER BY rowid LIMIT 1");
    }

    // Runs the flow with every modal window shown without blocking: each
    // window, when it opens, does the next step of its own script.
    void runScripted(std::map<QString, QList<const char *>> script) {
        entry->setWindowRunner([this, script](QDialog &window) mutable {
            opened << window.objectName();
            window.show();
            QList<const char *> &steps = script[window.objectName()];
            if (!steps.isEmpty())
                trigger(window, steps.takeFirst());
            if (window.isVisible())
                window.close(); // by its frame
        });
        entry->run(examRunningMark);
    }

    TestBank bank;
    RecordingMessages messages;
    ProgramFolder pictures{VELKORA_PROGRAM_DIR};
    QWidget mainWindow;
    std::unique_ptr<ExamEntry> entry;
    QStringList opened;
    QList<TitleLevel> started;
    QWidget *startedOver = nullptr;
    bool cardVisibleAtStart = false;
    bool examRunningMark = false;
};

} // namespace

// ---------------------------------------------------------------- settings window

TEST_F(ExamEntryTest, SettingsWindowShowsItsTextsAndTheStoredCountsInRecordOrder) {
    settings().show();
    EXPECT_EQ(settings().objectName(), "TForm6");
    EXPECT_EQ(settings().windowTitle(), "参数设置");
    EXPECT_EQ(settings().size(), QSize(499, 332));
    EXPECT_EQ(settings().pos(), mainWindow.pos() + QPoint(190, 150));
    QStringList texts;
    for (QLabel *label : settings().findChildren<QLabel *>())
        texts << label->text();
    for (const char *text :
         {"请您设置模拟考试题的参数", "单项选择题:", "多项选择题:", "案例分析题:", "配伍选择题:",
          "题:", "温馨提示：请您注意，每种题型不能设置超过50道题。"})
        EXPECT_TRUE(texts.contains(text)) << text;
    EXPECT_EQ(settings().findChild<QPushButton *>("RzBitBtn1")->text(), "确 定");
    EXPECT_EQ(settings().findChild<QPushButton *>("RzBitBtn2")->text(), "进 入");
    EXPECT_EQ(shownCounts(), (PaperCounts{"20", "10", "2", "3"})) << "row 1 shows fg";
}

TEST_F(ExamEntryTest, SaveAcceptsCountsUpToFiftyAndZerosThatLeaveAChoicePart) {
    settings().show();
    type({"50", "50", "50", "50"});
    trigger(settings(), "RzBitBtn1");
    type({"0", "0", "5", "0"});
    trigger(settings(), "RzBitBtn1");
    EXPECT_EQ(messages.shown, (QStringList{"设置成功！", "设置成功！"}));
    EXPECT_EQ(rowOne(), "0/0");
    EXPECT_EQ(bank.scalar("SELECT group_concat(txs, ',') FROM ts"), "0,0,5,0");
    EXPECT_TRUE(settings().isVisible()) << "the window stays open after saving";
}

TEST_F(ExamEntryTest, SaveRejectsAndTellsWhy) {
    settings().show();
    type({"1", "51", "1", "1"});
    trigger(settings(), "RzBitBtn1");
    EXPECT_EQ(shownCounts(), (PaperCounts{"20", "10", "2", "3"})) << "fields reloaded";
    type({"0", "0", "0", "10"});
    trigger(settings(), "RzBitBtn1");
    EXPECT_EQ(shownCounts(), (PaperCounts{"0", "0", "0", "10"})) << "entries kept to correct";
    type({"5", "", "5", "5"});
    trigger(settings(), "RzBitBtn1");
    EXPECT_EQ(messages.shown,
              (QStringList{"请仔细看下边的温馨提示，谢谢！", "设置错误！", "设置错误！"}));
    EXPECT_EQ(bank.scalar("SELECT group_concat(txs || '/' || fg, ',') FROM ts"),
              "0/20,10/0,2/0,3/0");
}

TEST_F(ExamEntryTest, FieldsHoldAtMostFourDigitsHoweverTheTextArrives) {
    settings().show();
    QLineEdit &edit = field(1);
    edit.clear();
    QTest::keyClicks(&edit, "4x-5 ");
    EXPECT_EQ(edit.text(), "45");

    edit.clear();
    QApplication::clipboard()->setText("1a2");
    edit.paste();
    EXPECT_EQ(edit.text(), "12");
    EXPECT_EQ(edit.cursorPosition(), 2);

    edit.setText("15");
    edit.setCursorPosition(1);
    edit.insert("x3");
    EXPECT_EQ(edit.text(), "135");
    EXPECT_EQ(edit.cursorPosition(), 2) << "the cursor stays after the inserted digit";

    edit.setText("12");
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("３b"));
    QCoreApplication::sendEvent(&edit, &commit);
    EXPECT_EQ(edit.text(), "123") << "a full-width digit of an input method counts";

    edit.insert("45");
    EXPECT_EQ(edit.text(), "123") << "a fifth digit is refused";
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "12");
}

TEST_F(ExamEntryTest, ProceedFlagIsSetOnlyByEnterAndClearedOnShow) {
    settings().show();
    type({"7", "7", "7", "7"});
    trigger(settings(), "RzBitBtn2");
    EXPECT_TRUE(settings().proceed());
    EXPECT_FALSE(settings().isVisible());
    EXPECT_EQ(rowOne(), "0/20") << "entering does not save";

    settings().show();
    EXPECT_FALSE(settings().proceed());
    settings().close();
    EXPECT_FALSE(settings().proceed()) << "closed by its frame";
}

TEST_F(ExamEntryTest, AStoreFailureWhileSavingIsToldAndChangesNothing) {
    settings().show();
    bank.exec("CREATE TRIGGER refuse BEFORE UPDATE ON ts BEGIN SELECT RAISE(ABORT, 'no'); END");
    type({"9", "9", "9", "9"});
    trigger(settings(), "RzBitBtn1");
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_NE(messages.shown[0], "设置成功！");
    EXPECT_EQ(rowOne(), "0/20");
}

// ---------------------------------------------------------------- the flow

TEST_F(ExamEntryTest, ClosingTheSettingsByTheirFrameOpensNothing) {
    runScripted({});
    EXPECT_EQ(opened, QStringList{"TForm6"});
    EXPECT_TRUE(examRunningMark) << "left set until the main window clears it";
    EXPECT_TRUE(started.isEmpty());
}

TEST_F(ExamEntryTest, AnUnsubmittedExamIsOfferedFirstToResumeOrToLeaveForANewPaper) {
    bank.exec("INSERT INTO sj (tid, lx, tgid, tjda) VALUES ('1', 'a1', '7', 'A'), "
              "('2', 'a1', '8', '')");
    ExamResumeStore(bank.db()).keepNewPaper({2, 0, 0, 0}, PaperQueries(bank.db()).rows());
    bank.exec("UPDATE velkora_exam_resume SET minutes_left = 42");
    QStringList resumed;
    entry->setExamResumer([&](const ResumableExam &exam) {
        resumed << QString("%1 at %2").arg(exam.minutesLeft).arg(exam.startTid);
    });

    runScripted({{"ResumeOffer", {"ContinueButton"}}});
    EXPECT_EQ(opened, QStringList{"ResumeOffer"});
    EXPECT_EQ(resumed, QStringList{"42 at 2"});
    EXPECT_FALSE(examRunningMark);
    QDialog &offer = *mainWindow.findChild<QDialog *>("ResumeOffer");
    EXPECT_EQ(offer.findChild<QLabel *>("AnsweredLabel")->text(), "已答 1 题，共 2 题");
    EXPECT_EQ(offer.findChild<QLabel *>("TimeLeftLabel")->text(), "剩余时间：42 分钟");
    EXPECT_EQ(offer.findChild<QPushButton *>("ContinueButton")->text(), "继续上次考试");

    opened.clear();
    runScripted({}); // the offer closed by its frame
    EXPECT_EQ(opened, QStringList{"ResumeOffer"});
    EXPECT_EQ(resumed.size(), 1);

    opened.clear();
    runScripted({{"ResumeOffer", {"NewPaperButton"}},
                 {"TForm6", {"RzBitBtn2"}},
                 {"TForm2", {"RzBitBtn1"}},
                 {"TForm3", {"SpeedButton2"}}});
    EXPECT_EQ(opened, (QStringList{"ResumeOffer", "TForm6", "TForm2", "TForm3"}));
    EXPECT_EQ(started, QList<TitleLevel>{TitleLevel::AssociateSenior});
    EXPECT_EQ(resumed.size(), 1);
}

TEST_F(ExamEntryTest, StartWithTheDefaultLevelRestoresTheOwnCountAndClosesTheWayBack) {
    runScripted(
        {{"TForm6", {"RzBitBtn2"}}, {"TForm2", {"RzBitBtn1"}}, {"TForm3", {"SpeedButton2"}}});
    EXPECT_EQ(opened, (QStringList{"TForm6", "TForm2", "TForm3"}));
    EXPECT_EQ(started, QList<TitleLevel>{TitleLevel::AssociateSenior});
    EXPECT_EQ(startedOver, &card());
    EXPECT_TRUE(cardVisibleAtStart) << "the exam opens over the card";
    EXPECT_EQ(rowOne(), "20/20");
    EXPECT_FALSE(card().isVisible());
    EXPECT_FALSE(login().isVisible());
    EXPECT_FALSE(examRunningMark);
}

TEST_F(ExamEntryTest, TheSeniorLevelDropsTheSingleChoicePartAndKeepsTheOwnCount) {
    bank.exec("UPDATE ts SET txs = 20 WHERE rowid = (SELECT min(rowid) FROM ts)");
    auto *choice = card().findChild<QGroupBox *>("RadioGroup1");
    ASSERT_NE(choice, nullptr);
    EXPECT_EQ(choice->title(), "选择职称");
    EXPECT_TRUE(choice->isHidden());
    const QList<QRadioButton *> levels = choice->findChildren<QRadioButton *>();
    ASSERT_EQ(levels.size(), 2);
    EXPECT_EQ(levels[0]->text(), "正高级职称");
    EXPECT_EQ(levels[1]->text(), "副高级职称");
    EXPECT_TRUE(levels[1]->isChecked()) << "the second level is the default";
    levels[0]->setChecked(true);

    runScripted(
        {{"TForm6", {"RzBitBtn2"}}, {"TForm2", {"RzBitBtn1"}}, {"TForm3", {"SpeedButton2"}}});
    EXPECT_EQ(started, QList<TitleLevel>{TitleLevel::Senior});
    EXPECT_EQ(rowOne(), "0/20");
}

TEST_F(ExamEntryTest, ReloginThenLoginShowsTheSameCardAgain) {
    QStringList linesBefore;
    for (QLabel *line : card().findChildren<QLabel *>())
        linesBefore << line->text();
    runScripted(
        {{"TForm6", {"RzBitBtn2"}}, {"TForm2", {"RzBitBtn1"}}, {"TForm3", {"SpeedButton1"}}});
    EXPECT_EQ(opened, (QStringList{"TForm6", "TForm2", "TForm3"}));
    EXPECT_TRUE(started.isEmpty());

    // Back at the login, in one showing: log in, back, log in again, start.
    opened.clear();
    int logins = 0;
    entry->setWindowRunner([&](QDialog &window) {
        opened << window.objectName();
        window.show();
        if (window.objectName() == "TForm6")
            trigger(window, "RzBitBtn2");
        if (window.objectName() == "TForm2") {
            trigger(window, "RzBitBtn1");
            trigger(window, "RzBitBtn1");
        }
        if (window.objectName() == "TForm3")
            trigger(window, ++logins == 1 ? "SpeedButton1" : "SpeedButton2");
    });
    entry->run(examRunningMark);
    EXPECT_EQ(opened, (QStringList{"TForm6", "TForm2", "TForm3", "TForm3"}));
    EXPECT_EQ(started.size(), 1);
    QStringList linesAfter;
    for (QLabel *line : card().findChildren<QLabel *>())
        linesAfter << line->text();
    EXPECT_EQ(linesAfter, linesBefore);
}

TEST_F(ExamEntryTest, QuittingTheLoginReturnsWithoutTheCard) {
    runScripted({{"TForm6", {"RzBitBtn2"}}, {"TForm2", {"RzBitBtn2"}}});
    EXPECT_EQ(opened, (QStringList{"TForm6", "TForm2"}));
    EXPECT_FALSE(examRunningMark);
}

TEST_F(ExamEntryTest, AFailedAdjustmentOfTheSettingsOpensNoExam) {
    bank.exec("DELETE FROM ts");
    runScripted(
        {{"TForm6", {"RzBitBtn2"}}, {"TForm2", {"RzBitBtn1"}}, {"TForm3", {"SpeedButton2"}}});
    EXPECT_TRUE(started.isEmpty());
    EXPECT_EQ(messages.shown, QStringList{"考试参数写入失败，无法开始考试。"});
}

// The real modal windows: each step is taken once its window is the modal
// one, from a queued call so the driving timer is free to fire again inside
// the next modal loop.
TEST_F(ExamEntryTest, RealModalWindowsCloseInTurnWhenTheExamReturns) {
    QStringList steps = {"TForm6:RzBitBtn2", "TForm2:RzBitBtn1", "TForm3:SpeedButton2"};
    QElapsedTimer clock;
    clock.start();
    QTimer driver;
    driver.setInterval(10);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (clock.elapsed() > 5000) {
            modal->close(); // a failure ends in seconds
            return;
        }
        if (steps.isEmpty() || !steps.first().startsWith(modal->objectName() + ":"))
            return;
        const QByteArray command = steps.takeFirst().section(':', 1).toUtf8();
        QMetaObject::invokeMethod(
            modal, [modal, command] { trigger(*modal, command.constData()); },
            Qt::QueuedConnection);
    });
    driver.start();
    entry->run(examRunningMark);
    EXPECT_TRUE(steps.isEmpty()) << qPrintable(steps.join(' '));
    EXPECT_EQ(started.size(), 1);
    EXPECT_FALSE(login().isVisible());
    EXPECT_FALSE(card().isVisible());
    EXPECT_FALSE(examRunningMark);
}

// ---------------------------------------------------------------- login and card

TEST_F(ExamEntryTest, LoginIsBorderlessAndMaximisedWithItsTexts) {
    EXPECT_EQ(login().objectName(), "TForm2");
    EXPECT_TRUE(login().windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(login().windowState() & Qt::WindowMaximized);
    EXPECT_EQ(login().findChild<QLabel *>("Label1")->text(), "卫生专业技术资格考试");
    EXPECT_EQ(login().findChild<QLabel *>("Label2")->text(), "准考证号：");
    auto *number = login().findChild<QLineEdit *>("RzEdit1");
    EXPECT_EQ(number->text(), "00000000001");
    EXPECT_FALSE(number->hasFrame());
}

TEST_F(ExamEntryTest, LoginPlacesItsPiecesAroundHalfTheScreenWidth) {
    login().show();
    const int half = mainWindow.screen()->availableGeometry().width() / 2;
    EXPECT_EQ(at(login(), "Label1").x(), half - 190);
    EXPECT_EQ(at(login(), "Image2").x(), half - 303);
    EXPECT_EQ(at(login(), "Image3").x(), half - 303);
    EXPECT_EQ(at(login(), "Image4").x(), half + 10);
    EXPECT_EQ(at(login(), "Label2").x(), half - 77);
    EXPECT_EQ(at(login(), "RzEdit1"), QPoint(half, 216));
    EXPECT_EQ(at(login(), "RzBitBtn1"), QPoint(half - 77, 263));
    const QRect loginButton = child(login(), "RzBitBtn1")->geometry();
    EXPECT_EQ(at(login(), "RzBitBtn2"), QPoint(loginButton.right() + 1 + 20, 263));

    login().layOut(683); // a 1366-pixel screen
    EXPECT_EQ(at(login(), "RzEdit1").x(), 683);
    EXPECT_EQ(at(login(), "Image4").x(), 693);
}

TEST_F(ExamEntryTest, CardShowsElevenLinesInTheCardFontAroundHalfTheScreenWidth) {
    card().show();
    EXPECT_EQ(card().objectName(), "TForm3");
    EXPECT_TRUE(card().windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(card().windowState() & Qt::WindowMaximized);
    const int half = mainWindow.screen()->availableGeometry().width() / 2;
    const QStringList expected = {"      姓名：张三",
                                  "      性别：男",
                                  "准考证号：00000001",
                                  "报考专业：测试专业",
                                  "报考级别：测试级别",
                                  "证件类型：身份证",
                                  "证件编号：201588888888888888",
                                  "所在考场：北京市东城区考场",
                                  "当前场次：测试场次",
                                  "所在试室：01教室",
                                  "所在单位：测试单位"};
    const QString family = cardTypeface(expected.join(""));
    int previousTop = -1;
    for (int n = 1; n <= 11; ++n) {
        auto *line = card().findChild<QLabel *>(QString("Label%1").arg(n));
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->text(), expected[n - 1]);
        EXPECT_EQ(line->x(), half - 86);
        EXPECT_GT(line->y(), previousTop) << "top to bottom";
        previousTop = line->y();
        EXPECT_EQ(line->font().pixelSize(), 19);
        EXPECT_EQ(line->font().family(), family);
    }
    EXPECT_EQ(card().findChild<QLabel *>("Label12")->text(), "卫生专业技术资格考试");
    EXPECT_EQ(at(card(), "Label12").x(), half - 328);
    EXPECT_EQ(at(card(), "Image2").x(), half - 106);
    EXPECT_EQ(at(card(), "Image3").x(), half - 328);
    EXPECT_EQ(at(card(), "Image4").x(), half - 328);
    EXPECT_EQ(at(card(), "RadioGroup1").x(), half + 65);
    EXPECT_EQ(at(card(), "SpeedButton3").x(), half - 60);
    EXPECT_EQ(at(card(), "SpeedButton1").x(), half + 60);
    EXPECT_EQ(at(card(), "SpeedButton2").x(), half + 180);
}

TEST_F(ExamEntryTest, CardTypefaceHasEveryCharacterOfTheCard) {
    const QString text = CandidateCardWindow::cardLines().join("");
    const QString family = cardTypeface(text);
    QFont font(family);
    font.setPixelSize(19);
    const QRawFont face = QRawFont::fromFont(font);
    EXPECT_EQ(face.familyName(), family);
    for (char32_t c : text.toUcs4())
        EXPECT_TRUE(c == U' ' || face.supportsCharacter(c))
            << family.toStdString() << " lacks U+" << std::hex << uint32_t(c);
    if (QFontDatabase::families().contains("Noto Serif CJK SC")) {
        EXPECT_TRUE(family.contains("FangSong", Qt::CaseInsensitive) || family.contains("仿宋") ||
                    family == "Noto Serif CJK SC")
            << family.toStdString();
    }
}

TEST_F(ExamEntryTest, HiddenDemoButtonStillAnswers) {
    EXPECT_TRUE(child(card(), "SpeedButton3")->isHidden());
    trigger(card(), "SpeedButton3");
    EXPECT_EQ(messages.shown, QStringList{"该视频完善中~！！"});
}

TEST_F(ExamEntryTest, ButtonsAreAccessiblePushButtonsNamedByTheirFaces) {
    const std::pair<QWidget *, std::map<const char *, const char *>> windows[] = {
        {&settings(), {{"RzBitBtn1", "确 定"}, {"RzBitBtn2", "进 入"}}},
        {&login(), {{"RzBitBtn1", "登录考场"}, {"RzBitBtn2", "退出考场"}}},
        {&card(),
         {{"SpeedButton1", "重新登录"},
          {"SpeedButton2", "开始考试"},
          {"SpeedButton3", "观看演示"}}},
    };
    for (const auto &[window, buttons] : windows) {
        for (const auto &[name, face] : buttons) {
            QWidget *button = child(*window, name);
            ASSERT_NE(button, nullptr) << name;
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(button);
            ASSERT_NE(accessible, nullptr) << name;
            EXPECT_EQ(accessible->role(), QAccessible::Button) << name;
            EXPECT_EQ(accessible->text(QAccessible::Name), QString(face)) << name;
            EXPECT_EQ(window->findChild<QAction *>(name)->text(), QString(face)) << name;
        }
    }
}
