#include "update/UpdateDownload.h"

#include <QLoggingCategory>
#include <QNetworkReply>
#include <QSaveFile>
#include <QTimer>

namespace velkora {

Q_LOGGING_CATEGORY(lcDownload, "velkora.update")

UpdateDownload::UpdateDownload(QObject *parent) : QObject(parent) {}

void UpdateDownload::start(const QUrl &url, const QString &targetPath) {
    if (!url.isValid() || url.host().isEmpty()) {
        qCWarning(lcDownload) << "no update address to download from:" << url;
        QTimer::singleShot(0, this, [this] { emit finished(false); });
        return;
    }
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QByteArrayLiteral("Mozilla/3.0 (compatible; Indy Library)"));
    request.setRawHeader(QByteArrayLiteral("Accept"), QByteArrayLiteral("text/html, */*"));
    request.setTransferTimeout(m_timeout);
    QNetworkReply *reply = m_network.get(request);
    connect(reply, &QNetworkReply::finished, this, [this, reply, targetPath] {
        reply->deleteLater();
        emit finished(save(reply, targetPath));
    });
}

bool UpdateDownload::save(QNetworkReply *reply, const QString &targetPath) {
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError || status < 200 || status > 299) {
        qCInfo(lcDownload) << "update information not fetched from" << reply->url() << status
                           << reply->errorString();
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
