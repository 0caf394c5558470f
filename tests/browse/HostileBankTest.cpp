#include "support/MainWindowFixture.h"

#include <QAccessible>
#include <QDir>
#include <QImage>

using namespace velkora;
using namespace velkora::test;

namespace {

// Banks and program folders the program was not made with: hostile markup,
// large ids, pictures spelled otherwise, a damaged template, no pictures.
class HostileBank : public MainWindowFixture {
protected:
    void SetUp() override {
        QDir(bank.folder()).mkpath("tupian");
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        picture.save(bank.folder() + "/tupian/lung.png");
        BankWriter &w = bank.writer();
        const RowId part = w.addNode("基础知识", 0, 1);
        const RowId section = w.addNode("第一章", part, 2);
        chapter = w.addNode("第一节", section, 3);
        group = w.addGroup(chapter, SingleA1);
    }
    RowId chapter = 0, group = 0;
};

} // namespace

TEST_F(HostileBank, MarkupOfTheBankRunsNoScriptButItsPicturesShow) {
    bank.addChoice(group,
                   "<img src=x onerror=\"document.title='pwned';alert('x')\">"
                   "<script>document.title='script'</script>"
                   "<a href=\"javascript:document.title='link'\">链接</a>"
                   "<img id=lung src=\"./tupian/lung.png\"> 题干",
                   "A");
    start();
    ASSERT_TRUE(bodyText().contains("题干"));
    EXPECT_TRUE(waitUntil(
        [&] { return js("document.getElementById('lung').naturalWidth").toInt() == 40; }));
    EXPECT_NE(js("document.title").toString(), "pwned");
    EXPECT_NE(js("document.title").toString(), "script");
    EXPECT_EQ(count("[onerror]"), 0);
    EXPECT_EQ(count("body script"), 0);
    // The page's own buttons keep working.
    EXPECT_EQ(count("input[name=torvanexsda][onclick]"), 1);
    // Page scripts may not read the machine's files.
    const QVariant read = js("(function(){try{var r=new XMLHttpRequest();"
                             "r.open('GET','file:///etc/hostname',false);r.send();"
                             "return r.responseText.length;}catch(e){return -1;}})()");
    EXPECT_LE(read.toInt(), 0);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(HostileBank, IdsPast32BitsWorkForFavourites) {
    const RowId big = 5000000001LL;
    bank.writer().addQuestion(group, "大编号", "A", "解析", {"甲", "乙"});
    bank.exec(QString("UPDATE opinion SET questionid=%1 WHERE questionid=(SELECT max(id) FROM "
                      "question)")
                  .arg(big));
    bank.exec(
        QString("UPDATE question SET id=%1 WHERE id=(SELECT max(id) FROM question)").arg(big));
    start();
    js("document.getElementsByName('torvanescbt')[0].click()");
    ASSERT_TRUE(waitUntil([&] { return !messages.shown.isEmpty(); }));
    EXPECT_EQ(messages.shown.last(), "收藏成功！");
    EXPECT_EQ(bank.scalar(QString("SELECT scbt FROM question WHERE id=%1").arg(big)), "1");
}

TEST_F(HostileBank, APictureSpelledOtherwiseIsFound) {
    const RowId q = bank.addChoice(group, "看图", "A");
    bank.exec(QString("UPDATE question SET picurl='Tupian/LUNG.PNG' WHERE id=%1").arg(q));
    start();
    EXPECT_TRUE(bodyHtml().contains("./tupian/lung.png"));
    EXPECT_TRUE(waitUntil([&] { return js("document.images[0].naturalWidth").toInt() == 40; }));
}

TEST_F(HostileBank, ADamagedTemplateIsToldOnce) {
    bank.addChoice(group, "题一", "A");
    QFile page(bank.folder() + "/yk.html");
    ASSERT_TRUE(page.open(QIODevice::WriteOnly | QIODevice::Truncate));
    page.write("<html><body></body></html>");
    page.close();
    start();
    clickNode(2);
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown.value(0).contains("已损坏"));
    EXPECT_TRUE(bodyText().contains("题一")); // the questions still show
}

TEST_F(HostileBank, WithoutPicturesEveryButtonShowsItsTextAndWorks) {
    bank.addChoice(group, "题一", "A");
    start(); // the test's program folder has no mv/ pictures
    for (const MainWindowCommand command :
         {&MainWindowCommands::chapterPractice, &MainWindowCommands::favourites,
          &MainWindowCommands::exit, &MainWindowCommands::minimise,
          &MainWindowCommands::showAnswers}) {
        const char *name = designerName(command);
        PictureButton *b = button(command);
        ASSERT_NE(b, nullptr);
        EXPECT_TRUE(b->shownPicture().isEmpty()) << name;
        EXPECT_GT(b->width(), 20) << name;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(b);
        ASSERT_NE(accessible, nullptr);
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty()) << name;
    }
    messages.answers = {false};
    button(&MainWindowCommands::exit)->click();
    EXPECT_EQ(messages.shown.last(), "确定退出系统？");
}
