#pragma once

#include "feedback/FeedbackServer.h"

#include <QString>

namespace velkora {

// Settings beside the program (velkora.ini): where the update and feedback
// servers are and how to log in to the feedback database. The values ship
// in that file; the program holds none of them.
struct AppConfig {
    QString updateHost; // host name, optionally with ":port"
    QString feedbackDriver = QStringLiteral("QODBC");
    QString feedbackOdbcDriver = QStringLiteral("FreeTDS");
    QString feedbackHost;
    int feedbackPort = 1433;
    QString feedbackUser;
    QString feedbackPassword;
    QString feedbackCatalog;
    QString feedbackConnectOptions;  // Qt SQL driver options, e.g. the login timeout
    int feedbackCommandTimeout = 10; // seconds a statement may take

    static AppConfig load(const QString &iniPath);

    // Address of the published data date of a subject, the subject
    // percent-encoded as UTF-8; empty when the subject or the host is unknown.
    QString updateInfoUrl(const QString &subjectName) const;

    // The feedback database: for ODBC a FreeTDS connection string with user
    // and password braced; for another driver the catalog names the database.
    FeedbackServer feedbackServer() const;
};

} // namespace velkora
