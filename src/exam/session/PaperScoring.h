#pragma once

#include "base/WallClock.h"
#include "exam/paper/ExamClass.h"
#include "exam/session/ExamNavigator.h"
#include "exam/session/SheetColour.h"

#include <QSqlDatabase>
#include <array>

namespace velkora {

// The graded paper: counts per kind (one per choice entry, one per item of
// a matching group) and the answer sheet turned blue for right, red for wrong.
struct PaperGrade {
    std::array<KindScore, 4> byKind{}; // indexed by ExamClass
    QList<ButtonColour> colours;       // one per answer-sheet button, paper order

    const KindScore &score(ExamClass kind) const { return byKind[static_cast<int>(kind)]; }
    KindScore totals() const;
};

// What a press of "交 卷" comes to. When `accepted` is false nothing happened
// but `message`; otherwise the window removes the key watcher, stops the
// countdown, shows `progress`, sets the legend to "答对" / "答错", applies
// `grade.colours` and shows `resultFragment` on a fresh page.
struct SubmissionOutcome {
    bool accepted = false;
    QString message;
    ProgressDisplay progress;
    PaperGrade grade;
    QString resultFragment;
};

// Grades the paper in `sj` against the answers stored during the exam.
// Choice entries are right when `da` equals `tjda` as text, blanks around
// them aside, as in chapter grading (so an unanswered entry is wrong unless
// its `da` is empty too); each item of a matching group is right when its
// `answer` equals its `lx`, the choice the candidate made. Grading reads only.
class PaperScoring {
public:
    explicit PaperScoring(const QSqlDatabase &db, WallClock clock = systemTime)
        : m_db(db), m_clock(std::move(clock)) {}

    // Saves the answer on screen, grades, records the exam in the study log
    // (it took `durationSeconds`) and marks the exam submitted, also where it
    // is kept for resuming, the writes in one transaction. A second submission, or one whose
    // grading or writing fails, changes nothing.
    SubmissionOutcome submit(ExamNavigator &navigator, const QList<ControlState> &controls,
                             int durationSeconds) const;

    // Throws StoreError.
    PaperGrade grade() const;

private:
    QSqlDatabase m_db;
    WallClock m_clock;
};

// The result table shown after submission: a row per kind that was graded,
// then the totals; rates as in the chapter score report (0 for no entries).
QString resultPageFragment(const PaperGrade &grade);

// The line under a reviewed entry, or under each item of a matching group.
QString reviewAnswerLine(const QString &correctAnswer);

} // namespace velkora
