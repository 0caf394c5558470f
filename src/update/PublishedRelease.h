#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QUrl>
#include <optional>

namespace velkora {

// What the update server publishes for a subject in Predate.ini: the date
// of the newest data (section "File1", key "Date") and, in section "Bank",
// the bank of that date beside it: its file name ("File"), its size in
// bytes ("Size") and its SHA-256 in hexadecimal ("Sha256").
struct PublishedRelease {
    QDate date;
    QString bankFile;
    qint64 bankSize = 0;
    QByteArray bankSha256; // raw bytes

    // Nothing when the file has no date; a release without a bank (or with
    // a bank described incompletely) has hasBank() false.
    static std::optional<PublishedRelease> read(const QString &iniPath);

    bool hasBank() const { return !bankFile.isEmpty() && bankSize > 0 && bankSha256.size() == 32; }
    // The bank's address: its file name in the folder of Predate.ini.
    QUrl bankUrl(const QUrl &infoUrl) const;
};

} // namespace velkora
