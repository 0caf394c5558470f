#include "maintenance/BankFileCheck.h"

#include "store/BankConnection.h"
#include "store/Schema.h"
#include "store/ScopedDatabase.h"

#include <QSet>
#include <QSqlQuery>
#include <initializer_list>

namespace velkora {

namespace {

// What one check finds wrong with an open file; empty when nothing.
using Check = QString (*)(const QSqlDatabase &);

// Opens the file read-only and runs the checks on it in turn: the reason
// when the file is no SQLite database or does not open, else the first
// thing a check finds.
QString firstProblem(const QString &filePath, std::initializer_list<Check> checks) {
    if (QString header = BankConnection::fileProblem(filePath); !header.isEmpty())
        return header;
    const ScopedDatabase file = ScopedDatabase::readOnlySqlite(filePath);
    if (!file.database().open())
        return QStringLiteral("cannot open %1: %2").arg(filePath, file.lastErrorText());
    for (const Check check : checks) {
        if (const QString found = check(file.database()); !found.isEmpty())
            return filePath + QLatin1Char(' ') + found;
    }
    return {};
}

QString damage(const QSqlDatabase &db) {
    QSqlQuery check(db);
    if (!check.exec(QStringLiteral("PRAGMA integrity_check")) || !check.next())
        return QStringLiteral("fails its consistency check");
    if (const QString verdict = check.value(0).toString(); verdict != QLatin1String("ok"))
        return QStringLiteral("is damaged: ") + verdict;
    return {};
}

// The bank's tables that the file holds as something other than a table of
// rows (a view, a virtual table).
QString missingParts(const QSqlDatabase &db) {
    const QStringList missing = schema::missingRequiredParts(db);
    return missing.isEmpty() ? QString()
                             : QStringLiteral("lacks ") + missing.join(QStringLiteral(", "));
}

QString tablesNotReal(const QSqlDatabase &db) {
    QSet<QString> bankTables;
    for (const schema::Table &table : schema::tables())
        bankTables.insert(table.name.toLower());
    QSqlQuery list(db);
    if (!list.exec(QStringLiteral("SELECT name FROM pragma_table_list "
                                  "WHERE schema = 'main' AND type <> 'table'")))
        return QStringLiteral("does not list its tables");
    QStringList notReal;
    while (list.next()) {
        if (const QString name = list.value(0).toString(); bankTables.contains(name.toLower()))
            notReal << name;
    }
    return notReal.isEmpty() ? QString()
                             : QStringLiteral("holds %1 as views, not tables")
                                   .arg(notReal.join(QStringLiteral(", ")));
}

QString noQuestion(const QSqlDatabase &db) {
    QSqlQuery any(db);
    const bool some = any.exec(QStringLiteral("SELECT EXISTS (SELECT 1 FROM question)")) &&
                      any.next() && any.value(0).toBool();
    return some ? QString() : QStringLiteral("holds no question");
}

} // namespace

QString BankFileCheck::integrityProblem(const QString &filePath) {
    return firstProblem(filePath, {damage});
}

QString BankFileCheck::bankProblem(const QString &filePath) {
    return firstProblem(filePath, {damage, missingParts, tablesNotReal, noQuestion});
}

} // namespace velkora
