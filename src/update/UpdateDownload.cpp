#include "update/UpdateDownload.h"

#include <QLoggingCategory>
#include <QNetworkReply>
#include <QSaveFile>

namespace velkora {

Q_LOGGING_CATEGORY(lcDownload, "velkora.update")

namespace {
const char *const tooLarge = "answer larger than the published file can be";
}

UpdateDownload::UpdateDownload(QObject *parent) : QObject(parent) {
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(defaultDeadline);
    connect(&m_deadline, &QTimer::timeout, this,
            [this] { stop(m_reply, "no complete answer before the deadline"); });
}

void UpdateDownload::start(const QUrl &url, const QString &targetPath) {
    if (m_running)
        return;
    m_running = true;
    if (!url.isValid() || url.host().isEmpty()) {
        qCWarning(lcDownload) << "no update address to download from:" << url;
        QTimer::singleShot(0, this, [this] { end(false); });
        return;
    }
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QByteArrayLiteral("Mozilla/3.0 (compatible; Indy Library)"));
    request.setRawHeader(QByteArrayLiteral("Accept"), QByteArrayLiteral("text/html, */*"));
    QNetworkReply *reply = m_network.get(request);
    m_reply = reply;
    m_stopReason = nullptr;
    // The announced size (when the server gives one) or the bytes so far.
    connect(reply, &QNetworkReply::downloadProgress, this, [this, reply](qint64 got, qint64 total) {
        if (got > sizeCap || total > sizeCap)
            stop(reply, tooLarge);
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, targetPath] {
        reply->deleteLater();
        m_deadline.stop();
        end(save(reply, targetPath));
    });
    m_deadline.start();
}

void UpdateDownload::stop(QNetworkReply *reply, const char *reason) {
    if (!reply || reply->isFinished())
        return;
    m_stopReason = reason;
    reply->abort();
}

void UpdateDownload::end(bool saved) {
    m_running = false;
    emit finished(saved);
}

bool UpdateDownload::save(QNetworkReply *reply, const QString &targetPath) {
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (!m_stopReason && reply->bytesAvailable() > sizeCap)
        m_stopReason = tooLarge; // it came in one piece
    if (m_stopReason || reply->error() != QNetworkReply::NoError || status < 200 || status > 299) {
        qCInfo(lcDownload) << "update information not fetched from" << reply->url() << status
                           << (m_stopReason ? m_stopReason : qPrintable(reply->errorString()));
        return false;
    }
    QSaveFile file(targetPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(reply->readAll()) < 0 || !file.commit()) {
        qCWarning(lcDownload) << "update information not saved to" << targetPath
                              << file.errorString();
        return false;
    }
    return true;
}

} // namespace velkora
