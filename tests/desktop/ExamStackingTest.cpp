// The exam chain on a real X server: settings, login, candidate card, exam
// window and every message box over them, each above the window that opened
// it, with the focus coming back to the exam window after each box.
#include "DesktopRobot.h"
#include "DesktopStacking.h"
#include "exam/ExamBank.h"

#include "app/DialogMessages.h"
#include "base/ProgramFolder.h"
#include "exam/paper/ExamClass.h"
#include "exam/session/ExamCountdown.h"
#include "exam/windows/CandidateCardWindow.h"
#include "exam/windows/ExamEntryWindow.h"
#include "exam/windows/ExamLoginWindow.h"
#include "exam/windows/ExamSettingsWindow.h"
#include "exam/windows/ExamWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

using namespace velkora;
using namespace velkora::test;

namespace {

class ExamOnDesktopTest : public ::testing::Test {
protected:
    ExamOnDesktopTest() {
        const QDir program(QStringLiteral(VELKORA_PROGRAM_DIR));
        QFile::copy(program.filePath("yk.html"), bank.folder() + "/yk.html");
        QDir(bank.folder()).mkpath("mv");
        for (const QString &picture : QDir(program.filePath("mv")).entryList({"exam-*"}))
            QFile::copy(program.filePath("mv/" + picture), bank.folder() + "/mv/" + picture);
        bank.addQuestions(SingleA1, 3);
        bank.addQuestions(Multi6, 2);
        bank.setCounts({3, 2, 0, 0});

        mainWindow.setWindowTitle("Velkora");
        mainWindow.resize(1024, 700);
        mainWindow.show();
        messages.setParent(&mainWindow);
        entry = std::make_unique<ExamEntry>(
            bank.connection(), messages, [this](const QString &name) { return folder.path(name); },
            &mainWindow);
        entry->setExamStarter([this](TitleLevel level, QWidget *card) {
            ++examsStarted;
            ExamWindow exam(bank.connection(), messages, folder, random, new TimerTicker,
                            {level, examRunningMark, &mainWindow, {}}, card);
            exam.exec();
        });
    }

    // A step that answers the box showing `text` (any box for an empty one),
    // once it has stood for a moment: while it is up, it stands above the
    // exam window, and the exam window above the card.
    Robot::Step answerBox(const QString &text = {}) {
        auto since = std::make_shared<QElapsedTimer>();
        const auto stackedRight = [] {
            QWidget *exam = visibleWindow("TForm4");
            QWidget *card = visibleWindow("TForm3");
            const DesktopStacking stacking = DesktopStacking::read();
            return !exam || !card ||
                   (stacking.above(openBox(), exam) && stacking.above(exam, card));
        };
        return {QStringLiteral("box ") + text,
                [text, since, stackedRight] {
                    if (!openBox() || !(text.isEmpty() || openBox()->text() == text))
                        return false;
                    if (!since->isValid())
                        since->start();
                    // A busy machine may take its time to stack the windows.
                    return since->elapsed() >= settleMs &&
                           (stackedRight() || since->elapsed() >= stackingPatienceMs);
                },
                [this, text, stackedRight] {
                    if (!stackedRight())
                        failures << "box " + text + ": not stacked box, exam window, card";
                    openBox()->accept();
                }};
    }

    // A step that waits for the window manager, then records whether the
    // exam window stands above the card and the login and has the focus.
    Robot::Step checkExamInFront(const QString &after) {
        // What is wrong with the chain's windows now; empty when nothing is.
        const auto problem = []() -> QString {
            QWidget *exam = visibleWindow("TForm4");
            QWidget *card = visibleWindow("TForm3");
            QWidget *login = visibleWindow("TForm2");
            if (!exam || !card || !login)
                return QStringLiteral("a window of the chain is gone");
            const DesktopStacking stacking = DesktopStacking::read();
            if (!stacking.above(exam, card) || !stacking.above(card, login))
                return QStringLiteral("the exam window is not above the card and login");
            if (!stacking.isActive(exam))
                return QStringLiteral("the exam window does not have the focus");
            return {};
        };
        auto since = std::make_shared<QElapsedTimer>();
        return {QStringLiteral("check after ") + after,
                [settledNow = settled(), since, problem] {
                    if (!settledNow())
                        return false;
                    if (!since->isValid())
                        since->start();
                    return problem().isEmpty() || since->elapsed() >= stackingPatienceMs;
                },
                [this, after, problem] {
                    if (const QString found = problem(); !found.isEmpty())
                        failures << after + ": " + found;
                }};
    }

    ExamBank bank;
    ProgramFolder folder{bank.folder()};
    DialogMessages messages;
    SeededRandom random{7};
    QWidget mainWindow;
    std::unique_ptr<ExamEntry> entry;
    bool examRunningMark = false;
    int examsStarted = 0;
    QStringList failures;
};

} // namespace

TEST_F(ExamOnDesktopTest, TheExamWindowStaysInFrontOfTheCardAfterEveryBox) {
    Robot robot({
        {"settings", [] { return visibleWindow("TForm6"); },
         [] { trigger("TForm6", "RzBitBtn2"); }},
        {"login", [] { return visibleWindow("TForm2"); }, [] { trigger("TForm2", "RzBitBtn1"); }},
        {"card", [] { return visibleWindow("TForm3"); }, [] { trigger("TForm3", "SpeedButton2"); }},
        answerBox(), // the paper description
        answerBox(firstEntryNotice(ExamClass::Single)),
        checkExamInFront("the first notice"),
        // The type rule: a multiple-choice number while single choice is open.
        {"sheet",
         [] {
             QWidget *exam = visibleWindow("TForm4");
             return exam && exam->findChild<QPushButton *>("a4");
         },
         [] { visibleWindow("TForm4")->findChild<QPushButton *>("a4")->click(); }},
        answerBox("请答完您所答的题型，才允许做您选择的题型"),
        checkExamInFront("the type rule"),
        // The card's "开始考试" cannot start a second exam over the first.
        {"second start", [] { return true; }, [] { trigger("TForm3", "SpeedButton2"); }},
        {"submit", [] { return !openBox(); }, [] { trigger("TForm4", "BitBtn5"); },
         Robot::Act::Finishes},
        {"next after submission", [] { return true; }, [] { trigger("TForm4", "BitBtn2"); }},
        answerBox("您已经交卷，不能进行\"下一题\"的操作！"),
        checkExamInFront("the submitted notice"),
        {"close", [] { return true; }, [] { visibleWindow("TForm4")->close(); }},
    });
    entry->run(examRunningMark);

    EXPECT_TRUE(robot.finished());
    EXPECT_EQ(robot.stuckAt().toStdString(), "");
    EXPECT_EQ(failures.join('\n').toStdString(), "");
    EXPECT_EQ(examsStarted, 1);
    EXPECT_EQ(visibleCount("TForm3") + visibleCount("TForm2"), 0)
        << "closing the exam closes the card and the login";
}
