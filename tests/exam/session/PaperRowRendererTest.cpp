#include "exam/session/PaperRowRenderer.h"
#include "exam/ExamBank.h"
#include "exam/paper/PaperAssembly.h"
#include "support/FakePageView.h"

using namespace velkora;
using namespace velkora::test;

namespace {

class PaperRowRendererTest : public ::testing::Test {
protected:
    PaperRow drawOnly(const QList<int> &counts) {
        bank.setCounts(counts);
        ScriptedRandom random;
        PaperAssembly(bank.db(), random).assemble();
        return queries().rows().constFirst();
    }
    PaperQueries queries() const { return PaperQueries(bank.db()); }
    QString optionId(const QString &questionId, const QString &letter) const {
        return bank.scalar(QString("SELECT id FROM opinion WHERE questionid=%1 AND code='%2'")
                               .arg(questionId, letter));
    }
    bool render(const PaperRow &row, RowVariant variant) { return renderer.render(row, variant); }

    ExamBank bank;
    FakePageView view;
    PaperRowRenderer renderer{view, queries(), "yk.html"};
};

} // namespace

TEST_F(PaperRowRendererTest, SingleChoiceFirstPageWithPictureAndStoredAnswer) {
    const int group = bank.writer().addGroup(1, SingleA1);
    bank.writer().addQuestion(group, "题干", "B", {}, {"甲", "乙"}, "tupian/x.jpg");
    PaperRow row = drawOnly({1, 0, 0, 0});
    row.given = "B";
    const QString a = optionId(row.sourceId, "A"), b = optionId(row.sourceId, "B");

    ASSERT_TRUE(render(row, RowVariant::FirstPage));

    EXPECT_EQ(view.loaded, "yk.html");
    const QString input =
        " <input type=\"radio\" id=\"%1\"  name=\"" + row.sourceId + "\" value=\"%2\">%2:%3<br>";
    EXPECT_EQ(view.appended,
              (QStringList{"&nbsp<br><p> 如图所示：<img src=\"./tupian/x.jpg\"> </p> <br>",
                           "<br>1.题干<br>", "<br>", input.arg(a, "A", "甲"), "<br>", "<br>",
                           input.arg(b, "B", "乙"), "<br>"}));
    ASSERT_EQ(view.preset.size(), 1);
    EXPECT_EQ(view.preset[0].checkedIds, QStringList{b});
    // What a letter key selects is known without asking the page.
    EXPECT_EQ(renderer.optionsForLetter("A"), QStringList{a});
    EXPECT_EQ(renderer.optionsForLetter("B"), QStringList{b});
    EXPECT_TRUE(renderer.optionsForLetter("C").isEmpty());
}

TEST_F(PaperRowRendererTest, JumpAndReviewDropThePictureAndReviewAddsTheAnswer) {
    const int group = bank.writer().addGroup(1, MultiX);
    bank.writer().addQuestion(group, "多选", "ACD", {}, {"甲", "乙", "丙", "丁"}, "p.png");
    PaperRow row = drawOnly({0, 1, 0, 0});
    row.given = "AD";

    render(row, RowVariant::Jump);
    EXPECT_EQ(view.appended.size(), 13);
    EXPECT_TRUE(view.appended[2].startsWith(" <input type=\"checkbox\""));
    EXPECT_EQ(view.preset[0].checkedIds.size(), 2);
    EXPECT_TRUE(renderer.optionsForLetter("A").isEmpty()) << "letter keys answer single choice";

    render(row, RowVariant::Review);
    EXPECT_EQ(view.appended.first(), "<br>1.多选<br>");
    EXPECT_EQ(view.appended.last(), "<body> <b>正确答案：ACD</b> </body><br> <br>");
}

TEST_F(PaperRowRendererTest, ACaseQuestionShowsItsCaseUnderTheCaseNumber) {
    bank.addCase(2, "男，45岁");
    const PaperRow second = drawOnly({0, 0, 1, 0});
    ASSERT_EQ(second.tid, "1.1");

    render(*queries().row("1.2"), RowVariant::Step);

    EXPECT_EQ(view.appended[0], "1.男，45岁<br>");
    EXPECT_EQ(view.appended[1], "<br>1.2.问2<br>");
    EXPECT_TRUE(view.appended[3].startsWith(" <input type=\"checkbox\""));
}

TEST_F(PaperRowRendererTest, MatchingDropDownsOfferTheGroupsLettersUpToO) {
    const int group = bank.addMatching(2, 5, "A．甲");
    PaperRow row = drawOnly({0, 0, 0, 1});
    const QStringList items =
        bank.column(QString("SELECT id FROM question WHERE readtextid=%1 ORDER BY id").arg(group));

    render(row, RowVariant::Step);
    const QString five = "<option value=\"A\">A <option value=\"B\">B <option value=\"C\">C "
                         "<option value=\"D\">D <option value=\"E\">E ";
    EXPECT_EQ(view.appended, (QStringList{"1.A．甲<br> <br>",
                                          "1.  <select name=\"cars\" id=\"" + items[0] +
                                              "\"> <option value=\"daan\" selected>答案 " + five +
                                              "</select>项1<br><br> <br>",
                                          "2.  <select name=\"cars\" id=\"" + items[1] +
                                              "\"> <option value=\"daan\" selected>答案 " + five +
                                              "</select>项2<br><br> <br>"}));

    row.optionCount = "20";
    render(row, RowVariant::FirstPage);
    EXPECT_TRUE(view.appended[1].contains("<option value=\"O\">O </select>项1<br><br>"));
    EXPECT_FALSE(view.appended[1].contains("value=\"P\""));
    EXPECT_TRUE(view.appended[1].endsWith("项1<br><br>"));
}

TEST_F(PaperRowRendererTest, MatchingChoicesArePreselectedOnlyWhenPartOfTheStoredAnswer) {
    const int group = bank.addMatching(3);
    PaperRow row = drawOnly({0, 0, 0, 1});
    const QStringList items =
        bank.column(QString("SELECT id FROM question WHERE readtextid=%1 ORDER BY id").arg(group));
    bank.exec(QString("UPDATE question SET lx='C' WHERE id=%1").arg(items[0]));
    bank.exec(QString("UPDATE question SET lx='A' WHERE id=%1").arg(items[2]));
    bank.exec(QString("UPDATE question SET lx='E' WHERE id=%1").arg(items[1])); // not submitted
    row.given = "AC";

    render(row, RowVariant::Review);

    EXPECT_EQ(view.preset[0].selections,
              (QList<std::pair<QString, QString>>{{items[0], "C"}, {items[2], "A"}}));
    // Review: each item line ends in one break and is followed by its answer.
    EXPECT_TRUE(view.appended[1].endsWith("项1<br><br>"));
    EXPECT_EQ(view.appended[2], "<body> <b>正确答案：B</b> </body><br> <br>");
}

TEST_F(PaperRowRendererTest, APageThatDoesNotShowIsReportedAndTakesNoLetterKey) {
    bank.addQuestions(SingleA1, 1);
    const PaperRow row = drawOnly({1, 0, 0, 0});
    ASSERT_TRUE(renderer.render(row.tid, RowVariant::Step));
    ASSERT_FALSE(renderer.optionsForLetter("A").isEmpty());

    view.loadSucceeds = false;
    EXPECT_FALSE(render(row, RowVariant::Step));
    EXPECT_TRUE(view.appended.isEmpty());
    EXPECT_TRUE(renderer.optionsForLetter("A").isEmpty());

    view.loadSucceeds = true;
    ASSERT_TRUE(render(row, RowVariant::Step));
    EXPECT_FALSE(renderer.render("9", RowVariant::Jump)) << "no entry numbered 9";
    EXPECT_TRUE(renderer.optionsForLetter("A").isEmpty());
}
