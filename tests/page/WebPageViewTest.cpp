#include "page/WebPageView.h"

#include "page/Fragments.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
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

TEST_F(WebPageViewTest, FragmentsGoInTogetherOnlyWhereTheyParseAsTheyWouldOneByOne) {
    OptionRow option{"71", 7, "A", "甲<sub>2</sub>"};
    QuestionRow question;
    question.id = 7;
    question.answer = "A";
    question.explanation = "见<i>教材</i>";
    const QStringList fragments = {
        fragments::stem(7, 1, "题<b>干</b>"), fragments::lineBreak,
        fragments::space + fragments::radioOption(option), fragments::answerBlock(question),
        fragments::optionList(8, 3, "共用"), fragments::rule,
        // Bank texts that leave the parser elsewhere than they found it.
        "<b>open", "after", "<p>a<div>b</div>c</p>", "<!-- unended", "<span>x</span>", "-->", "&no",
        "t;", "<table><tr><td>cell", "beside", "<select><option>A", "<option>B</select>",
        "<b><i>mis</b></i>", "<u>next</u>", "<div title='a>b'>q</div>", "<a href='#'>link",
        "</a>tail", "<SPAN>upper</span>", "<img src='x.png' alt=\"<b>\">", "<"};
    const auto body = [&](const QList<QStringList> &calls) {
        view.load(page);
        for (const QStringList &call : calls)
            view.appendHtml(call);
        return view.evaluate("document.body.innerHTML").toString();
    };
    QList<QStringList> oneByOne;
    for (const QString &fragment : fragments)
        oneByOne.append({fragment});
    EXPECT_EQ(body({fragments}), body(oneByOne));
}

// Questions of one option each, long enough that the first of them are
// painted before the others go in.
QStringList longPage(int questions) {
    QStringList fragments;
    for (int i = 1; i <= questions; ++i) {
        fragments << fragments::stem(i, i, QStringLiteral("题%1").arg(i))
                  << fragments::radioOption({QString::number(i), i, "A", "甲"}) << fragments::rule;
    }
    return fragments;
}

TEST_F(WebPageViewTest, QuestionsFarBelowTheScreenAreThereForEveryCommandAndForCopying) {
    ASSERT_TRUE(view.load(page));
    ASSERT_TRUE(view.appendHtml(longPage(250)));
    EXPECT_EQ(view.controls().size(), 250);
    EXPECT_TRUE(view.setElementColor("fan250", "red"));
    EXPECT_TRUE(
        view.evaluate("getSelection().selectAllChildren(document.body),getSelection().toString()")
            .toString()
            .contains("250. 题250"));
}

TEST_F(WebPageViewTest, APageLoadedWhileALongPageGoesInGetsNoneOfIt) {
    ASSERT_TRUE(view.load(page));
    QTimer::singleShot(0, &view, [&] { view.load(page); });
    EXPECT_FALSE(view.appendHtml(longPage(250)));
    EXPECT_EQ(view.controls().size(), 0);
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

TEST_F(WebPageViewTest, ANavigationRefusedJustBeforeALoadIsNotThatLoadsEnd) {
    view.interceptingPage()->setNavigationFilter(
        [this](const QUrl &url) { return url == QUrl::fromLocalFile(page); });
    for (int round = 0; round < 60; ++round) {
        ASSERT_TRUE(view.load(page));
        ASSERT_TRUE(view.appendHtml({"<i id='old'>old</i>"}));
        view.evaluate("window.location.href='http://scbt1'");
        ASSERT_TRUE(view.load(page)) << "round " << round;
        EXPECT_EQ(view.evaluate("document.getElementById('old')===null").toBool(), true)
            << "round " << round;
    }
}
