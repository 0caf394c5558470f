#include "exam/session/PaperScoring.h"

#include "exam/paper/ExamResumeStore.h"
#include "exam/paper/PaperQueries.h"
#include "grading/AnswerText.h"
#include "grading/ScoreReport.h"
#include "store/Sql.h"
#include "store/StoreError.h"
#include "store/StudyLog.h"

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

// What the study log keeps of a graded paper: its totals, every entry worth
// one point as the result table counts them, and each kind it held.
ExamRecord examRecord(const PaperGrade &grade, int durationSeconds) {
    const KindScore totals = grade.totals();
    ExamRecord record{totals.right, totals.total(), totals.right, durationSeconds, {}};
    for (ExamClass kind : examClasses) {
        const KindScore &score = grade.score(kind);
        if (score.total() > 0)
            record.kinds.append({lxCode(kind), score.right, score.wrong});
    }
    return record;
}

} // namespace

SubmissionOutcome PaperScoring::submit(ExamNavigator &navigator,
                                       const QList<ControlState> &controls,
                                       int durationSeconds) const {
    SubmissionOutcome outcome;
    if (navigator.isSubmitted()) {
        outcome.message = submittedAlready;
        return outcome;
    }
    try {
        sql::inTransaction(m_db, [&] {
            const AnswerProgress progress = navigator.saveCurrent(controls).progress;
            outcome.progress = {progress.barValue(), progress.countAfterJump()};
            outcome.grade = grade();
            StudyLog(m_db, m_clock).recordExam(examRecord(outcome.grade, durationSeconds));
            ExamResumeStore(m_db).markSubmitted();
        });
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
    const PaperQueries queries(m_db);
    PaperGrade grade;
    for (const PaperRow &row : queries.rows()) {
        const std::optional<ExamClass> kind = examClassOfLx(row.lx);
        if (!kind)
            continue;
        KindScore &score = grade.byKind[static_cast<int>(*kind)];
        bool right = true;
        if (*kind == ExamClass::Matching) {
            for (const MatchingItem &item : queries.items(row.sourceId.toLongLong())) {
                const bool itemRight = answersMatch(item.answer, item.chosen);
                ++(itemRight ? score.right : score.wrong);
                right = right && itemRight;
            }
        } else {
            right = answersMatch(row.answer, row.given);
            ++(right ? score.right : score.wrong);
        }
        grade.colours.append(
            {sheetButtonName(row.tid), right ? SheetColour::Blue : SheetColour::Red});
    }
    return grade;
}

KindScore PaperGrade::totals() const {
    KindScore sum;
    for (const KindScore &score : byKind) {
        sum.right += score.right;
        sum.wrong += score.wrong;
    }
    return sum;
}

QString resultPageFragment(const PaperGrade &grade) {
    QString rows;
    for (ExamClass kind : examClasses) {
        const KindScore &score = grade.score(kind);
        if (score.total() > 0)
            rows += scoreRowMarkup(resultName(kind), score.total(), score.right);
    }
    const KindScore totals = grade.totals();
    return resultHeader + rows + scoreRowMarkup(totalsCaption, totals.total(), totals.right) +
           QStringLiteral("</table>");
}

QString reviewAnswerLine(const QString &correctAnswer) {
    return QStringLiteral("<body> <b>正确答案：") + correctAnswer + QStringLiteral("</b> </body>") +
           QStringLiteral("<br> <br>");
}

} // namespace velkora
