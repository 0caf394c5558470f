#include "store/Sql.h"

#include "store/StoreError.h"

#include <QLoggingCategory>
#include <QSqlError>
#include <QStringList>

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

QString placeholders(qsizetype count) {
    QStringList marks(count, QStringLiteral("?"));
    return marks.join(QStringLiteral(", "));
}

namespace {
// Every level uses the same name: SQLite releases and rolls back to the
// most recent savepoint of a name, which is always the innermost.
const QString savepointName = QStringLiteral("velkora_work");
} // namespace

void beginSavepoint(const QSqlDatabase &db) {
    run(db, QStringLiteral("SAVEPOINT ") + savepointName);
}

void releaseSavepoint(const QSqlDatabase &db) {
    try {
        run(db, QStringLiteral("RELEASE ") + savepointName);
    } catch (const StoreError &) {
        // A commit that failed (a busy or full file) leaves the savepoint open.
        rollbackSavepoint(db);
        throw;
    }
}

void rollbackSavepoint(const QSqlDatabase &db) noexcept {
    // ROLLBACK TO undoes the writes but keeps the savepoint; RELEASE ends it
    // (and with it the transaction when it was the outermost).
    for (const QString &statement : {QStringLiteral("ROLLBACK TO "), QStringLiteral("RELEASE ")}) {
        QSqlQuery query(db);
        if (!query.exec(statement + savepointName))
            qCWarning(lcSql) << "rollback failed:" << statement << query.lastError().text();
    }
}

} // namespace velkora::sql
