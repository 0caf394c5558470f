#pragma once

#include "base/AppConfig.h"

#include <QString>

namespace velkora {

// How the feedback database is reached through Qt SQL. The program uses
// the ODBC driver with FreeTDS; tests use the same code on a local file.
struct FeedbackServer {
    QString driver;         // Qt SQL driver name ("QODBC")
    QString databaseName;   // a database file, or the ODBC connection string but the address
    QString connectOptions; // driver options ("SQL_ATTR_LOGIN_TIMEOUT=5")
    QString host;           // where an ODBC server listens; empty for a local database
    int port = 0;

    // The feedback database of the settings: for ODBC a FreeTDS connection
    // string with user and password braced (the address is added as the
    // upload connects); for another driver the catalog names the database.
    static FeedbackServer fromSettings(const FeedbackSettings &settings);

    // The database name given to the driver: for an ODBC server the
    // connection string with the server's address.
    QString driverDatabaseName() const;
    // The same database, reached at another address.
    FeedbackServer reachedAt(const QString &otherHost, int otherPort) const;

    // An ODBC connection-string value: braced, with '}' doubled, so that no
    // ';', '=' or brace inside it can end it.
    static QString odbcValue(const QString &value);
};

} // namespace velkora
