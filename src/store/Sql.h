#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <initializer_list>

namespace velkora::sql {

// Prepares and runs one statement with positional values bound in order;
// throws StoreError when preparing or executing fails.
QSqlQuery run(const QSqlDatabase &db, const QString &statement,
              std::initializer_list<QVariant> values = {});
QSqlQuery run(const QSqlDatabase &db, const QString &statement, const QVariantList &values);

// Runs `work` inside one transaction: committed when it returns, rolled
// back when it throws (the exception is passed on).
template <typename Work> void inTransaction(QSqlDatabase db, Work &&work);

// A stored flag is set only when it holds exactly "1"; NULL and "" are clear.
inline bool isFlagSet(const QVariant &value) {
    return value.toString() == QLatin1String("1");
}

// Text of a column, NULL reading as the empty text.
inline QString text(const QSqlQuery &q, const char *column) {
    return q.value(column).toString();
}

void beginTransaction(QSqlDatabase &db);
void commit(QSqlDatabase &db);
void rollback(QSqlDatabase &db) noexcept;

template <typename Work> void inTransaction(QSqlDatabase db, Work &&work) {
    beginTransaction(db);
    try {
        work();
    } catch (...) {
        rollback(db);
        throw;
    }
    commit(db);
}

} // namespace velkora::sql
