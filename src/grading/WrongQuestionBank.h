#pragma once

#include "store/Records.h"
#include <QList>
#include <QSqlDatabase>
#include <QString>

namespace velkora {

struct WrongQuestion {
    RowId id = 0;
    QString content; // the stem as stored, markup included
};

// The learner's wrong-question bank: questions flagged ct, and the ct1 marks
// of the ones the latest submission found wrong. Marking joins whatever
// transaction is open; every method throws StoreError.
class WrongQuestionBank {
public:
    explicit WrongQuestionBank(const QSqlDatabase &db) : m_db(db) {}

    // Marks the questions as the ones the latest submission found wrong and
    // clears the marks of all others. Writes only the marks that change.
    void markLatest(const QList<RowId> &questionIds);
    // Puts the questions into the bank; returns those that were not in it
    // before, in the order given.
    QList<RowId> add(const QList<RowId> &questionIds);
    // Takes the questions out of the bank, in one transaction.
    void remove(const QList<RowId> &questionIds);
    QList<WrongQuestion> questions() const; // by id

private:
    QSqlDatabase m_db;
};

} // namespace velkora
