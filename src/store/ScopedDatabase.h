#pragma once

#include <QSqlDatabase>
#include <QString>

namespace velkora {

// A database connection of its own, for one piece of work: added under a
// unique name, closed and removed again when it goes out of scope. Queries
// made on it must end before it does.
class ScopedDatabase {
public:
    ScopedDatabase(const QString &driver, const QString &databaseName,
                   const QString &connectOptions = {});
    ~ScopedDatabase();
    ScopedDatabase(const ScopedDatabase &) = delete;
    ScopedDatabase &operator=(const ScopedDatabase &) = delete;

    // A SQLite file opened for reading only.
    static ScopedDatabase readOnlySqlite(const QString &filePath);

    bool open();
    QSqlDatabase database() const;
    QString lastErrorText() const;

private:
    QString m_name;
};

} // namespace velkora
