#include "grading/ScoreReport.h"

#include "base/RatePercent.h"

namespace velkora {

namespace {
const QString totalsCaption = QStringLiteral("合  计");
const QString reportCaption =
    QStringLiteral("<p align=\"center\" class=\"TestResultTitle\" >本 次 测 试 结 果</p>");
const QString tableHeader = QStringLiteral(
    "<br><br>  <table align=\"center\"  border=1 bordercolor=skyblue cellpadding=\"0\" "
    "cellspacing=\"0\" class=\"table1\"  ><tr> <th class=\"table3\"  >题  型</th> <th "
    "class=\"table4\"  >试 题 数</th>  <th class=\"table3\"   > 答  对 </th>  <th "
    "class=\"table3\"  > 总  分 </th>  <th class=\"table3\"  > 得  分 </th>  <th "
    "class=\"table3\"  >正 确 率</th> </tr> ");
} // namespace

QString scoreRowMarkup(const QString &title, int questions, int correct) {
    const QString total = QString::number(questions);
    const QString right = QString::number(correct);
    return QStringLiteral("<tr align=\"center\"><td>") + title + QStringLiteral("</td> <td>") +
           total + QStringLiteral("</td> <td>") + right + QStringLiteral("</td><td>") + total +
           QStringLiteral("</td><td>") + right + QStringLiteral("</td><td>") +
           QString::number(ratePercent(correct, questions)) + QStringLiteral("%") +
           QStringLiteral("</td> </tr> ");
}

QString scoreTableMarkup(const QList<ScoreRow> &rows) {
    QString body;
    int questions = 0;
    int correct = 0;
    for (const ScoreRow &row : rows) {
        body += scoreRowMarkup(row.title, row.questions, row.correct);
        questions += row.questions;
        correct += row.correct;
    }
    return tableHeader + body + scoreRowMarkup(totalsCaption, questions, correct) +
           QStringLiteral("</table>");
}

QStringList scoreReportFragments(const QList<ScoreRow> &rows) {
    return {reportCaption, scoreTableMarkup(rows)};
}

} // namespace velkora
