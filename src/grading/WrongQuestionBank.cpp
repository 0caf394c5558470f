#include "grading/WrongQuestionBank.h"

#include "store/Sql.h"

#include <QSet>
#include <QSqlQuery>

namespace velkora {

void WrongQuestionBank::markLatest(const QList<RowId> &questionIds) {
    const QVariantList ids = sql::listValues(questionIds);
    const QString list = sql::placeholders(ids.size());
    // ct1<>'' as two ranges, which the index on ct1 serves: only the marked
    // rows are read, not the whole bank.
    sql::run(m_db,
             QStringLiteral("UPDATE question SET ct1='' WHERE (ct1<'' OR ct1>'') "
                            "AND id NOT IN (%1)")
                 .arg(list),
             ids);
    sql::run(
        m_db,
        QStringLiteral("UPDATE question SET ct1='1' WHERE id IN (%1) AND ct1 IS NOT '1'").arg(list),
        ids);
}

QList<RowId> WrongQuestionBank::add(const QList<RowId> &questionIds) {
    const QVariantList ids = sql::listValues(questionIds);
    const QString outsideBank =
        QStringLiteral("id IN (%1) AND coalesce(ct, '')<>'1'").arg(sql::placeholders(ids.size()));
    QSqlQuery q =
        sql::run(m_db, QStringLiteral("SELECT id FROM question WHERE %1").arg(outsideBank), ids);
    QSet<RowId> entering;
    while (q.next())
        entering.insert(q.value(0).toLongLong());
    q.finish();
    sql::run(m_db, QStringLiteral("UPDATE question SET ct='1' WHERE %1").arg(outsideBank), ids);
    QList<RowId> added;
    for (RowId id : questionIds) {
        if (entering.remove(id))
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
