#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <chrono>

class QNetworkReply;

namespace velkora {

// Fetches the published update information into a file without blocking.
// The published file is a few bytes: an answer larger than `sizeCap`, or
// one not complete by the deadline (however steadily its bytes arrive),
// fails like a broken connection or an error status. The file is replaced
// only by a complete, successful answer.
class UpdateDownload : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 sizeCap = qint64{64} * 1024;
    static constexpr std::chrono::milliseconds defaultDeadline{10000};

    explicit UpdateDownload(QObject *parent = nullptr);

    void setDeadline(std::chrono::milliseconds deadline) { m_deadline.setInterval(deadline); }
    // `finished` always follows, also for an empty or invalid address.
    // Ignored while a download runs.
    void start(const QUrl &url, const QString &targetPath);
    bool isRunning() const { return m_running; }

signals:
    void finished(bool saved);

private:
    void stop(QNetworkReply *reply, const char *reason);
    void end(bool saved);
    bool save(QNetworkReply *reply, const QString &targetPath);

    QNetworkAccessManager m_network;
    QTimer m_deadline;
    QPointer<QNetworkReply> m_reply;
    const char *m_stopReason = nullptr;
    bool m_running = false;
};

} // namespace velkora
