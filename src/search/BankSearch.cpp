#include "search/BankSearch.h"

#include "store/Sql.h"

#include <algorithm>

namespace velkora {

namespace {

bool hasAsciiLetter(const QString &text) {
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
               (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
    });
}

} // namespace

SearchResult BankSearch::find(const SearchQuery &query, int limit) const {
    SearchResult result;
    if (query.isEmpty())
        return result;
    QStringList conditions;
    QVariantList values;
    if (const QString expression = query.matchExpression(); !expression.isEmpty()) {
        conditions.append(QStringLiteral("rowid IN (SELECT rowid FROM %1.velkora_search WHERE "
                                         "velkora_search MATCH ?)")
                              .arg(m_schema));
        values.append(expression);
    }
    // Terms too short for trigrams are looked for in the texts themselves.
    // Letter case is ignored as the index ignores it, for Latin letters; the
    // scan is quicker without folding where the term has none.
    for (const QString &term : query.scannedTerms()) {
        conditions.append(hasAsciiLetter(term) ? QStringLiteral("instr(lower(body), lower(?)) > 0")
                                               : QStringLiteral("instr(body, ?) > 0"));
        values.append(term);
    }
    const QString from = QStringLiteral("FROM %1.velkora_search_text WHERE %2")
                             .arg(m_schema, conditions.join(QStringLiteral(" AND ")));
    QSqlQuery count = sql::run(m_db, QStringLiteral("SELECT count(*) ") + from, values);
    if (count.next())
        result.total = count.value(0).toLongLong();
    if (result.total == 0)
        return result;
    // The row ids are the places in tree order.
    QSqlQuery hits = sql::run(m_db,
                              QStringLiteral("SELECT question, grp, chapter ") + from +
                                  QStringLiteral(" ORDER BY rowid LIMIT ?"),
                              values + QVariantList{limit});
    while (hits.next())
        result.hits.append(
            {hits.value(0).toLongLong(), hits.value(1).toLongLong(), hits.value(2).toLongLong()});
    return result;
}

} // namespace velkora
