#pragma once

#include "base/AppConfig.h"
#include "base/ProgramFolder.h"
#include "app/ProgramState.h"
#include "browse/MainWindow.h"
#include "browse/PageToolbar.h"
#include "chrome/MainToolbar.h"
#include "chrome/TitleStrip.h"
#include "page/WebPageView.h"
#include "support/RecordingMessages.h"
#include "support/TestBank.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace velkora::test {

// A main window over a bank of the test's own, in a program folder that
// holds the real page template.
class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture() {
        bank.addStandardTypes();
        QFile::copy(QStringLiteral(VELKORA_PROGRAM_DIR "/yk.html"), bank.folder() + "/yk.html");
        folder = std::make_unique<ProgramFolder>(bank.folder());
    }

    // Creates, shows and activates the window, as start-up does.
    MainWindow &start() {
        window =
            std::make_unique<MainWindow>(*folder, bank.connection(), program, config, messages);
        // Bounded waits: a page that does not come fails the test, yet a
        // machine busy with other work still loads its pages in time.
        window->pageView()->setTimeout(15000);
        window->refreshTree();
        window->show();
        window->activate();
        return *window;
    }

    QVariant js(const QString &script) const { return window->pageView()->evaluate(script); }
    QString bodyText() const { return js("document.body.innerText").toString(); }
    QString bodyContent() const { return js("document.body.textContent").toString(); }
    QString bodyHtml() const { return js("document.body.innerHTML").toString(); }
    int count(const QString &selector) const {
        return js(QString("document.querySelectorAll(\"%1\").length").arg(selector)).toInt();
    }
    // Pumps events until `done` holds or the time is up.
    // The button of a designer name; the test fails when there is none.
    PictureButton *button(const char *name) const {
        auto *b = window->findChild<PictureButton *>(name);
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    // Runs the command of a designer name, as its button does.
    void trigger(const char *name) const {
        auto *action = window->findChild<QAction *>(name);
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
    }
    static bool waitUntil(const std::function<bool()> &done, int milliseconds = 5000) {
        return QTest::qWaitFor(done, milliseconds);
    }
    void clickNode(int position) {
        QTreeWidgetItem *node = window->nodeAt(position);
        ASSERT_NE(node, nullptr);
        window->tree()->setCurrentItem(node);
        window->showSelectedNode();
    }

    TestBank bank;
    RecordingMessages messages;
    ProgramState program;
    AppConfig config;
    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<MainWindow> window;
};

} // namespace velkora::test
