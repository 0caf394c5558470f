#pragma once

#include "base/WallClock.h"
#include "grading/ChapterGrader.h"
#include "store/BankQueries.h"
#include "store/Records.h"
#include "store/StudyLog.h"
#include "store/ViewMode.h"

#include <QSqlDatabase>
#include <functional>
#include <optional>

namespace velkora {

class PageView;

enum class SubmitOutcome {
    NoChapter, // no chapter page shown: nothing graded, nothing written
    Recorded,  // flags and score sheet written, wrong stems marked red
    Failed     // a read, a write or the page failed: nothing of it kept (logged)
};

// Grades the chapter page the learner answered and records the result: the
// wrong questions go into the wrong-question bank as the latest ones, the
// score sheet gets a row per type and the study log a row per answered
// question, stamped with `clock`; the latest marks of earlier submissions
// are cleared. All of that is one transaction. Then
// the sheet's rows of types without questions go, in a transaction of their
// own: the submission stands whether or not they could.
class ChapterSubmission {
public:
    ChapterSubmission(const QSqlDatabase &db, PageView &page, WallClock clock = systemTime)
        : m_db(db), m_page(page), m_clock(std::move(clock)) {}

    // What a submission records besides a chapter's, in its transaction,
    // given the questions answered (not left blank); throws StoreError.
    using AlsoRecord = std::function<void(const QList<PracticeAnswer> &)>;

    // Grades the page of `chapterId` (none: no chapter page is shown).
    SubmitOutcome submit(std::optional<RowId> chapterId, ViewMode mode);
    // Grades a page that lists these questions of many chapters (those gone
    // from the bank are left out), and records it as a chapter's.
    SubmitOutcome submitQuestions(const QList<RowId> &ids, const AlsoRecord &alsoRecord);
    const ChapterGrade &grade() const { return m_grade; }
    // The wrong questions this submission put into the wrong-question bank
    // (not those that were in it already).
    const QList<RowId> &addedToBank() const { return m_addedToBank; }

    // A script that colours the stems of these questions red.
    static QString markStemsScript(const QList<RowId> &questionIds);

private:
    // Grades the content read (none: nothing to grade) and records it.
    SubmitOutcome
    gradeAndRecord(const std::function<std::optional<ChapterContent>(const BankQueries &)> &read,
                   const AlsoRecord &alsoRecord);
    void record(const ChapterContent &content, const AlsoRecord &alsoRecord);
    void pruneScoreSheet();

    QSqlDatabase m_db;
    PageView &m_page;
    WallClock m_clock;
    ChapterGrade m_grade;
    QList<RowId> m_addedToBank;
};

} // namespace velkora
