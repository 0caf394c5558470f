#pragma once

#include "exam/paper/ExamPaper.h"
#include "exam/session/SheetColour.h"
#include "page/PageView.h"

#include <QHash>
#include <QSqlDatabase>
#include <algorithm>
#include <optional>

namespace velkora {

// What the progress line shows after an answer was saved. The bar moves to
// the number of answered entries before the save plus one, capped at its
// maximum; the count beside it shows that number uncapped after a step with
// next or previous, and the bar's capped value after a jump or submission.
struct AnswerProgress {
    int answeredBefore = 0;
    int rowCount = 0;

    int barValue() const { return std::clamp(answeredBefore + 1, 0, rowCount); }
    int countAfterStep() const { return answeredBefore + 1; }
    int countAfterJump() const { return barValue(); }
};

struct SavedAnswer {
    QString letters;                    // the answer the page showed, "" when none
    std::optional<ButtonColour> button; // none when the entry is not on the paper
    AnswerProgress progress;
};

// Stores the answer on screen for one paper entry.
//
// Choice entries ("a1", "a2", "a3"): the letters of the checked options in
// option order go to `tjda`; an empty answer leaves `tjda` as it was.
// Matching entries ("a4"): each item's drop-down choice goes to the item's
// `question.lx` ("daan", the placeholder, counts as empty) and the choices,
// last item first, to `tjda`, also when empty. All writes of one save are
// one transaction.
class AnswerRecorder {
public:
    explicit AnswerRecorder(const QSqlDatabase &db) : m_db(db) {}

    // Saves the answer of entry `tid` and keeps `paper` in step with what
    // was stored. Throws StoreError; nothing is written then.
    SavedAnswer save(ExamPaper &paper, const QString &tid,
                     const QList<ControlState> &controls) const;

private:
    QString choiceLetters(const PaperRow &row, const QHash<QString, ControlState> &byId) const;
    std::optional<QString> storeMatchingChoices(const PaperRow &row,
                                                const QHash<QString, ControlState> &byId) const;

    QSqlDatabase m_db;
};

} // namespace velkora
