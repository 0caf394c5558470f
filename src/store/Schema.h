#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace velkora::schema {

struct Table {
    QString name;
    QStringList columns;
};

// Every table and column the program reads or writes. A bank made by any
// tool with exactly these is a valid bank; nothing more is required.
const QList<Table> &tables();

// Creates all tables in an empty database (used by the bank tools and tests).
void create(const QSqlDatabase &db);

// Adds the indexes for the program's lookups where they are missing.
// Returns false (and logs) when the file cannot take them, e.g. read-only.
bool ensureIndexes(const QSqlDatabase &db);

// Names of tables or "table.column" entries of the list above that the
// database lacks.
QStringList missingParts(const QSqlDatabase &db);
// The same, leaving out what a bank may lack (its subject and question count).
QStringList missingRequiredParts(const QSqlDatabase &db);

} // namespace velkora::schema
