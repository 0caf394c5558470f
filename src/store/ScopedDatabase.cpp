#include "store/ScopedDatabase.h"

#include <QAtomicInt>
#include <QSqlError>

namespace velkora {

namespace {
QAtomicInt serial;
}

ScopedDatabase::ScopedDatabase(const QString &driver, const QString &databaseName,
                               const QString &connectOptions)
    : m_name(QStringLiteral("velkora-scoped-%1").arg(serial.fetchAndAddRelaxed(1))) {
    QSqlDatabase db = QSqlDatabase::addDatabase(driver, m_name);
    db.setDatabaseName(databaseName);
    db.setConnectOptions(connectOptions);
}

ScopedDatabase::~ScopedDatabase() {
    database().close();
    QSqlDatabase::removeDatabase(m_name);
}

ScopedDatabase ScopedDatabase::readOnlySqlite(const QString &filePath) {
    return ScopedDatabase(QStringLiteral("QSQLITE"), filePath,
                          QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=3000"));
}

bool ScopedDatabase::open() {
    return database().open();
}

QSqlDatabase ScopedDatabase::database() const {
    return QSqlDatabase::database(m_name, false);
}

QString ScopedDatabase::lastErrorText() const {
    return database().lastError().text();
}

} // namespace velkora
