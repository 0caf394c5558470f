#include "feedback/FeedbackUploader.h"

#include "feedback/LoopbackRelay.h"
#include "store/ScopedDatabase.h"

#include <QDeadlineTimer>
#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <atomic>

namespace velkora {

Q_LOGGING_CATEGORY(lcFeedback, "velkora.feedback")

namespace {
// How long quitting waits for a send whose connection was cut.
constexpr std::chrono::seconds quitGrace{3};
} // namespace

bool FeedbackUploader::send(const FeedbackReport &report) const {
    const ScopedDatabase server(m_server.driver, m_server.driverDatabaseName(),
                                m_server.connectOptions);
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
    : QObject(parent), m_server(std::move(server)) {
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(defaultDeadline);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        qCWarning(lcFeedback) << "feedback server too slow: connection cut after"
                              << m_deadline.interval() << "ms";
        cut();
    });
}

FeedbackSender::~FeedbackSender() {
    if (!m_thread)
        return;
    cut();
    if (m_thread->wait(QDeadlineTimer(quitGrace))) {
        delete m_thread;
        return;
    }
    // A thread that runs must not be destroyed; it ends with the program.
    qCWarning(lcFeedback) << "report upload still running at quitting";
}

void FeedbackSender::send(const FeedbackReport &report) {
    if (m_thread)
        return;
    FeedbackServer target = m_server;
    if (!m_server.host.isEmpty()) {
        m_relay = std::make_unique<LoopbackRelay>(m_server.host, m_server.port);
        if (!m_relay->listen()) {
            qCWarning(lcFeedback) << "report not sent: no loopback port to connect through";
            m_relay.reset();
            QTimer::singleShot(0, this, [this] { emit finished(false); });
            return;
        }
        target = m_server.reachedAt(LoopbackRelay::address(), m_relay->port());
    }
    auto sent = std::make_shared<std::atomic_bool>(false);
    m_thread = QThread::create([uploader = FeedbackUploader(target), report, sent] {
        sent->store(uploader.send(report));
    });
    connect(m_thread, &QThread::finished, this, [this, sent] {
        m_deadline.stop();
        m_relay.reset();
        m_thread->deleteLater();
        m_thread = nullptr;
        emit finished(sent->load());
    });
    m_deadline.start();
    m_thread->start();
}

void FeedbackSender::cut() {
    // The driver learns at once that its connection closed; a local
    // database has no connection to cut.
    if (m_relay)
        m_relay->cut();
}

} // namespace velkora
