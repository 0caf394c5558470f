#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QUrl>

namespace velkora {

// Fetches the published update information into a file without blocking:
// the file is replaced only by a complete, successful answer, never by an
// error status, a timeout or a broken connection.
class UpdateDownload : public QObject {
    Q_OBJECT
public:
    explicit UpdateDownload(QObject *parent = nullptr);

    void setTimeout(int milliseconds) { m_timeout = milliseconds; }
    // One download at a time; `finished` always follows, also for an empty
    // or invalid address.
    void start(const QUrl &url, const QString &targetPath);

signals:
    void finished(bool saved);

private:
    bool save(QNetworkReply *reply, const QString &targetPath);

    QNetworkAccessManager m_network;
    int m_timeout = 10000;
};

} // namespace velkora
