#include "app/SingleInstance.h"

#include "base/ProgramFolder.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QThread>

namespace velkora {

Q_LOGGING_CATEGORY(lcInstance, "velkora.app")

namespace {

// How long a later start tries to reach the first: long enough for a first
// program that has just taken the lock to start listening.
constexpr int answerWaitMs = 3000;
constexpr int retryPauseMs = 100;

// One socket name per data folder, short enough for any socket path.
QString serverNameFor(const QString &folder) {
    const QByteArray hash = QCryptographicHash::hash(QFileInfo(folder).canonicalFilePath().toUtf8(),
                                                     QCryptographicHash::Sha256);
    return QStringLiteral("velkora-") + QString::fromLatin1(hash.toHex().left(24));
}

} // namespace

SingleInstance::SingleInstance(const QString &dataFolder, QObject *parent)
    : QObject(parent), m_dataFolder(dataFolder),
      m_lock(QDir(dataFolder).filePath(ProgramFolder::lockName())) {
    // A running program's lock never goes stale by age; one whose program
    // is gone is taken over.
    m_lock.setStaleLockTime(0);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *asking = m_server.nextPendingConnection()) {
            asking->disconnectFromServer();
            asking->deleteLater();
            emit activationRequested();
        }
    });
}

SingleInstance::Start SingleInstance::claim() {
    QDir().mkpath(m_dataFolder);
    m_serverName = serverNameFor(m_dataFolder);
    if (m_lock.tryLock(0)) {
        listen();
        return Start::First;
    }
    if (m_lock.error() != QLockFile::LockFailedError) {
        qCWarning(lcInstance) << "no lock file in" << m_dataFolder
                              << "; running without a guard against a second start";
        return Start::First;
    }
    return askToFront() ? Start::HandedOver : Start::OtherUnreachable;
}

void SingleInstance::listen() {
    // A socket left by a killed program; the lock says it is not in use.
    QLocalServer::removeServer(m_serverName);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server.listen(m_serverName))
        qCWarning(lcInstance) << "a second start cannot reach this program:"
                              << m_server.errorString();
}

bool SingleInstance::askToFront() const {
    const QDeadlineTimer deadline(answerWaitMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(int(deadline.remainingTime()))) {
            socket.disconnectFromServer();
            return true;
        }
        QThread::msleep(retryPauseMs);
    }
    qCWarning(lcInstance) << "the program running on" << m_dataFolder << "does not answer";
    return false;
}

} // namespace velkora
