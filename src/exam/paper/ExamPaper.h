#pragma once

#include "exam/paper/ExamClass.h"

#include <QList>
#include <QSqlDatabase>

namespace velkora {

// The paper table `sj` as one read gives it: every row in paper order.
// Moves and grading decide on this snapshot instead of querying row by row.
class ExamPaper {
public:
    // Reads all rows of `sj` (stored order); throws StoreError.
    static ExamPaper read(const QSqlDatabase &db);

    ExamPaper() = default;
    explicit ExamPaper(QList<PaperRow> rows) : m_rows(std::move(rows)) {}

    const QList<PaperRow> &rows() const { return m_rows; }
    int size() const { return int(m_rows.size()); }
    // Position of the row whose `tid` is exactly this text, -1 when none.
    int indexOf(const QString &tid) const;
    const PaperRow *row(const QString &tid) const;

    // Rows with a stored answer (`tjda` not empty).
    int answeredCount() const;
    // Some row of the kind still has no answer / already has one.
    bool hasUnanswered(const QString &lx) const;
    bool hasAnswered(const QString &lx) const;

    // Keeps the snapshot in step with an answer just stored.
    void setGiven(const QString &tid, const QString &letters);

private:
    QList<PaperRow> m_rows;
};

} // namespace velkora
