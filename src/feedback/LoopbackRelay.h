#pragma once

#include <QObject>
#include <QString>
#include <QTcpServer>

namespace velkora {

// Passes a connection through a port on loopback to a server, and can cut
// it at any moment. A database driver that waits for its server cannot be
// interrupted from outside, and its own timeouts start afresh with every
// byte; connected through the relay, it is told the connection closed the
// moment the relay is cut, and gives up at once.
class LoopbackRelay : public QObject {
    Q_OBJECT
public:
    LoopbackRelay(QString host, int port, QObject *parent = nullptr);

    // Takes connections on a free loopback port; false when none is free.
    bool listen();
    static QString address() { return QStringLiteral("127.0.0.1"); }
    int port() const { return m_listener.serverPort(); }

    // Closes every connection passed so far and takes no new ones.
    void cut();

private:
    void pass(QTcpSocket *client);

    QTcpServer m_listener;
    QString m_host;
    int m_port;
};

} // namespace velkora
