#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>

namespace velkora {

// One row of the score sheet (fenshu): a type title with the number of its
// questions and of the correct answers.
struct ScoreRow {
    QString title;
    int questions = 0;
    int correct = 0;

    bool operator==(const ScoreRow &) const = default;
};

// The score sheet of the latest submission, kept in the bank; the score
// window shows its rows. Rows keep the order they were written in. Writes
// join whatever transaction is open; every method throws StoreError.
class ScoreSheet {
public:
    enum class Merge { IfFound, Always };

    explicit ScoreSheet(const QSqlDatabase &db) : m_db(db) {}

    void clear();
    void append(const ScoreRow &row);
    // Replaces all rows of that title by one row at the end that sums them.
    // With Merge::IfFound nothing is written when there is no such row.
    void merge(const QString &title, Merge when);
    // The merges a submission ends with, in their order.
    void mergeSubmissionTitles();
    // Drops the rows of types that had no question, as a submission does
    // once its sheet is written.
    void dropEmptyRows();
    QList<ScoreRow> rows() const;

private:
    QSqlDatabase m_db;
};

} // namespace velkora
