#include "grading/ScoreReport.h"

#include <gtest/gtest.h>

using namespace velkora;

TEST(ScoreReportMarkup, RowsThenTotalsInTheExactTable) {
    const QList<ScoreRow> rows = {{"A1型题", 3, 2}, {"B型题配伍选择题", 1, 0}};
    const QString header =
        "<br><br>  <table align=\"center\"  border=1 bordercolor=skyblue cellpadding=\"0\" "
        "cellspacing=\"0\" class=\"table1\"  ><tr> <th class=\"table3\"  >题  型</th> "
        "<th class=\"table4\"  >试 题 数</th>  <th class=\"table3\"   > 答  对 </th>  "
        "<th class=\"table3\"  > 总  分 </th>  <th class=\"table3\"  > 得  分 </th>  "
        "<th class=\"table3\"  >正 确 率</th> </tr> ";
    const QString expected =
        header +
        "<tr align=\"center\"><td>A1型题</td> <td>3</td> <td>2</td><td>3</td><td>2</td>"
        "<td>67%</td> </tr> "
        "<tr align=\"center\"><td>B型题配伍选择题</td> <td>1</td> <td>0</td><td>1</td><td>0</td>"
        "<td>0%</td> </tr> "
        "<tr align=\"center\"><td>合  计</td> <td>4</td> <td>2</td><td>4</td><td>2</td>"
        "<td>50%</td> </tr> </table>";
    const QStringList fragments = scoreReportFragments(rows);
    ASSERT_EQ(fragments.size(), 2);
    EXPECT_EQ(fragments[0], "<p align=\"center\" class=\"TestResultTitle\" >本 次 测 试 结 果</p>");
    EXPECT_EQ(fragments[1], expected);
}

TEST(ScoreReportMarkup, AnEmptySheetStillHasItsZeroTotals) {
    EXPECT_TRUE(scoreTableMarkup({}).endsWith(
        "</th> </tr> <tr align=\"center\"><td>合  计</td> <td>0</td> <td>0</td><td>0</td>"
        "<td>0</td><td>0%</td> </tr> </table>"));
}
