#include "feedback/FeedbackUploader.h"

#include "store/ScopedDatabase.h"

#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <atomic>
#include <memory>

namespace velkora {

Q_LOGGING_CATEGORY(lcFeedback, "velkora.feedback")

QString FeedbackServer::odbcValue(const QString &value) {
    QString escaped = value;
    escaped.replace(QLatin1Char('}'), QLatin1String("}}"));
    return QLatin1Char('{') + escaped + QLatin1Char('}');
}

bool FeedbackUploader::send(const FeedbackReport &report) const {
    const ScopedDatabase server(m_server.driver, m_server.databaseName, m_server.connectOptions);
    if (!server.database().isValid()) {
        qCWarning(lcFeedback) << "report not sent: no Qt SQL driver" << m_server.driver;
        return false;
    }
    if (!server.database().open()) {
        qCWarning(lcFeedback) << "report not sent: feedback server not reached:"
                              << server.lastErrorText();
        return false;
    }
    QSqlQuery insert(server.database());
    insert.prepare(QStringLiteral(
        "insert into yiyao (kemu,tihao,tigan,tupian,kaoshidg,xueke,chenjiu,cuobiezi,silutigan,"
        "silutp,siluddaan,silucbz,shiticf,shuoming) values (?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
    for (const QVariant &value : report.values())
        insert.addBindValue(value);
    if (!insert.exec()) {
        qCWarning(lcFeedback) << "report not sent: row refused:" << insert.lastError().text();
        return false;
    }
    qCInfo(lcFeedback) << "report on question" << report.questionId << "sent";
    return true;
}

FeedbackSender::FeedbackSender(FeedbackServer server, QObject *parent)
    : QObject(parent), m_uploader(std::move(server)) {}

FeedbackSender::~FeedbackSender() {
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

void FeedbackSender::send(const FeedbackReport &report) {
    if (m_thread)
        return;
    auto sent = std::make_shared<std::atomic_bool>(false);
    m_thread = QThread::create(
        [uploader = m_uploader, report, sent] { sent->store(uploader.send(report)); });
    connect(m_thread, &QThread::finished, this, [this, sent] {
        m_thread->deleteLater();
        m_thread = nullptr;
        emit finished(sent->load());
    });
    m_thread->start();
}

} // namespace velkora
