#pragma once

#include "app/ProgramCommands.h"
#include "base/AppConfig.h"
#include "base/ProgramFolder.h"
#include "browse/ChapterBrowser.h"
#include "browse/ChapterTreePanel.h"
#include "browse/MainWindow.h"
#include "browse/PageToolbar.h"
#include "chrome/MainWindowCommands.h"
#include "chrome/PictureButton.h"
#include "page/WebPageView.h"
#include "support/RecordingMessages.h"
#include "support/TestBank.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace velkora::test {

// The main window over a bank of the test's own, in a program folder that
// holds the real page template, with its commands wired to the program's
// parts as at start-up. Tests reach the window's parts by their designer
// names and run its commands as their buttons do.
class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture() {
        bank.addStandardTypes();
        QFile::copy(QStringLiteral(VELKORA_PROGRAM_DIR "/yk.html"), bank.folder() + "/yk.html");
        folder = std::make_unique<ProgramFolder>(bank.folder());
    }

    // Creates the window and shows it with its first chapter, as start-up does.
    MainWindow &start() {
        window = std::make_unique<MainWindow>(*folder, bank.connection(), messages);
        // Bounded waits: a page that does not come fails the test, yet a
        // machine busy with other work still loads its pages in time.
        pageView()->setTimeout(15000);
        commands = std::make_unique<ProgramCommands>(*window, *folder, bank.connection(), config,
                                                     messages);
        window->start();
        return *window;
    }

    template <typename Part> Part *part(const char *designerName) const {
        auto *found = window->findChild<Part *>(QLatin1String(designerName));
        EXPECT_NE(found, nullptr) << designerName;
        return found;
    }
    WebPageView *pageView() const { return part<WebPageView>("WebBrowser1"); }
    ChapterTreePanel *treePanel() const { return part<ChapterTreePanel>("Panel2"); }
    QTreeWidget *tree() const { return part<QTreeWidget>("TreeView1"); }
    PageToolbar *pageToolbar() const { return part<PageToolbar>("Panel4"); }
    QString statusText(int panel) const {
        return part<QLabel>(qPrintable(QStringLiteral("StatusPanel%1").arg(panel)))->text();
    }
    ChapterBrowser &browser() const { return dynamic_cast<ChapterBrowser &>(window->browseHost()); }
    const BrowseSession &session() const { return browser().session(); }

    QVariant js(const QString &script) const { return pageView()->evaluate(script); }
    QString bodyText() const { return js("document.body.innerText").toString(); }
    QString bodyContent() const { return js("document.body.textContent").toString(); }
    QString bodyHtml() const { return js("document.body.innerHTML").toString(); }
    int count(const QString &selector) const {
        return js(QString("document.querySelectorAll(\"%1\").length").arg(selector)).toInt();
    }
    // The button of a command; the test fails when there is none.
    PictureButton *button(MainWindowCommand command) const {
        return part<PictureButton>(designerName(command));
    }
    // Runs a command, as its button does.
    void trigger(MainWindowCommand command) const { (window->commands().*command)->trigger(); }
    // Pumps events until `done` holds or the time is up.
    static bool waitUntil(const std::function<bool()> &done, int milliseconds = 15000) {
        return QTest::qWaitFor(done, milliseconds);
    }
    QTreeWidgetItem *nodeAt(int position) const { return treePanel()->nodeAt(position); }
    // A click on the node at a depth-first position of the tree.
    void clickNode(int position) {
        QTreeWidgetItem *node = nodeAt(position);
        ASSERT_NE(node, nullptr);
        tree()->scrollToItem(node);
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {},
                          tree()->visualItemRect(node).center());
    }

    TestBank bank;
    RecordingMessages messages;
    AppConfig config;
    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<ProgramCommands> commands;
};

} // namespace velkora::test
