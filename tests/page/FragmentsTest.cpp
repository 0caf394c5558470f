#include "page/Fragments.h"

#include <gtest/gtest.h>

using namespace velkora;
namespace f = velkora::fragments;

namespace {
QuestionRow question(bool favourite) {
    QuestionRow q;
    q.id = 42;
    q.answer = "ACD";
    q.explanation = "因为<b>如此</b>";
    q.favourite = favourite;
    return q;
}
} // namespace

TEST(Fragments, HeadingGroupTextAndPicture) {
    EXPECT_EQ(f::heading("A1型题"), "&nbsp <b>A1型题</b>");
    EXPECT_EQ(f::groupText(5, "病例<i>x</i>"), "&nbsp5.病例<i>x</i>");
    EXPECT_EQ(f::picture("tupian/a.png"),
              "&nbsp<br><p> 如图所示：<img src=\"./tupian/a.png\"> </p> <br>");
    EXPECT_EQ(f::picture("a.png", false), "&nbsp<br><p> 如图所示：<img src=\"./a.png\"> </p> ");
}

TEST(Fragments, StemLines) {
    EXPECT_EQ(f::stem(42, 3, "题干"), "&nbsp <span  id ='fan42'>3. 题干</span>");
    EXPECT_EQ(f::caseStem(42, 5, 2, "题干"), "&nbsp <span  id ='fan42'>5.2. 题干</span>");
}

TEST(Fragments, SharedOptionListOffersAtMostFifteenLetters) {
    EXPECT_EQ(f::optionList(42, 3, "题干"),
              " <select name=\"cars\" id=\"a42\"> <option value=\"daan\" selected>答案 "
              "<option value=\"A\">A <option value=\"B\">B <option value=\"C\">C "
              "</select><span id ='fan42'>题干</span>");
    EXPECT_EQ(f::letterOptions(20), f::letterOptions(15));
    EXPECT_TRUE(f::letterOptions(15).endsWith("<option value=\"O\">O "));
    EXPECT_EQ(f::letterOptions(0), "");
    EXPECT_EQ(f::sharedOptionStem(7, 1, "L"), "&nbsp7.1. L");
    EXPECT_EQ(f::optionList(42, 1, "题干", false),
              " <select name=\"cars\" id=\"a42\"> <option value=\"daan\" selected>答案 "
              "<option value=\"A\">A </select>题干");
}

TEST(Fragments, OptionLinesDifferInTheBlanksBeforeName) {
    const OptionRow option{"77", 42, "B", "铅"};
    EXPECT_EQ(f::radioOption(option),
              " <input type=\"radio\" id=\"77\"  name=\"42\" value=\"B\">B:铅<br>");
    EXPECT_EQ(f::checkboxOption(option),
              " <input type=\"checkbox\" id=\"77\" name=\"42\" value=\"B\">B:铅<br>");
    EXPECT_EQ(f::checkboxOption(option, false),
              " <input type=\"checkbox\" id=\"77\" name=\"42\" value=\"B\">B:铅");
}

TEST(Fragments, AnswerBlockByFavouriteState) {
    const QString common =
        "<div  style=\"cursor:hand;\"><tr><td width=\"100%\"> <div align=\"right\" > <input "
        "id=\"xs42\" "
        "onclick=\"xsda(this,'ansnote42')\" name=\"torvanexsda\" type=\"button\" "
        "value=\"显示答案\"/>"
        "<input id=\"sc\"  onclick=\"scbt(this); window.location.href=('http://scbt42')\" "
        "name=\"torvanescbt\" type=\"button\" value=\"%1\"/>"
        "<input  name=\"torvanectfk\" onclick=\"window.location.href=('http://ctfk42')\" "
        "type=\"button\" value=\"错题反馈\" /> </div>"
        "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</div><div  class=\"Answer\" "
        "id=\"ansnote42\" "
        "value=\"ACD\" style=\"display:none\">正确答案：ACD "
        "答案解析：因为<b>如此</b></div></td></tr> ";
    EXPECT_EQ(f::answerBlock(question(false)), common.arg("收藏本题"));
    EXPECT_EQ(f::answerBlock(question(true)), common.arg("取消收藏"));
}

TEST(Fragments, VisibleAnswerOfThePreview) {
    EXPECT_EQ(f::visibleAnswer(question(false)),
              "<br> <br><div class=\"Answer\" id=\"ansnote42\" value=\"ACD\" style=\"display\">"
              "正确答案：ACD</div></td></tr><br><br> ");
}
