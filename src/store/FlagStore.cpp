#include "store/FlagStore.h"

#include "store/BankConventions.h"

#include "store/Sql.h"

#include <QSqlQuery>

namespace velkora {

std::optional<bool> FlagStore::toggleFavourite(RowId questionId) {
    QSqlQuery q =
        sql::run(m_db, QStringLiteral("SELECT scbt FROM question WHERE id=?"), {questionId});
    if (!q.next())
        return std::nullopt;
    const bool nowFavourite = !sql::isFlagSet(q.value(0));
    q.finish();
    sql::run(m_db, QStringLiteral("UPDATE question SET scbt=? WHERE id=?"),
             {nowFavourite ? QStringLiteral("1") : QString(""), questionId});
    return nowFavourite;
}

void FlagStore::markChapters(ViewMode mode) {
    const QString flag = flagColumn(mode);
    sql::inTransaction(m_db, [&] {
        sql::run(m_db, QStringLiteral("UPDATE tree SET %1=''").arg(flag));
        sql::run(m_db, QStringLiteral("UPDATE tree SET %1='1' WHERE id IN (SELECT treeid FROM "
                                      "readtext WHERE id IN (SELECT readtextid FROM question "
                                      "WHERE %1='1'))")
                           .arg(flag));
    });
}

} // namespace velkora
