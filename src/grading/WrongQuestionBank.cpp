#include "grading/WrongQuestionBank.h"

#include "store/Sql.h"

#include <QSqlQuery>

namespace velkora {

void WrongQuestionBank::clearLatestMarks() {
    sql::run(m_db, QStringLiteral("UPDATE question SET ct1=''"));
}

QList<RowId> WrongQuestionBank::markWrong(const QList<RowId> &questionIds) {
    QList<RowId> added;
    for (RowId id : questionIds) {
        sql::run(m_db, QStringLiteral("UPDATE question SET ct1='1' WHERE id=?"), {id});
        const QSqlQuery entered = sql::run(
            m_db, QStringLiteral("UPDATE question SET ct='1' WHERE id=? AND coalesce(ct, '')<>'1'"),
            {id});
        if (entered.numRowsAffected() > 0)
            added.append(id);
    }
    return added;
}

void WrongQuestionBank::remove(const QList<RowId> &questionIds) {
    sql::inTransaction(m_db, [&] {
        for (RowId id : questionIds)
            sql::run(m_db, QStringLiteral("UPDATE question SET ct='' WHERE id=?"), {id});
    });
}

QList<WrongQuestion> WrongQuestionBank::questions() const {
    QSqlQuery q = sql::run(m_db, QStringLiteral("SELECT * FROM question WHERE ct='1' ORDER BY id"));
    QList<WrongQuestion> rows;
    while (q.next())
        rows.append({q.value("id").toLongLong(), sql::text(q, "content")});
    return rows;
}

} // namespace velkora
