#include "update/BankDownload.h"

#include "base/FileReplacement.h"

#include <QLoggingCategory>
#include <QNetworkReply>

namespace velkora {

Q_LOGGING_CATEGORY(lcBankDownload, "velkora.update")

BankDownload::BankDownload(QObject *parent) : QObject(parent) {}

void BankDownload::start(const QUrl &url, qint64 size, const QByteArray &sha256,
                         const QString &targetPath) {
    if (m_reply)
        return;
    m_expectedSize = size;
    m_expectedSha256 = sha256;
    m_received = 0;
    m_hash.reset();
    m_stopReason.reset();
    m_file.setFileName(targetPath);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qCWarning(lcBankDownload) << "no file for the download:" << targetPath
                                  << m_file.errorString();
        QMetaObject::invokeMethod(
            this, [this] { emit finished(Outcome::NotWritten); }, Qt::QueuedConnection);
        return;
    }
    QNetworkRequest request(url);
    request.setTransferTimeout(int(m_stallTimeout.count()));
    QNetworkReply *reply = m_network.get(request);
    m_reply = reply;
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] { take(reply); });
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        reply->deleteLater();
        take(reply);
        const Outcome outcome = outcomeOf(reply);
        m_file.close();
        emit finished(outcome);
    });
}

void BankDownload::cancel() {
    stop(Outcome::Cancelled);
}

void BankDownload::take(QNetworkReply *reply) {
    if (m_stopReason)
        return;
    const QByteArray bytes = reply->readAll();
    m_received += bytes.size();
    if (m_received > m_expectedSize) {
        stop(Outcome::Incomplete);
        return;
    }
    m_hash.addData(bytes);
    if (m_file.write(bytes) != bytes.size()) {
        stop(Outcome::NotWritten);
        return;
    }
    emit progress(m_received, m_expectedSize);
}

void BankDownload::stop(Outcome reason) {
    if (!m_reply || m_reply->isFinished() || m_stopReason)
        return;
    m_stopReason = reason;
    m_reply->abort();
}

BankDownload::Outcome BankDownload::outcomeOf(QNetworkReply *reply) {
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (m_stopReason) {
        qCInfo(lcBankDownload) << "bank download stopped:" << reply->url() << int(*m_stopReason)
                               << m_file.errorString();
        return *m_stopReason;
    }
    if (reply->error() != QNetworkReply::NoError || status < 200 || status > 299) {
        qCInfo(lcBankDownload) << "bank not downloaded from" << reply->url() << status
                               << reply->errorString();
        // An answer cut off after it began is a download cut short.
        return m_received > 0 && status >= 200 && status <= 299 &&
                       reply->error() == QNetworkReply::RemoteHostClosedError
                   ? Outcome::Incomplete
                   : Outcome::Unreachable;
    }
    if (m_received != m_expectedSize || m_hash.result() != m_expectedSha256) {
        qCWarning(lcBankDownload) << "downloaded bank is not the published one:" << m_received
                                  << "bytes of" << m_expectedSize;
        return Outcome::Incomplete;
    }
    if (!m_file.flush() || !syncToDisk(m_file.fileName()))
        return Outcome::NotWritten;
    return Outcome::Complete;
}

} // namespace velkora
