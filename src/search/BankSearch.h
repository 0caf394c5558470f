#pragma once

#include "browse/ChapterPage.h"
#include "search/SearchQuery.h"
#include "store/Records.h"

#include <QList>
#include <QSqlDatabase>
#include <QVariantList>

namespace velkora {

using SearchHit = PlacedQuestion;

struct SearchResult {
    qsizetype total = 0;   // every question that matched
    QList<SearchHit> hits; // the first of them in tree order, at most the limit
};

// Finds the questions whose text holds every term of a query, in the order
// the chapter pages show them, through a located or built SearchIndex.
class BankSearch {
public:
    static constexpr int shownHits = 200;

    // `indexSchema`: where a located or built SearchIndex is.
    BankSearch(const QSqlDatabase &db, QString indexSchema)
        : m_db(db), m_schema(std::move(indexSchema)) {}

    // Throws StoreError. An empty query finds nothing.
    SearchResult find(const SearchQuery &query, int limit = shownHits) const;
    // Every question that `find` counts, in tree order. Throws StoreError.
    QList<RowId> allQuestions(const SearchQuery &query) const;

private:
    // The index rows that hold every term of a non-empty query: what
    // follows SELECT ..., and the values it binds.
    struct Matching {
        QString from;
        QVariantList values;
    };
    Matching matching(const SearchQuery &query) const;

    QSqlDatabase m_db;
    QString m_schema;
};

} // namespace velkora
