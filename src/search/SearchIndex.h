#pragma once

#include "store/Records.h"

#include <QSqlDatabase>
#include <QString>
#include <functional>

namespace velkora {

// The program's own full-text index of the bank: one row per question that
// a chapter shows, holding the text a learner reads on its page (case,
// stem, options and explanation, case folded), with the question's place in
// tree order. It lives in the bank (velkora_search_text, indexed by
// velkora_search: FTS5 with the trigram tokenizer), so a backup takes it
// along; a bank that cannot be written gets it in the connection's
// temporary schema for the session instead.
//
// Triggers of the index (velkora_search_*) on the tables it is made of take
// its mark of being current (velkora_search_state) away at any change of
// their texts or places, whoever makes it. An index is current only with
// its mark, its tables and all its triggers present: a bank brought by a
// restore or an update that changed its content, or that was written
// without the triggers, has the index built anew on its first search.
class SearchIndex {
public:
    explicit SearchIndex(const QSqlDatabase &db) : m_db(db) {}

    // Looks for an index that is current; true when one was found. Throws
    // StoreError.
    bool locate();
    bool isLocated() const { return !m_schema.isEmpty(); }

    // Called as rows are indexed; returning false cancels the build.
    using Progress = std::function<bool(qsizetype done, qsizetype total)>;
    enum class BuildResult { Built, Cancelled };
    // Builds the index in one transaction (nothing of a cancelled or failed
    // build stays). Throws StoreError.
    BuildResult build(const Progress &progress);

    // The schema that holds the index tables, "main" or "temp"; only once
    // located or built.
    QString schema() const { return m_schema; }

private:
    bool holdsCurrentIndex(const QString &schema) const;
    void fill(const QString &schema, const Progress &progress);

    QSqlDatabase m_db;
    QString m_schema; // "main" or "temp" once located or built
};

} // namespace velkora
