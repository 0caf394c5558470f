#pragma once

#include <QString>

namespace velkora {

// How the feedback database is reached through Qt SQL. The program uses
// the ODBC driver with FreeTDS; tests use the same code on a local file.
struct FeedbackServer {
    QString driver;         // Qt SQL driver name ("QODBC")
    QString databaseName;   // the ODBC connection string, or a database file
    QString connectOptions; // driver options ("SQL_ATTR_LOGIN_TIMEOUT=5")

    // An ODBC connection-string value: braced, with '}' doubled, so that no
    // ';', '=' or brace inside it can end it.
    static QString odbcValue(const QString &value);
};

} // namespace velkora
