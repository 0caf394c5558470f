#include "store/Sql.h"

#include "store/StoreError.h"

#include <QLoggingCategory>
#include <QSqlError>

namespace velkora::sql {

Q_LOGGING_CATEGORY(lcSql, "velkora.store")

QSqlQuery run(const QSqlDatabase &db, const QString &statement,
              std::initializer_list<QVariant> values) {
    return run(db, statement, QVariantList(values));
}

QSqlQuery run(const QSqlDatabase &db, const QString &statement, const QVariantList &values) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(statement))
        throw StoreError(statement, query.lastError().text());
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        throw StoreError(statement, query.lastError().text());
    return query;
}

void beginTransaction(QSqlDatabase &db) {
    if (!db.transaction())
        throw StoreError(QStringLiteral("BEGIN"), db.lastError().text());
}

void commit(QSqlDatabase &db) {
    if (!db.commit()) {
        const QString error = db.lastError().text();
        rollback(db);
        throw StoreError(QStringLiteral("COMMIT"), error);
    }
}

void rollback(QSqlDatabase &db) noexcept {
    if (!db.rollback())
        qCWarning(lcSql) << "rollback failed:" << db.lastError().text();
}

} // namespace velkora::sql
