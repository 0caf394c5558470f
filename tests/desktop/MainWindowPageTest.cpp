// The whole program on a real X server: the page the learner works on stays
// when a window or message box over the main window goes away, however the
// window manager hands the focus back.
#include "DesktopRobot.h"

#include "app/Program.h"
#include "base/DataLocation.h"
#include "browse/MainWindow.h"
#include "page/WebPageView.h"
#include "support/TestBank.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace velkora;
using namespace velkora::test;

namespace {

class MainWindowPageTest : public ::testing::Test {
protected:
    MainWindowPageTest() {
        const QDir installed(QStringLiteral(VELKORA_PROGRAM_DIR));
        QFile::copy(installed.filePath("yk.html"), bank.folder() + "/yk.html");
        QDir(bank.folder()).mkpath("mv");
        for (const QString &picture : QDir(installed.filePath("mv")).entryList(QDir::Files))
            QFile::copy(installed.filePath("mv/" + picture), bank.folder() + "/mv/" + picture);
        bank.addStandardTypes();
        BankWriter &w = bank.writer();
        const RowId section = w.addNode("第一章", w.addNode("基础知识", 0, 1), 2);
        bank.addChoice(w.addGroup(w.addNode("第一节", section, 3), SingleA1), "第一节单选", "A");
        bank.addChoice(w.addGroup(w.addNode("第二节", section, 3), SingleA1), "第二节单选", "B");
    }

    QVariant js(const QString &script) {
        return window().findChild<WebPageView *>("WebBrowser1")->evaluate(script);
    }
    MainWindow &window() { return program->mainWindow(); }

    // The learner's page: the second chapter with option B ticked.
    bool pageKept() {
        return js("document.body.innerText").toString().contains("第二节单选") &&
               js("document.querySelector('input[value=\"B\"]').checked").toBool();
    }

    Robot::Step checkPageKept(const QString &after) {
        return {"check after " + after, settled(), [this, after] {
                    if (!pageKept())
                        failures << after;
                }};
    }

    TestBank bank;
    QTemporaryDir userData;
    std::unique_ptr<Program> program;
    QStringList failures;
};

} // namespace

TEST_F(MainWindowPageTest, ClosingAWindowOrBoxOverTheMainWindowKeepsThePage) {
    program = std::make_unique<Program>(DataLocation::resolve(
        ProgramFolder(bank.folder()), DataLocation::Access::Writable, userData.path()));
    program->start();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return js("document.body.innerText").toString().contains("第一节单选"); }, 15000));
    auto *tree = window().findChild<QTreeWidget *>("TreeView1");
    QTreeWidgetItem *second = tree->topLevelItem(0)->child(0)->child(1);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(second).center());
    js("document.querySelector('input[value=\"B\"]').checked=true");
    ASSERT_TRUE(pageKept());

    const auto command = [this](MainWindowCommand name) {
        return [this, name] { (window().commands().*name)->trigger(); };
    };
    Robot robot({
        {"statistics", [] { return true; }, command(&MainWindowCommands::studyStatistics)},
        {"close statistics", [] { return visibleWindow("StudyStatisticsWindow"); },
         [] { visibleWindow("StudyStatisticsWindow")->close(); }},
        checkPageKept("学习统计"),
        {"update check", [] { return true; }, command(&MainWindowCommands::updateCheck)},
        {"answer the update box", [] { return openBox(); }, [] { openBox()->accept(); }},
        checkPageKept("the update check's box"),
        {"restore", [] { return true; }, command(&MainWindowCommands::restore)},
        {"close restore", [] { return visibleWindow("TForm14"); },
         [] { visibleWindow("TForm14")->close(); }},
        checkPageKept("数据恢复"),
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return robot.finished(); }, 60000));
    EXPECT_EQ(robot.stuckAt().toStdString(), "");
    EXPECT_EQ(failures.join(", ").toStdString(), "");
}
