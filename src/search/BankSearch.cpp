#include "search/BankSearch.h"

#include "store/Sql.h"

namespace velkora {

BankSearch::Matching BankSearch::matching(const SearchQuery &query) const {
    QStringList conditions;
    QVariantList values;
    if (const QString expression = query.matchExpression(); !expression.isEmpty()) {
        conditions.append(QStringLiteral("rowid IN (SELECT rowid FROM %1.velkora_search WHERE "
                                         "velkora_search MATCH ?)")
                              .arg(m_schema));
        values.append(expression);
    }
    // Terms too short for trigrams are looked for in the texts themselves,
    // which the index holds case folded as the terms are.
    for (const QString &term : query.scannedTerms()) {
        conditions.append(QStringLiteral("instr(body, ?) > 0"));
        values.append(term);
    }
    return {QStringLiteral(" FROM %1.velkora_search_text WHERE %2")
                .arg(m_schema, conditions.join(QStringLiteral(" AND "))),
            values};
}

SearchResult BankSearch::find(const SearchQuery &query, int limit) const {
    SearchResult result;
    if (query.isEmpty())
        return result;
    const Matching rows = matching(query);
    QSqlQuery count = sql::run(m_db, QStringLiteral("SELECT count(*)") + rows.from, rows.values);
    if (count.next())
        result.total = count.value(0).toLongLong();
    if (result.total == 0)
        return result;
    // The row ids are the places in tree order.
    QSqlQuery hits = sql::run(m_db,
                              QStringLiteral("SELECT question, grp, chapter") + rows.from +
                                  QStringLiteral(" ORDER BY rowid LIMIT ?"),
                              rows.values + QVariantList{limit});
    while (hits.next())
        result.hits.append(
            {hits.value(0).toLongLong(), hits.value(1).toLongLong(), hits.value(2).toLongLong()});
    return result;
}

QList<RowId> BankSearch::allQuestions(const SearchQuery &query) const {
    QList<RowId> questions;
    if (query.isEmpty())
        return questions;
    const Matching rows = matching(query);
    QSqlQuery q = sql::run(
        m_db, QStringLiteral("SELECT question") + rows.from + QStringLiteral(" ORDER BY rowid"),
        rows.values);
    while (q.next())
        questions.append(q.value(0).toLongLong());
    return questions;
}

} // namespace velkora
