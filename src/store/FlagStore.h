#pragma once

#include "store/Records.h"
#include "store/ViewMode.h"

#include <QSqlDatabase>
#include <optional>

namespace velkora {

// Writes of the learner's marks: favourites and the chapter flags that the
// favourites and wrong-question views list. Throws StoreError on failure.
class FlagStore {
public:
    explicit FlagStore(const QSqlDatabase &db) : m_db(db) {}

    // Flips the favourite mark of a question; the new state, or nullopt
    // when there is no such question (nothing is written then).
    std::optional<bool> toggleFavourite(RowId questionId);

    // Recomputes the view's chapter flag from scratch: cleared everywhere,
    // then set on every chapter that holds a flagged question. One transaction.
    void markChapters(ViewMode mode);

private:
    QSqlDatabase m_db;
};

} // namespace velkora
