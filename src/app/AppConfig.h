#pragma once

#include <QString>

namespace velkora {

// Settings beside the program (velkora.ini): where the update and feedback
// servers are and how to log in to the feedback database.
struct AppConfig {
    QString updateHost;
    QString feedbackHost;
    int feedbackPort = 1433;
    QString feedbackUser;
    QString feedbackPassword;
    QString feedbackCatalog;

    static AppConfig load(const QString &iniPath);

    // Address of the published data date of a subject; empty when the
    // subject or the host is unknown.
    QString updateInfoUrl(const QString &subjectName) const;
};

} // namespace velkora
