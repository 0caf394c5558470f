#pragma once

#include <QString>

namespace velkora {

// Where the feedback database is and how to log in to it.
struct FeedbackSettings {
    QString driver = QStringLiteral("QODBC"); // Qt SQL driver
    QString odbcDriver = QStringLiteral("FreeTDS");
    QString host;
    int port = 1433;
    QString user;
    QString password;
    QString catalog;
    QString connectOptions;  // Qt SQL driver options, e.g. the login timeout
    int commandTimeout = 10; // seconds a statement may take
};

// Settings beside the program (velkora.ini): where the update and feedback
// servers are and how to log in to the feedback database. The values ship
// in that file; the program holds none of them.
struct AppConfig {
    QString updateHost; // host name, optionally with ":port"
    FeedbackSettings feedback;

    static AppConfig load(const QString &iniPath);

    // Address of the published data date of a subject, the subject
    // percent-encoded as UTF-8; empty when the subject or the host is unknown.
    QString updateInfoUrl(const QString &subjectName) const;
};

} // namespace velkora
