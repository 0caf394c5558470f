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
#include <algorithm>

namespace velkora {

Q_LOGGING_CATEGORY(lcGrading, "velkora.grading")

namespace {
// The questions answered, the right ones first. A question left blank was
// not practised: it neither counts as done nor turns a question answered
// right before into a wrong one.
QList<PracticeAnswer> answered(const ChapterGrade &grade) {
    const QSet<RowId> blank(grade.blankQuestions.cbegin(), grade.blankQuestions.cend());
    QList<PracticeAnswer> answers;
    const auto add = [&](const QList<RowId> &questions, bool correct) {
        for (RowId id : questions)
            if (!blank.contains(id))
                answers.append({id, correct});
    };
    add(grade.rightQuestions, true);
    add(grade.wrongQuestions, false);
    return answers;
}

// What the study log keeps of a graded page: a record per chapter, in page order.
QList<PracticeRecord> practiceRecords(const ChapterContent &content,
                                      const QList<PracticeAnswer> &answers) {
    QHash<RowId, RowId> chapterOf;
    QList<PracticeRecord> records;
    for (const GroupRow &group : content.groups) {
        if (std::none_of(records.cbegin(), records.cend(),
                         [&](const PracticeRecord &r) { return r.chapterId == group.treeId; }))
            records.append(PracticeRecord{group.treeId, {}});
        for (const QuestionRow &question : content.questions.value(group.id))
            chapterOf.insert(question.id, group.treeId);
    }
    for (const PracticeAnswer &answer : answers)
        for (PracticeRecord &record : records)
            if (record.chapterId == chapterOf.value(answer.questionId))
                record.answers.append(answer);
    return records;
}
} // namespace

SubmitOutcome ChapterSubmission::submit(std::optional<RowId> chapterId, ViewMode mode) {
    return gradeAndRecord(
        [&](const BankQueries &queries) -> std::optional<ChapterContent> {
            if (!chapterId || !queries.treeRow(*chapterId)) {
                qCInfo(lcGrading) << "no chapter shown to grade";
                return std::nullopt;
            }
            return queries.chapterContent(*chapterId, mode);
        },
        {});
}

SubmitOutcome ChapterSubmission::submitQuestions(const QList<RowId> &ids,
                                                 const AlsoRecord &alsoRecord) {
    return gradeAndRecord([&](const BankQueries &queries) { return queries.questionsContent(ids); },
                          alsoRecord);
}

SubmitOutcome ChapterSubmission::gradeAndRecord(
    const std::function<std::optional<ChapterContent>(const BankQueries &)> &read,
    const AlsoRecord &alsoRecord) {
    m_grade = {};
    m_addedToBank = {};
    try {
        const std::optional<ChapterContent> content = read(BankQueries(m_db));
        if (!content)
            return SubmitOutcome::NoChapter;
        const PageAnswers answers(m_page.controls());
        m_grade = gradeContent(*content, answers);
        sql::inTransaction(m_db, [&] { record(*content, alsoRecord); });
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

void ChapterSubmission::record(const ChapterContent &content, const AlsoRecord &alsoRecord) {
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
    const QList<PracticeAnswer> answers = answered(m_grade);
    const StudyLog log(m_db, m_clock);
    for (const PracticeRecord &practice : practiceRecords(content, answers))
        log.recordPractice(practice);
    if (alsoRecord)
        alsoRecord(answers);
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
