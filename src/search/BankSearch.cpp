#include "search/BankSearch.h"

#include "store/Sql.h"

namespace velkora {

SearchResult BankSearch::find(const SearchQuery &query, int limit) const {
    SearchResult result;
    if (query.isEmpty())
        return result;
    QStringList conditions;
    QVariantList values;
    if (const QString expression = query.matchExpression(); !expression.isEmpty()) {
        conditions.append(QStringLiteral("velkora_search MATCH ?"));
        values.append(expression);
    }
    // Terms too short for trigrams are looked for by a scan (of the rows the
    // index matched, when there are longer terms too).
    for (const QString &term : query.scannedTerms()) {
        conditions.append(QStringLiteral("instr(lower(body), lower(?)) > 0"));
        values.append(term);
    }
    const QString statement =
        QStringLiteral("SELECT question, grp, chapter, count(*) OVER () FROM %1 WHERE %2 "
                       "ORDER BY rowid LIMIT ?")
            .arg(m_table, conditions.join(QStringLiteral(" AND ")));
    values.append(limit);
    QSqlQuery q = sql::run(m_db, statement, values);
    while (q.next()) {
        result.total = q.value(3).toLongLong();
        result.hits.append(
            {q.value(0).toLongLong(), q.value(1).toLongLong(), q.value(2).toLongLong()});
    }
    return result;
}

} // namespace velkora
