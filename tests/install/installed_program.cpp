// The installed program, started twice by install_test.sh: the first start
// keeps a favourite, the second finds it again. The window is made as
// main() makes it, on the program folder named by VELKORA_INSTALLED_DIR,
// with the learner's files where DataLocation puts them.
#include "base/DataLocation.h"
#include "browse/MainWindow.h"
#include "page/WebPageView.h"
#include "store/BankConnection.h"
#include "support/RecordingMessages.h"

#include <QAction>
#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace velkora;

namespace {

DataLocation installedData() {
    QCoreApplication::setApplicationName(QStringLiteral("Velkora"));
    return DataLocation::ofApplication(
        ProgramFolder(qEnvironmentVariable("VELKORA_INSTALLED_DIR")));
}

class InstalledProgram : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(data.problem().isEmpty()) << data.problem().toStdString();
        ASSERT_NE(data.folder().learnerDir(), data.folder().dir()) << "program folder writable";
        pageView()->setTimeout(10000);
        window.start();
        ASSERT_TRUE(window.bankOpened()) << bank.problem().toStdString();
    }
    WebPageView *pageView() const { return window.findChild<WebPageView *>("WebBrowser1"); }
    int count(const QString &script) const { return pageView()->evaluate(script).toInt(); }
    bool waitUntil(const std::function<bool()> &done) { return QTest::qWaitFor(done, 10000); }

    const DataLocation data = installedData();
    BankConnection bank{data.folder().bankPath()};
    test::RecordingMessages messages;
    MainWindow window{data.folder(), bank, messages};
};

const QString favouriteButtons = QStringLiteral("document.getElementsByName('torvanescbt').length");
const QString keptFavourites = QStringLiteral("[...document.getElementsByName('torvanescbt')]"
                                              ".filter(b => b.value === '取消收藏').length");

} // namespace

TEST_F(InstalledProgram, FirstStartKeepsAFavourite) {
    // Start-up shows the first chapter.
    ASSERT_TRUE(waitUntil([&] { return count(favouriteButtons) > 0; }));
    ASSERT_EQ(count(keptFavourites), 0);
    pageView()->evaluate(QStringLiteral("document.getElementsByName('torvanescbt')[0].click()"));
    ASSERT_TRUE(waitUntil([&] { return !messages.shown.isEmpty(); }));
    EXPECT_EQ(messages.shown.last(), "收藏成功！");
}

TEST_F(InstalledProgram, TheFavouriteIsThereOnTheNextStart) {
    window.commands().favourites->trigger();
    EXPECT_TRUE(waitUntil([&] { return count(keptFavourites) == 1; }));
    EXPECT_EQ(count(favouriteButtons), 1);
}
