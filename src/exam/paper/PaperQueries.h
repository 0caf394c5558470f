#pragma once

#include "exam/paper/ExamClass.h"

#include <QList>
#include <QSqlDatabase>
#include <optional>

namespace velkora {

// One option of a paper question (an `opinion` row).
struct ExamOption {
    QString id; // opinion.id as text, the element id of its input on the page
    qint64 questionId = 0;
    QString letter; // code
    QString content;
};

// One item of a matching group (a `question` row of the group).
struct MatchingItem {
    qint64 id = 0;
    QString itemNumber;
    QString content;
    QString answer;
    QString chosen; // lx: the letter the candidate chose, once saved
};

// Reads of the exam paper table `sj` and of the bank rows behind its
// entries, in stored order. Every method throws StoreError on failure.
class PaperQueries {
public:
    explicit PaperQueries(const QSqlDatabase &db) : m_db(db) {}

    QList<PaperRow> rows() const;
    // The entry numbered `tid`, compared as text ("21.1" is not "21.10").
    std::optional<PaperRow> row(const QString &tid) const;
    QList<ExamOption> options(qint64 questionId) const;
    QList<MatchingItem> items(qint64 groupId) const;

private:
    QSqlDatabase m_db;
};

} // namespace velkora
