#pragma once

#include <QList>
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

// "?, ?, ?" for a list of `count` values, empty for none: SQLite takes an
// empty list, `IN ()` matching nothing and `NOT IN ()` everything.
QString placeholders(qsizetype count);

// The items of a list as values to bind, in order.
template <typename T> QVariantList listValues(const QList<T> &items) {
    QVariantList values;
    values.reserve(items.size());
    for (const T &item : items)
        values.append(item);
    return values;
}

// Runs `work` inside one transaction: committed when it returns, rolled
// back when it throws (the exception is passed on). Called while a
// transaction is open, `work` runs in a savepoint of it instead: a throw
// undoes only its writes, and what it wrote is kept or undone with the
// outer transaction.
template <typename Work> void inTransaction(const QSqlDatabase &db, Work &&work);

// A stored flag is set only when it holds exactly "1"; NULL and "" are clear.
inline bool isFlagSet(const QVariant &value) {
    return value.toString() == QLatin1String("1");
}

// Text of a column, NULL reading as the empty text.
inline QString text(const QSqlQuery &q, const char *column) {
    return q.value(column).toString();
}

// A savepoint outside a transaction opens one, and releasing the outermost
// savepoint commits it; that is what lets transactions nest.
void beginSavepoint(const QSqlDatabase &db);
void releaseSavepoint(const QSqlDatabase &db);
void rollbackSavepoint(const QSqlDatabase &db) noexcept;

template <typename Work> void inTransaction(const QSqlDatabase &db, Work &&work) {
    beginSavepoint(db);
    try {
        work();
    } catch (...) {
        rollbackSavepoint(db);
        throw;
    }
    releaseSavepoint(db);
}

} // namespace velkora::sql
