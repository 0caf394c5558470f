#pragma once

#include "browse/ChapterPage.h"
#include "review/RecallState.h"
#include "store/Records.h"
#include "store/StudyLog.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <optional>

namespace velkora {

// The questions to review on one day.
struct DayLoad {
    QDate day;
    int questions = 0;
};

// The daily review of the questions in the wrong-question bank or among the
// favourites. Each reviewed question has a row in the program's own table
// `velkora_review`, keyed by `question_id`, with its recall state and the
// date it is due; the table is made by the first review, so a bank without
// it reads as one where nothing was reviewed yet. A flagged question that
// was never reviewed is new: at most `newPerDay` of them are first shown on
// one day, in page order, so a bank of thousands of wrong questions turns
// into a steady daily share instead of falling due all at once. A question
// whose flags were cleared keeps its row but is not shown; flagged again,
// it picks up where it stood.
// Every method throws StoreError; writes join the transaction that is open.
class ReviewSchedule {
public:
    static const QString table;
    static constexpr int newPerDay = 20;

    ReviewSchedule(const QSqlDatabase &db, QDate today) : m_db(db), m_today(today) {}

    // The questions due today, in the order chapter pages show them.
    QList<PlacedQuestion> due() const;
    int dueCount() const;
    // The first day after today with questions to review; none when no
    // question is flagged.
    std::optional<QDate> nextDay() const;
    // Questions to review on each of `days` days from today; today's count
    // takes in those overdue.
    QList<DayLoad> load(int days) const;

    // Moves each answered question to its next date.
    void record(const QList<PracticeAnswer> &answers) const;
    // A reviewed question's state; none before its first review.
    std::optional<RecallState> state(RowId questionId) const;
    std::optional<QDate> dueDate(RowId questionId) const;

private:
    bool isPresent() const;
    void createTable() const;
    // New questions that may still be first shown today.
    int newLeftToday() const;
    int unscheduledCount() const;

    QSqlDatabase m_db;
    QDate m_today;
};

} // namespace velkora
