#include "feedback/FeedbackUploader.h"
#include "FeedbackTestServer.h"
#include "base/AppConfig.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace velkora;

namespace {

const QStringList allClear(10, "0");

QStringList flagsOf(const QStringList &row) {
    return row.mid(3, 10);
}

// A feedback server on loopback that takes the connection and then sends
// the start of an answer one byte every 200 ms, never completing it; each
// byte starts the driver's own timeouts afresh.
class TricklingServer {
public:
    TricklingServer() {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            QTcpSocket *client = m_server.nextPendingConnection();
            client->write(QByteArray::fromHex("0401100000000100")); // a 4 kB reply packet
            QObject::connect(&m_tick, &QTimer::timeout, client, [client] { client->write("", 1); });
        });
        m_tick.start(200);
    }
    quint16 port() const { return m_server.serverPort(); }

private:
    QTcpServer m_server;
    QTimer m_tick;
};

// A loopback port that nothing listens on.
quint16 closedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

} // namespace

TEST(FeedbackUpload, EveryValueArrivesUnchanged) {
    test::FeedbackTestServer server;
    FeedbackReport report;
    report.subject = "职业病";
    report.questionId = "9223372036854775807";
    report.questionText =
        "It's a \"stem\" -- with \\ and ');DROP TABLE yiyao;--\n第二行\t\x01\x1f 😷";
    report.remark =
        QString("说明'\"\\\r\n%s %1 ? :name ") + QString(3400, QChar(0x75c5)); // > 10 kB
    report.reasons[0] = report.reasons[9] = true;

    ASSERT_TRUE(FeedbackUploader(server.server()).send(report));

    const QList<QStringList> rows = server.rows();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0][0], report.subject);
    EXPECT_EQ(rows[0][1], report.questionId);
    EXPECT_EQ(rows[0][2], report.questionText);
    EXPECT_EQ(flagsOf(rows[0]), (QStringList{"1", "0", "0", "0", "0", "0", "0", "0", "0", "1"}));
    EXPECT_EQ(rows[0][13], report.remark);
    EXPECT_GT(rows[0][13].toUtf8().size(), 10000);
}

TEST(FeedbackUpload, EachReasonFillsItsOwnColumnAndAnEmptyReportIsSent) {
    test::FeedbackTestServer server;
    const FeedbackUploader uploader(server.server());
    FeedbackReport onlyThird, onlyEighth;
    onlyThird.reasons[2] = true;  // CheckBox3: xueke
    onlyEighth.reasons[7] = true; // CheckBox8: siluddaan
    ASSERT_TRUE(uploader.send(onlyThird));
    ASSERT_TRUE(uploader.send(onlyEighth));
    ASSERT_TRUE(uploader.send(FeedbackReport{}));

    const QList<QStringList> rows = server.rows();
    ASSERT_EQ(rows.size(), 3);
    QStringList xueke = allClear, siluddaan = allClear;
    xueke[2] = "1";
    siluddaan[7] = "1";
    EXPECT_EQ(flagsOf(rows[0]), xueke);
    EXPECT_EQ(flagsOf(rows[1]), siluddaan);
    EXPECT_EQ(flagsOf(rows[2]), allClear);
    EXPECT_EQ(rows[2][13], "");
}

TEST(FeedbackUpload, ARefusedRowOrAnUnknownDriverFails) {
    test::FeedbackTestServer server;
    server.dropTable();
    EXPECT_FALSE(FeedbackUploader(server.server()).send({}));
    EXPECT_FALSE(FeedbackUploader({.driver = "QNODRIVER", .databaseName = "x"}).send({}));
}

FeedbackSettings freeTdsOnLoopback(quint16 port) {
    FeedbackSettings settings;
    settings.host = "127.0.0.1";
    settings.port = port;
    settings.user = "sa";
    settings.password = "x";
    settings.catalog = "yiyaofk";
    settings.connectOptions = "SQL_ATTR_LOGIN_TIMEOUT=2";
    return settings;
}

TEST(FeedbackUpload, AClosedPortFailsAtOnceThroughFreeTds) {
    ASSERT_TRUE(QSqlDatabase::isDriverAvailable("QODBC"));
    const FeedbackServer server = FeedbackServer::fromSettings(freeTdsOnLoopback(closedPort()));
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(FeedbackUploader(server).send({}));
    EXPECT_LT(clock.elapsed(), 2000);

    FeedbackSender sender(server); // through its relay, as the program sends
    QSignalSpy finished(&sender, &FeedbackSender::finished);
    clock.restart();
    sender.send({});
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_FALSE(finished.at(0).at(0).toBool());
    EXPECT_LT(clock.elapsed(), 2000);
}

TEST(FeedbackUpload, AServerThatNeverAnswersFailsAfterTheLoginTimeout) {
    QTcpServer silent; // takes the connection and says nothing
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    FeedbackSender sender(FeedbackServer::fromSettings(freeTdsOnLoopback(silent.serverPort())));
    QSignalSpy finished(&sender, &FeedbackSender::finished);
    QElapsedTimer clock;
    clock.start();
    sender.send({});
    ASSERT_TRUE(finished.wait(8000));
    EXPECT_FALSE(finished.at(0).at(0).toBool());
    EXPECT_GE(clock.elapsed(), 1500);
}

TEST(FeedbackUpload, ASlowServerIsCutAtTheDeadlineAndWhenQuitting) {
    TricklingServer trickling;
    FeedbackSettings settings = freeTdsOnLoopback(trickling.port());
    settings.connectOptions = "SQL_ATTR_LOGIN_TIMEOUT=5";
    {
        FeedbackSender sender(FeedbackServer::fromSettings(settings));
        sender.setDeadline(std::chrono::milliseconds(1000));
        QSignalSpy finished(&sender, &FeedbackSender::finished);
        sender.send({});
        ASSERT_TRUE(finished.wait(5000));
        EXPECT_FALSE(finished.at(0).at(0).toBool());
        EXPECT_FALSE(sender.isSending());
    }
    QElapsedTimer quitting;
    {
        FeedbackSender sender(FeedbackServer::fromSettings(settings));
        sender.send({});
        QTest::qWait(500);
        ASSERT_TRUE(sender.isSending());
        quitting.start();
    }
    EXPECT_LT(quitting.elapsed(), 2000);
}

TEST(FeedbackUpload, TheSenderAnswersOnItsOwnThread) {
    test::FeedbackTestServer server;
    FeedbackSender sender(server.server());
    QSignalSpy finished(&sender, &FeedbackSender::finished);
    FeedbackReport report;
    report.remark = "异步";
    sender.send(report);
    EXPECT_TRUE(sender.isSending());
    sender.send(report); // ignored while the first runs
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_TRUE(finished.at(0).at(0).toBool());
    EXPECT_FALSE(sender.isSending());
    EXPECT_EQ(server.rows().size(), 1);
}

TEST(FeedbackConfig, TheConnectionStringComesFromTheSettingsWithBracedCredentials) {
    QTemporaryDir dir;
    QFile ini(dir.filePath("velkora.ini"));
    ini.open(QIODevice::WriteOnly);
    ini.write("[feedback]\nhost=fb.example.test\nport=2433\nuser=sa\n"
              "password=\"p;w}d={x\"\ncatalog=yiyaofk\n"
              "connect_options=SQL_ATTR_LOGIN_TIMEOUT=3\n");
    ini.close();
    const FeedbackServer server =
        FeedbackServer::fromSettings(AppConfig::load(ini.fileName()).feedback);
    EXPECT_EQ(server.driver, "QODBC");
    EXPECT_EQ(server.driverDatabaseName(),
              "DRIVER={FreeTDS};DATABASE={yiyaofk};UID={sa};PWD={p;w}}d={x};TDS_Version=7.4;"
              "ClientCharset=UTF-8;Timeout=10;SERVER={fb.example.test};PORT=2433");
    EXPECT_EQ(server.connectOptions, "SQL_ATTR_LOGIN_TIMEOUT=3");

    // The shipped settings: the server's values, none of them in the code.
    const AppConfig shipped = AppConfig::load(VELKORA_SOURCE_DIR "/assets/velkora.ini");
    EXPECT_EQ(shipped.feedback.user, "sa");
    EXPECT_EQ(shipped.feedback.catalog, "yiyaofk");
    EXPECT_FALSE(shipped.feedback.password.isEmpty());
    EXPECT_TRUE(AppConfig{}.feedback.user.isEmpty());
}
