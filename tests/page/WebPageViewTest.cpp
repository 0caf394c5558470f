#include "page/WebPageView.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkora;

class WebPageViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        page = dir.filePath("yk.html");
        QFile::copy(VELKORA_PROGRAM_DIR "/yk.html", page);
        view.resize(800, 600);
        view.show();
    }
    QTemporaryDir dir;
    QString page;
    WebPageView view;
};

TEST_F(WebPageViewTest, AppendsFragmentsInOrderEachParsedOnItsOwn) {
    ASSERT_TRUE(view.load(page));
    // An unclosed tag in one fragment does not swallow the next one.
    ASSERT_TRUE(view.appendHtml({"<b>one", "two", "<span id='s'>\"quoted\" 'x' \\ </span>"}));
    EXPECT_EQ(view.evaluate("document.body.children.length").toInt(), 2);
    EXPECT_EQ(view.evaluate("document.body.children[0].textContent").toString(), "one");
    EXPECT_EQ(view.evaluate("document.body.lastChild.id").toString(), "s");
    EXPECT_EQ(view.evaluate("document.getElementById('s').textContent").toString(),
              "\"quoted\" 'x' \\ ");
}

TEST_F(WebPageViewTest, SnapshotsControlsAndColoursElements) {
    ASSERT_TRUE(view.load(page));
    view.appendHtml(
        {"<input type='checkbox' id='7' name='3' value='A' checked>",
         "<input type='radio' id='8' name='3' value='B'>",
         "<select id='a3'><option value='daan' selected>答案<option value='C'>C</select>",
         "<span id='fan3'>stem</span>"});
    const QList<ControlState> controls = view.controls();
    ASSERT_EQ(controls.size(), 3);
    EXPECT_EQ(controls[0].id, "7");
    EXPECT_TRUE(controls[0].checked);
    EXPECT_EQ(controls[0].value, "A");
    EXPECT_FALSE(controls[1].checked);
    EXPECT_EQ(controls[2].value, "daan");
    EXPECT_TRUE(view.setElementColor("fan3", "red"));
    EXPECT_EQ(view.evaluate("document.getElementById('fan3').style.color").toString(), "red");
    EXPECT_FALSE(view.setElementColor("fan999", "red"));
    EXPECT_TRUE(view.setBodyFontSize(17));
    EXPECT_EQ(view.evaluate("document.body.style.fontSize").toString(), "17px");
}

TEST_F(WebPageViewTest, AMissingFileFailsWithinTheBound) {
    view.setTimeout(3000);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(view.load(dir.filePath("missing.html")));
    EXPECT_LT(clock.elapsed(), 3500);
}

TEST_F(WebPageViewTest, RejectedNavigationsAreNotTakenForTheTemplatesLoad) {
    QStringList asked;
    bool armed = false;
    view.interceptingPage()->setNavigationFilter([&](const QUrl &url) {
        asked << url.toString();
        return !armed;
    });
    ASSERT_TRUE(view.load(page));
    armed = true;
    view.appendHtml({"<a id='l' href='http://scbt12'>x</a>"});
    view.evaluate("document.getElementById('l').click()");
    QElapsedTimer clock;
    clock.start();
    while (!asked.contains("http://scbt12/") && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(asked.contains("http://scbt12/"));
    // The page stays: the rejected navigation did not replace it.
    EXPECT_EQ(view.evaluate("document.getElementById('l') != null").toBool(), true);
    armed = false;
    EXPECT_TRUE(view.load(page));
    EXPECT_EQ(view.evaluate("document.body.children.length").toInt(), 0);
}
