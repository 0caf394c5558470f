#include "feedback/LoopbackRelay.h"

#include <QTcpSocket>

namespace velkora {

namespace {

// Sends on what `from` receives (dropped once `to` has closed); when `from`
// has closed, `to` closes too after sending what it holds.
void forward(QTcpSocket *from, QTcpSocket *to) {
    const auto sendOn = [from, to] {
        const QByteArray bytes = from->isReadable() ? from->readAll() : QByteArray();
        if (!bytes.isEmpty() && to->state() != QAbstractSocket::UnconnectedState)
            to->write(bytes);
    };
    QObject::connect(from, &QTcpSocket::readyRead, to, sendOn);
    QObject::connect(from, &QTcpSocket::stateChanged, to,
                     [to, sendOn](QAbstractSocket::SocketState state) {
                         if (state != QAbstractSocket::UnconnectedState)
                             return;
                         sendOn();
                         to->disconnectFromHost();
                     });
}

} // namespace

LoopbackRelay::LoopbackRelay(QString host, int port, QObject *parent)
    : QObject(parent), m_host(std::move(host)), m_port(port) {
    connect(&m_listener, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *client = m_listener.nextPendingConnection())
            pass(client);
    });
}

bool LoopbackRelay::listen() {
    return m_listener.listen(QHostAddress::LocalHost);
}

void LoopbackRelay::pass(QTcpSocket *client) {
    // Lives as long as the client's socket; what the client sends before
    // the server is connected waits in the socket's buffer.
    auto *server = new QTcpSocket(client);
    forward(client, server);
    forward(server, client);
    server->connectToHost(m_host, static_cast<quint16>(m_port));
}

void LoopbackRelay::cut() {
    m_listener.close();
    // Accepted sockets are children of the listener, their servers' sockets
    // children of theirs.
    for (QTcpSocket *socket : m_listener.findChildren<QTcpSocket *>())
        socket->abort();
}

} // namespace velkora
