#include "booklet/BookletComposer.h"
#include "booklet/BookletContent.h"
#include "booklet/BookletFile.h"
#include "store/BankQueries.h"
#include "support/TestBank.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkora;
using namespace velkora::test;

// Two chapters: the first with single choices and a case of three
// questions, the second (a section further on) with a shared-option group
// and a question with a picture (a type that sorts before it).
class BookletTest : public ::testing::Test {
protected:
    void SetUp() override {
        bank.addStandardTypes();
        BankWriter &w = bank.writer();
        first = bank.addChapterPath();
        const int section =
            bank.scalar(QString("SELECT parentid FROM tree WHERE id=%1").arg(first)).toInt();
        const int part =
            bank.scalar(QString("SELECT parentid FROM tree WHERE id=%1").arg(section)).toInt();
        const RowId laterSection = w.addNode("第二章", part, 2);
        second = w.addNode("第一节 噪声", laterSection, 3);

        const RowId singles = w.addGroup(first, SingleA1);
        for (int i = 1; i <= 3; ++i)
            singleIds << bank.addChoice(singles, QString("单选%1").arg(i), "A");
        const RowId caseGroup = w.addGroup(first, Case, "男，45岁，<i>矽肺</i>病例");
        for (int i = 1; i <= 3; ++i)
            caseIds << bank.addChoice(caseGroup, QString("案例问%1").arg(i), "AB");
        const RowId shared = w.addGroup(second, SharedOptions, "A．甲 B．乙 C．丙", 3);
        for (int i = 1; i <= 2; ++i)
            sharedIds << w.addQuestion(shared, QString("配伍%1").arg(i), "B", "配伍解析");
        const RowId pictured = w.addGroup(second, SingleA2);
        pictureId = w.addQuestion(pictured, "看图<b>判断</b>", "C", "解析 & 说明", {"一", "二"},
                                  "tupian/x \"1\".png");
    }

    BookletContent read(const QList<RowId> &ids) const {
        return readBookletContent(BankQueries(bank.db()), ids);
    }
    static QString compose(const BookletContent &content, AnswerPlacement placement,
                           const QString &subject = "职业病") {
        BookletComposer composer({subject, "收藏试题", QDate(2026, 12, 9)}, placement,
                                 QUrl::fromLocalFile("/program/"));
        return composer.compose(content);
    }
    static int numbered(const QString &html) { return int(html.count("<span class=\"number\">")); }

    TestBank bank;
    RowId first = 0, second = 0, pictureId = 0;
    QList<RowId> singleIds, caseIds, sharedIds;
};

TEST_F(BookletTest, ViewQuestionsComeInTreeOrderAndOnlyFlagged) {
    // Flagged in an order of their own, listed in the tree's.
    for (RowId id : {pictureId, caseIds[1], singleIds[2], sharedIds[0]})
        bank.exec(QString("UPDATE question SET ct='1' WHERE id=%1").arg(id));
    const QList<RowId> ids = viewQuestions(BankQueries(bank.db()), ViewMode::WrongQuestions);
    EXPECT_EQ(ids, (QList<RowId>{singleIds[2], caseIds[1], pictureId, sharedIds[0]}));
    EXPECT_TRUE(viewQuestions(BankQueries(bank.db()), ViewMode::Favourites).isEmpty());
}

TEST_F(BookletTest, GroupsComeOutWholeUnderTheirChapterPath) {
    const BookletContent content = read({singleIds[1], caseIds[2], sharedIds[1], 99999});
    ASSERT_TRUE(content.complete);
    ASSERT_EQ(content.chapters.size(), 2);
    EXPECT_EQ(content.chapters[0].path, "基础知识 › 第一章 › 第一节");
    EXPECT_EQ(content.chapters[1].path, "基础知识 › 第二章 › 第一节 噪声");
    // Of the single choices only the one listed; the case and the
    // shared-option group with all their questions.
    ASSERT_EQ(content.chapters[0].groups.size(), 2);
    EXPECT_EQ(content.chapters[0].groups[0].items.size(), 1);
    EXPECT_EQ(content.chapters[0].groups[1].items.size(), 3);
    EXPECT_EQ(content.chapters[1].groups[0].items.size(), 2);
    EXPECT_EQ(content.questionCount(), 6);
}

TEST_F(BookletTest, QuestionsAreNumberedThroughAndAnswersFollowAtTheEnd) {
    const QString html =
        compose(read(viewQuestions(BankQueries(bank.db()), ViewMode::ChapterPractice)),
                AnswerPlacement::AtEnd);
    EXPECT_TRUE(html.contains("<h1>职业病</h1><p class=\"subtitle\">收藏试题</p>"));
    EXPECT_TRUE(html.contains("2026-12-09　共 9 题"));
    EXPECT_LT(html.indexOf("第一章 › 第一节"), html.indexOf("第二章 › 第一节 噪声"));
    EXPECT_TRUE(html.contains("（第 4～6 题共用题干）</div>男，45岁，<i>矽肺</i>病例"));
    EXPECT_TRUE(html.contains("（第 8～9 题共用备选答案）</div>A．甲 B．乙 C．丙"));
    EXPECT_TRUE(html.contains("<span class=\"number\">6.</span> 案例问3"));
    EXPECT_TRUE(html.contains("<span class=\"number\">7.</span> 看图<b>判断</b>"));

    const qsizetype keys = html.indexOf("<h2>答案与解析</h2>");
    ASSERT_GT(keys, html.indexOf("看图"));
    const QString answers = html.mid(keys);
    EXPECT_EQ(numbered(answers), 9);
    EXPECT_TRUE(answers.contains("<span class=\"number\">8.</span> 答案：B　解析：配伍解析"));
    EXPECT_TRUE(answers.contains("7.</span> 答案：C　解析：解析 & 说明"));
    EXPECT_EQ(numbered(html), 18);
}

TEST_F(BookletTest, AnswersAfterEachQuestionStayWithIt) {
    const QString html =
        compose(read({pictureId, singleIds[0]}), AnswerPlacement::AfterEachQuestion);
    EXPECT_FALSE(html.contains("答案与解析"));
    EXPECT_EQ(numbered(html), 2);
    // Listed order decides: the picture's chapter first.
    const QRegularExpression question("<div class=\"question\">(.*?)</div></div>");
    QStringList questions;
    for (const QRegularExpressionMatch &m : question.globalMatch(html))
        questions << m.captured(1);
    ASSERT_EQ(questions.size(), 2);
    EXPECT_TRUE(questions[0].contains("1.</span> 看图"));
    EXPECT_TRUE(questions[0].contains("答案：C"));
    EXPECT_TRUE(questions[1].contains("2.</span> 单选1"));
    EXPECT_TRUE(questions[1].contains("答案：A"));
}

TEST_F(BookletTest, TheProgramsOwnTextsAreEscapedAndNoControlsArePrinted) {
    bank.exec(QString("UPDATE tree SET nodename='噪声 & <振动>' WHERE id=%1").arg(second));
    const QString html = compose(read({pictureId}), AnswerPlacement::AtEnd, "<内科>");
    EXPECT_TRUE(html.contains("<h1>&lt;内科&gt;</h1>"));
    EXPECT_TRUE(html.contains("第二章 › 噪声 &amp; &lt;振动&gt;</h2>"));
    EXPECT_TRUE(html.contains("<base href=\"file:///program/\">"));
    EXPECT_TRUE(html.contains("<img src=\"tupian/x &quot;1&quot;.png\""));
    for (const char *control : {"<input", "<select", "收藏本题", "错题反馈", "onclick"})
        EXPECT_FALSE(html.contains(control)) << control;
    EXPECT_TRUE(compose(read({}), AnswerPlacement::AtEnd, "").contains("<h1>Velkora 试题</h1>"));
}

TEST(BookletFileTest, NamesAndWritesTheFileWhole) {
    EXPECT_EQ(suggestedBookletName("错题题库", QDate(2026, 12, 9)), "错题题库-2026-12-09.pdf");
    EXPECT_EQ(suggestedBookletName("搜索: a/b", QDate(2026, 1, 2)), "搜索_ a_b-2026-01-02.pdf");

    QTemporaryDir dir;
    const QString path = dir.filePath("题.pdf");
    EXPECT_FALSE(writeBookletFile(path, "%PDF-old"));
    EXPECT_FALSE(writeBookletFile(path, "%PDF-new"));
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), "%PDF-new");

    const QString nowhere = dir.filePath("no-such-folder/题.pdf");
    EXPECT_TRUE(writeBookletFile(nowhere, "%PDF"));
    EXPECT_FALSE(QFile::exists(nowhere));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"题.pdf"});
}
