#pragma once

#include "exam/paper/ExamClass.h"
#include "exam/session/AnswerRecorder.h"
#include "exam/session/SheetColour.h"

#include <QSqlDatabase>
#include <array>
#include <optional>

namespace velkora {

// What the progress line shows after a move: the bar's value and the
// answered count beside it.
struct ProgressDisplay {
    int barValue = 0;
    int count = 0;

    bool operator==(const ProgressDisplay &) const = default;
};

// What a move decided. The window only carries it out, in this order:
// progress, `notice` (keys suspended), `colours` in order, the page of
// `targetTid` when `outcome` says so, then `message` (keys suspended).
struct MoveDecision {
    enum class Outcome {
        Refused, // nothing moves: submitted, the kind rule, or a failed save
        Show,    // render `targetTid` (step variant for next/previous, jump variant for jumps)
        Missing, // the number has no paper row: the page stays as it is
        Review,  // after submission: render `targetTid` in review form
    };

    Outcome outcome = Outcome::Refused;
    QString targetTid;
    QString notice;
    QString message;
    QList<ButtonColour> colours;             // the saved entry's colour comes first
    std::optional<ProgressDisplay> progress; // set whenever an answer was saved

    bool allowed() const { return outcome != Outcome::Refused; }
    bool rendersPage() const { return outcome == Outcome::Show || outcome == Outcome::Review; }
};

// The moves through an exam paper: next, previous and a jump from the
// answer sheet. Every move saves the answer on screen, then applies the
// kind rule: while the kind on screen has unanswered entries, only entries
// of the same kind can be reached, in either direction. Entering a kind none
// of whose entries is answered shows its notice, once per exam.
//
// The position is the `tid` text of the entry on screen, so case questions
// 21.1 and 21.10 are different places. Each move reads the paper once.
class ExamNavigator {
public:
    explicit ExamNavigator(const QSqlDatabase &db);

    // The paper's first entry is on screen and its kind's notice was shown.
    void begin(const PaperRow &first);

    QString currentTid() const { return m_currentTid; }
    bool introShown(ExamClass kind) const { return m_introShown[static_cast<int>(kind)]; }

    bool isSubmitted() const { return m_submitted; }
    void markSubmitted() { m_submitted = true; }

    MoveDecision next(const QList<ControlState> &controls);
    MoveDecision previous(const QList<ControlState> &controls);
    // A click on the answer-sheet button captioned `tid`; after submission
    // it opens the entry's review instead.
    MoveDecision jump(const QString &tid, const QList<ControlState> &controls);

    // Saves the answer on screen (as every move does first); throws StoreError.
    SavedAnswer saveCurrent(const QList<ControlState> &controls);

private:
    enum class Move { Next, Previous, Jump };

    MoveDecision move(Move kind, const QString &jumpTarget, const QList<ControlState> &controls);
    MoveDecision decide(Move kind, const QString &targetTid, const ExamPaper &paper);
    QString enterKind(const QString &lx, const ExamPaper &paper);

    QSqlDatabase m_db;
    AnswerRecorder m_recorder;
    QString m_currentTid;
    std::array<bool, 4> m_introShown{}; // typeIntroShown, by kind
    bool m_submitted = false;
};

} // namespace velkora
