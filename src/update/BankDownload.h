#pragma once

#include <QCryptographicHash>
#include <QFile>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <chrono>
#include <optional>

class QNetworkReply;

namespace velkora {

// Downloads a published bank into a file without blocking, checking it as
// it comes: more bytes than announced stop it at once, and it is complete
// only with exactly the announced size and checksum. A server that sends
// nothing for `stallTimeout` counts as gone, however long the whole
// download takes.
class BankDownload : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        Complete,    // the file holds exactly the announced bytes
        Incomplete,  // cut short, too long, or another checksum
        Unreachable, // no connection, an error status, or the server stopped sending
        Cancelled,
        NotWritten, // the file could not take the bytes
    };
    static constexpr std::chrono::milliseconds defaultStallTimeout{30000};

    explicit BankDownload(QObject *parent = nullptr);

    void setStallTimeout(std::chrono::milliseconds timeout) { m_stallTimeout = timeout; }
    // `finished` follows once. Ignored while a download runs.
    void start(const QUrl &url, qint64 size, const QByteArray &sha256, const QString &targetPath);
    // Stops a running download; it finishes Cancelled.
    void cancel();

signals:
    void progress(qint64 received, qint64 total);
    void finished(velkora::BankDownload::Outcome outcome);

private:
    void take(QNetworkReply *reply);
    void stop(Outcome reason);
    Outcome outcomeOf(QNetworkReply *reply);

    QNetworkAccessManager m_network;
    std::chrono::milliseconds m_stallTimeout = defaultStallTimeout;
    QPointer<QNetworkReply> m_reply;
    QFile m_file;
    QCryptographicHash m_hash{QCryptographicHash::Sha256};
    qint64 m_expectedSize = 0;
    qint64 m_received = 0;
    QByteArray m_expectedSha256;
    std::optional<Outcome> m_stopReason;
};

} // namespace velkora
