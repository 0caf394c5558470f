#include "grading/ChapterSubmission.h"

#include "grading/PageAnswers.h"
#include "grading/ScoreSheet.h"
#include "grading/WrongQuestionBank.h"
#include "page/PageView.h"
#include "store/BankQueries.h"
#include "store/Sql.h"
#include "store/StoreError.h"
#include "store/StudyLog.h"

#include <QLoggingCategory>
#include <QSet>

namespace velkora {

Q_LOGGING_CATEGORY(lcGrading, "velkora.grading")

namespace {
// What the study log keeps of a graded chapter, the right answers first. A
// question left blank was not practised: it neither counts as done nor
// turns a question answered right before into a wrong one.
PracticeRecord practiceRecord(RowId chapterId, const ChapterGrade &grade) {
    const QSet<RowId> blank(grade.blankQuestions.cbegin(), grade.blankQuestions.cend());
    PracticeRecord record{chapterId, {}};
    const auto add = [&](const QList<RowId> &questions, bool correct) {
        for (RowId id : questions)
            if (!blank.contains(id))
                record.answers.append({id, correct});
    };
    add(grade.rightQuestions, true);
    add(grade.wrongQuestions, false);
    return record;
}
} // namespace

SubmitOutcome ChapterSubmission::submit(std::optional<RowId> chapterId, ViewMode mode) {
    m_grade = {};
    m_addedToBank = {};
    try {
        const BankQueries queries(m_db);
        if (!chapterId || !queries.treeRow(*chapterId)) {
            qCInfo(lcGrading) << "no chapter shown to grade";
            return SubmitOutcome::NoChapter;
        }
        const PageAnswers answers(m_page.controls());
        m_grade = gradeChapter(queries, *chapterId, mode, answers);
        sql::inTransaction(m_db, [&] { record(*chapterId); });
    } catch (const StoreError &error) {
        qCWarning(lcGrading) << "submission not recorded:" << error.message();
        m_grade = {};
        m_addedToBank = {};
        return SubmitOutcome::Failed;
    } catch (const MissingAnswerControls &error) {
        qCWarning(lcGrading) << "submission not recorded:" << error.what();
        m_grade = {};
        return SubmitOutcome::Failed;
    }
    pruneScoreSheet();
    if (!m_grade.wrongQuestions.isEmpty() &&
        !m_page.runScript(markStemsScript(m_grade.wrongQuestions)))
        qCWarning(lcGrading) << "wrong stems not marked on the page";
    return SubmitOutcome::Recorded;
}

void ChapterSubmission::record(RowId chapterId) {
    // The latest marks change in the same transaction as everything else,
    // so a submission cut short (even by a kill) leaves the old state.
    WrongQuestionBank wrongQuestions(m_db);
    wrongQuestions.markLatest(m_grade.wrongQuestions);
    m_addedToBank = wrongQuestions.add(m_grade.wrongQuestions);
    ScoreSheet sheet(m_db);
    sheet.clear();
    for (const GroupScore &group : m_grade.groups)
        sheet.append({group.title, group.questions, group.correct});
    sheet.mergeSubmissionTitles();
    StudyLog(m_db, m_clock).recordPractice(practiceRecord(chapterId, m_grade));
}

void ChapterSubmission::pruneScoreSheet() {
    try {
        ScoreSheet sheet(m_db);
        sql::inTransaction(m_db, [&] { sheet.dropEmptyRows(); });
    } catch (const StoreError &error) {
        qCWarning(lcGrading) << "rows of types without questions kept in the score sheet:"
                             << error.message();
    }
}

QString ChapterSubmission::markStemsScript(const QList<RowId> &questionIds) {
    QStringList ids;
    ids.reserve(questionIds.size());
    for (RowId id : questionIds)
        ids << QString::number(id);
    return QStringLiteral("var ids=[") + ids.join(QLatin1Char(',')) +
           QStringLiteral("];for(var i=0;i<ids.length;i++){"
                          "var e=document.getElementById('fan'+ids[i]);"
                          "if(e)e.style.color='red';}");
}

} // namespace velkora
