#pragma once

#include "exam/paper/TitleLevel.h"

#include <QSqlDatabase>
#include <QString>
#include <array>

namespace velkora {

// The four paper counts as the settings window shows them, in the order of
// the rows of `ts`: single choice, multiple choice, case analysis, matching.
using PaperCounts = std::array<QString, 4>;

// The length of a simulated exam.
inline constexpr int examMinutes = 90;

// Reads and writes the paper counts of table `ts`. Row 1 is shown and saved
// through `fg`, the learner's own single-choice count, because the way into
// the exam may overwrite its `txs` for the senior title level. Rows past the
// fourth are never touched. Store failures throw StoreError.
class ExamSettings {
public:
    enum class Verdict {
        Saved,
        FieldMissing, // a field is empty or not a number
        OverLimit,    // a count above 50
        NoChoiceParts // the first three counts are all exactly "0"
    };
    static constexpr int maximumCount = 50;

    explicit ExamSettings(const QSqlDatabase &db) : m_db(db) {}

    // Row 1's `fg`, rows 2-4's `txs`; a missing row reads as an empty field.
    PaperCounts load() const;

    // Checks the counts in the order the learner is told about them and
    // stores them, as typed, only when every check passes.
    Verdict save(const PaperCounts &counts);
    static Verdict check(const PaperCounts &counts);

    // What the learner is told after a save.
    static QString message(Verdict verdict);

    // Before an exam: row 1's `txs` becomes `fg` for an associate senior
    // candidate and "0" (no single-choice part) for a senior one.
    void applyTitleLevel(TitleLevel level);

private:
    QSqlDatabase m_db;
};

} // namespace velkora
