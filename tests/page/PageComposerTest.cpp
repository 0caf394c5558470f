#include "page/PageComposer.h"
#include "page/FragmentRuns.h"
#include "page/Fragments.h"

#include <gtest/gtest.h>

using namespace velkora;
namespace f = velkora::fragments;

namespace {

int nextId = 100;

GroupContent group(int code, int questions, const QString &content = {}, int optionCount = 5) {
    GroupContent g;
    g.type = {code, QStringLiteral("类型%1").arg(code)};
    g.group.content = content;
    g.group.optionCount = optionCount;
    for (int i = 0; i < questions; ++i) {
        GroupContent::Item item;
        item.question.id = ++nextId;
        item.question.content = QStringLiteral("题%1").arg(nextId);
        item.question.answer = "A";
        if (code != 9) {
            for (const char *letter : {"A", "B"})
                item.options.append(
                    {QString::number(nextId * 10 + item.options.size()), nextId, letter, "x"});
        }
        g.items.append(item);
    }
    return g;
}

QStringList stems(const QStringList &fragments) {
    QStringList numbers;
    for (const QString &fr : fragments) {
        const int start = fr.indexOf("'>");
        if (fr.startsWith("&nbsp <span") && start > 0)
            numbers << fr.mid(start + 2, fr.indexOf(' ', start) - start - 2);
        else if (fr.startsWith("&nbsp") && fr.contains("<select"))
            numbers << fr.mid(5, fr.indexOf(' ') - 5);
    }
    return numbers;
}

} // namespace

TEST(PageComposer, SingleQuestionsAreHeadedAndNumberedOneByOne) {
    NumberingState numbering;
    PageComposer composer(numbering);
    composer.addGroup(group(1, 3));
    const QStringList out = composer.fragments();
    EXPECT_EQ(out.count(f::heading("类型1")), 1); // one group, one heading
    EXPECT_EQ(stems(out), (QStringList{"1.", "2.", "3."}));
    EXPECT_EQ(out.count("<hr>"), 3);
    EXPECT_EQ(numbering.questionNo, 4);
    EXPECT_TRUE(out.join("").contains("type=\"radio\""));
}

TEST(PageComposer, CaseGroupReachedAtFive) {
    NumberingState numbering;
    numbering.questionNo = 5;
    PageComposer composer(numbering);
    composer.addGroup(group(8, 3, "病例"));
    const QStringList out = composer.fragments();
    EXPECT_EQ(out.mid(0, 4),
              (QStringList{f::heading("类型8"), "<br><br>", "&nbsp5.病例", "<br><br>"}));
    EXPECT_EQ(stems(out), (QStringList{"5.1.", "5.2.", "5.3."}));
    EXPECT_EQ(numbering.questionNo, 6);
    EXPECT_TRUE(out.join("").contains("type=\"checkbox\""));
}

TEST(PageComposer, SharedOptionGroupReachedAtSeven) {
    NumberingState numbering;
    numbering.questionNo = 7;
    PageComposer composer(numbering);
    composer.addGroup(group(9, 3, "A．甲 B．乙", 4));
    const QStringList out = composer.fragments();
    EXPECT_EQ(out[2], "&nbsp7.A．甲 B．乙");
    EXPECT_EQ(stems(out), (QStringList{"7.1.", "7.2.", "7.3."}));
    EXPECT_EQ(out.count("<hr>"), 1);
    EXPECT_EQ(out.last(), "<hr>");
    EXPECT_EQ(numbering.questionNo, 8);
    EXPECT_TRUE(out.join("").contains("<option value=\"D\">D </select>"));
    EXPECT_FALSE(out.join("").contains("<option value=\"E\">"));
    EXPECT_FALSE(out.join("").contains("<input type=\"checkbox\""));
}

TEST(PageComposer, CaseAndSharedOptionHeadingsOncePerPage) {
    NumberingState numbering;
    PageComposer composer(numbering);
    composer.addGroup(group(8, 2, "病例一"));
    composer.addGroup(group(8, 2, "病例二"));
    composer.addGroup(group(9, 2, "选项一"));
    composer.addGroup(group(9, 2, "选项二"));
    const QStringList out = composer.fragments();
    EXPECT_EQ(out.count(f::heading("类型8")), 1);
    EXPECT_EQ(out.count(f::heading("类型9")), 1);
    EXPECT_EQ(stems(out),
              (QStringList{"1.1.", "1.2.", "2.1.", "2.2.", "3.1.", "3.2.", "4.1.", "4.2."}));
    EXPECT_TRUE(out.contains("&nbsp2.病例二"));
    EXPECT_TRUE(out.contains("&nbsp4.选项二"));
}

TEST(PageComposer, PicturesOnlyWhenNamedAndNeverForSharedOptions) {
    NumberingState numbering;
    PageComposer composer(numbering);
    GroupContent blanks = group(1, 2);
    blanks.items[0].question.picture = "   ";
    blanks.items[1].question.picture = " tupian/x.png ";
    composer.addGroup(blanks);
    GroupContent shared = group(9, 1);
    shared.items[0].question.picture = "y.png";
    composer.addGroup(shared);
    const QString page = composer.fragments().join("");
    EXPECT_EQ(page.count("如图所示"), 1);
    EXPECT_TRUE(page.contains("src=\"./ tupian/x.png \""));
}

TEST(PageComposer, EmptyGroupStillHeaded) {
    NumberingState numbering;
    PageComposer composer(numbering);
    composer.addGroup(group(4, 0));
    composer.addGroup(group(8, 0, "病例"));
    EXPECT_EQ(composer.fragments(),
              (QStringList{f::heading("类型4"), "<br><br>", f::heading("类型8"), "<br><br>",
                           "&nbsp1.病例", "<br><br>"}));
    EXPECT_EQ(numbering.questionNo, 1);
}

TEST(PageComposer, ReportPreviewOfACaseQuestion) {
    NumberingState numbering;
    PageComposer composer(numbering, PageStyle::ReportPreview);
    GroupContent g = group(8, 1, "病例");
    g.items[0].question.picture = "p.png";
    composer.addGroup(g);
    const QStringList out = composer.fragments();
    const int id = g.items[0].question.id;
    const QString o0 = g.items[0].options[0].id;
    EXPECT_EQ(
        out,
        (QStringList{f::heading("类型8"), "<br>", "&nbsp1.病例", "<br>", f::picture("p.png", false),
                     QString("&nbsp1.1. 题%1").arg(id), "<br>", "<br>",
                     QString("&nbsp <input type=\"checkbox\" id=\"%1\" name=\"%2\" value=\"A\">A:x")
                         .arg(o0)
                         .arg(id),
                     "<br>", out[10], f::visibleAnswer(g.items[0].question)}));
}

TEST(PageComposer, ReportPreviewOfASharedOptionQuestionHasNoSpanAndNoRule) {
    NumberingState numbering;
    PageComposer composer(numbering, PageStyle::ReportPreview);
    GroupContent g = group(9, 1, "选项", 2);
    composer.addGroup(g);
    const QString page = composer.fragments().join("");
    EXPECT_FALSE(page.contains("<span"));
    EXPECT_FALSE(page.contains("<hr>"));
    EXPECT_TRUE(page.contains(QString("</select>题%1").arg(g.items[0].question.id)));
}

TEST(PageComposer, APageOfEveryKindOfGroupGoesToThePageInOneParserRun) {
    NumberingState numbering;
    PageComposer composer(numbering);
    for (const int code : {1, 2, 8, 9})
        composer.addGroup(group(code, 2, "病例<b>一</b>"));
    EXPECT_EQ(joinIntoRuns(composer.fragments()), QStringList{composer.fragments().join("")});
}
