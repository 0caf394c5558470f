#include "exam/PaperScoring.h"

#include "exam/ExamPaper.h"
#include "grading/ScoreReport.h"
#include "store/Sql.h"
#include "store/StoreError.h"

#include <QHash>
#include <QLoggingCategory>

namespace velkora {

Q_LOGGING_CATEGORY(lcScoring, "velkora.exam")

namespace {
const QString submittedAlready = QStringLiteral("您已经交卷，不能重复交卷！");
const QString gradingFailed = QStringLiteral("试卷未能批阅，请再交一次卷。");
const QString totalsCaption = QStringLiteral("合  计");
const QString resultHeader = QStringLiteral(
    "<br><br>  <table border=\"0\" align=\"center\"><tr> <th>批 阅 试 卷 结 果</th> </tr> "
    "</table><br><br>  <table border=\"1\" align=\"center\"><tr> <th>题  型</th> <th>试 题 "
    "数</th>  <th> 答  对 </th>  <th> 总  分 </th>  <th> 得  分 </th>  <th>正 确 率</th> </tr> ");

struct ItemAnswer {
    QString correct; // question.answer
    QString chosen;  // question.lx, the choice stored during the exam
};

// Items of every matching group on the paper, by the group's entry, in one read.
QHash<QString, QList<ItemAnswer>> matchingItems(const QSqlDatabase &db) {
    QSqlQuery q = sql::run(db,
                           QStringLiteral("SELECT sj.tid, question.answer, question.lx "
                                          "FROM sj JOIN question ON question.readtextid = "
                                          "CAST(sj.tgid AS INTEGER) WHERE sj.lx = ? "
                                          "ORDER BY sj.rowid, question.rowid"),
                           {lxCode(ExamClass::Matching)});
    QHash<QString, QList<ItemAnswer>> items;
    while (q.next())
        items[q.value(0).toString()].append({q.value(1).toString(), q.value(2).toString()});
    return items;
}
} // namespace

SubmissionOutcome PaperScoring::submit(ExamNavigator &navigator,
                                       const QList<ControlState> &controls) const {
    SubmissionOutcome outcome;
    if (navigator.isSubmitted()) {
        outcome.message = submittedAlready;
        return outcome;
    }
    try {
        const AnswerProgress progress = navigator.saveCurrent(controls).progress;
        outcome.progress = {progress.barValue(), progress.countAfterJump()};
        outcome.grade = grade();
    } catch (const StoreError &error) {
        qCWarning(lcScoring) << "submission failed:" << error.message();
        outcome.message = gradingFailed;
        return outcome;
    }
    outcome.resultFragment = resultPageFragment(outcome.grade);
    outcome.accepted = true;
    navigator.markSubmitted();
    return outcome;
}

PaperGrade PaperScoring::grade() const {
    const ExamPaper paper = ExamPaper::read(m_db);
    const QHash<QString, QList<ItemAnswer>> items = matchingItems(m_db);
    PaperGrade grade;
    for (const PaperRow &row : paper.rows()) {
        const std::optional<ExamClass> kind = examClassOfLx(row.lx);
        if (!kind)
            continue;
        KindScore &score = grade.byKind[static_cast<int>(*kind)];
        bool right = true;
        if (*kind == ExamClass::Matching) {
            for (const ItemAnswer &item : items.value(row.tid)) {
                const bool itemRight = item.correct == item.chosen;
                ++(itemRight ? score.right : score.wrong);
                right = right && itemRight;
            }
        } else {
            right = row.answer == row.given;
            ++(right ? score.right : score.wrong);
        }
        grade.colours.append(
            {sheetButtonName(row.tid), right ? SheetColour::Blue : SheetColour::Red});
    }
    return grade;
}

QString resultPageFragment(const PaperGrade &grade) {
    QString rows;
    KindScore totals;
    for (ExamClass kind : examClasses) {
        const KindScore &score = grade.score(kind);
        if (score.total() == 0)
            continue;
        rows += scoreRowMarkup(resultName(kind), score.total(), score.right);
        totals.right += score.right;
        totals.wrong += score.wrong;
    }
    return resultHeader + rows + scoreRowMarkup(totalsCaption, totals.total(), totals.right) +
           QStringLiteral("</table>");
}

QString reviewAnswerLine(const QString &correctAnswer) {
    return QStringLiteral("<body> <b>正确答案：") + correctAnswer + QStringLiteral("</b> </body>") +
           QStringLiteral("<br> <br>");
}

} // namespace velkora
