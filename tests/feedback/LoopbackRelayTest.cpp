#include "feedback/LoopbackRelay.h"

#include <QDeadlineTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>

using namespace velkora;

namespace {

// Answers every line it is sent with that line in capitals, and closes
// the connection on "bye".
class ShoutingServer {
public:
    ShoutingServer() {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            QTcpSocket *client = m_server.nextPendingConnection();
            QObject::connect(client, &QTcpSocket::readyRead, client, [client] {
                while (client->canReadLine()) {
                    const QByteArray line = client->readLine();
                    client->write(line.toUpper());
                    if (line == "bye\n")
                        client->disconnectFromHost();
                }
            });
        });
    }
    quint16 port() const { return m_server.serverPort(); }

private:
    QTcpServer m_server;
};

QByteArray readLine(QTcpSocket &socket) {
    QDeadlineTimer deadline(5000);
    while (!socket.canReadLine() && !deadline.hasExpired())
        QTest::qWait(10);
    return socket.readLine();
}

} // namespace

TEST(LoopbackRelay, PassesBothWaysUntilEitherEndCloses) {
    ShoutingServer server;
    LoopbackRelay relay("localhost", server.port());
    ASSERT_TRUE(relay.listen());

    QTcpSocket client;
    client.connectToHost(LoopbackRelay::address(), relay.port());
    client.write("hello\n"); // before the relay has reached the server
    EXPECT_EQ(readLine(client), "HELLO\n");
    client.write("bye\n");
    EXPECT_EQ(readLine(client), "BYE\n");
    QTRY_COMPARE_WITH_TIMEOUT(client.state(), QAbstractSocket::UnconnectedState, 5000);
}

TEST(LoopbackRelay, ACutClosesTheConnectionAtOnce) {
    ShoutingServer server;
    LoopbackRelay relay("127.0.0.1", server.port());
    ASSERT_TRUE(relay.listen());
    QTcpSocket client;
    client.connectToHost(LoopbackRelay::address(), relay.port());
    client.write("hello\n");
    EXPECT_EQ(readLine(client), "HELLO\n");

    relay.cut();
    QTRY_COMPARE_WITH_TIMEOUT(client.state(), QAbstractSocket::UnconnectedState, 1000);
    client.connectToHost(LoopbackRelay::address(), relay.port());
    EXPECT_FALSE(client.waitForConnected(1000)); // no new connections either
}
