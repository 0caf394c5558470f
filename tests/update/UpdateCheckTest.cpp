#include "update/UpdateCheck.h"
#include "base/AppConfig.h"
#include "support/RecordingMessages.h"
#include "update/DataDates.h"

#include <QDir>
#include <QFile>
#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace velkora;

namespace {

const QString subject = QStringLiteral("职业病");
const QByteArray encodedSubject = "%E8%81%8C%E4%B8%9A%E7%97%85";

QByteArray dateFile(const QString &date) {
    return "[File1]\r\nDate=" + date.toLatin1() + "\r\n";
}

QString dayFromToday(int days) {
    return QDate::currentDate().addDays(days).toString("yyyy-MM-dd");
}

// The update server on loopback: answers every request with `status` and
// `body`, and records what was asked.
class PublishingServer {
public:
    PublishingServer() {
        m_server.setMissingHandler(
            [this](const QHttpServerRequest &request, QHttpServerResponder &&responder) {
                paths << request.url().path(QUrl::FullyEncoded);
                userAgents << request.value("User-Agent");
                accepts << request.value("Accept");
                responder.write(body, "text/plain", status);
            });
        port = m_server.listen(QHostAddress::LocalHost);
    }
    QString host() const { return QString("127.0.0.1:%1").arg(port); }

    QHttpServerResponder::StatusCode status = QHttpServerResponder::StatusCode::Ok;
    QByteArray body;
    QStringList paths;
    QByteArrayList userAgents, accepts;
    quint16 port = 0;

private:
    QHttpServer m_server;
};

// An update server that writes its answer by hand: a body of `size` bytes
// without announcing its length, or, with `size` 0, a published file one
// byte every 50 ms without end.
class RawAnswerServer {
public:
    explicit RawAnswerServer(qsizetype size) {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this, size] {
            QTcpSocket *client = m_server.nextPendingConnection();
            QObject::connect(client, &QTcpSocket::readyRead, client, [this, client, size] {
                client->readAll();
                client->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n"
                              "Connection: close\r\n\r\n");
                if (size > 0) {
                    client->write(QByteArray(size, 'x'));
                    client->disconnectFromHost();
                    return;
                }
                QObject::connect(&m_trickle, &QTimer::timeout, client,
                                 [client] { client->write(dateFile("2099-01-01").left(1)); });
                m_trickle.start(50);
            });
        });
    }
    QString url() const {
        return QString("http://127.0.0.1:%1/yiyaozj/x/Predate.ini").arg(m_server.serverPort());
    }

private:
    QTcpServer m_server;
    QTimer m_trickle;
};

class UpdateChecks : public ::testing::Test {
protected:
    UpdateChecks() {
        write("predate.ini", dateFile("2026-11-30"));
        config.updateHost = server.host();
        check.setDeadline(std::chrono::milliseconds(500));
        check.setNetworkProbe([this] { return networkUp; });
    }
    void write(const QString &name, const QByteArray &content) {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(content);
    }
    QByteArray read(const QString &name) const {
        QFile file(dir.filePath(name));
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
    // An updater that leaves a mark in the program folder when it runs.
    void installStubUpdater() {
        write("app_upd", "#!/bin/sh\ntouch \"$(dirname \"$0\")/updater-ran\"\n");
        QFile::setPermissions(dir.filePath("app_upd"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool updaterRan() const { return QFile::exists(dir.filePath("updater-ran")); }
    void runStartupCheck(const QString &url) {
        QSignalSpy done(&check, &UpdateCheck::startupCheckDone);
        check.checkAtStartup(url);
        ASSERT_TRUE(done.wait(5000));
    }
    void runStartupCheck() { runStartupCheck(config.updateInfoUrl(subject)); }
    // Presses the toolbar's check `presses` times and waits for the answer.
    void runOnDemandCheck(int presses = 1) {
        QSignalSpy done(&check, &UpdateCheck::onDemandCheckDone);
        for (int i = 0; i < presses; ++i)
            check.checkOnDemand();
        ASSERT_TRUE(done.count() > 0 || done.wait(5000));
        QTest::qWait(50);
        EXPECT_EQ(done.count(), 1);
    }

    QTemporaryDir dir;
    PublishingServer server;
    AppConfig config;
    test::RecordingMessages messages;
    bool networkUp = true;
    UpdateCheck check{ProgramFolder(dir.path()), messages};
};

} // namespace

TEST(DataDates, AreReadAsCalendarDates) {
    EXPECT_EQ(dataDates::parse("2026-2-1"), QDate(2026, 2, 1));
    EXPECT_EQ(dataDates::parse(" 2026-02-01 "), QDate(2026, 2, 1));
    EXPECT_LT(*dataDates::parse("2026-2-1"), *dataDates::parse("2026-10-01"));
    for (const char *notADate : {"2026-13-01", "2026-2-30", "2026-12-01x", "", "<html>"})
        EXPECT_EQ(dataDates::parse(notADate), std::nullopt) << notADate;
}

TEST(DataDates, ReadsTheDateOrTellsItIsMissing) {
    QTemporaryDir dir;
    QFile file(dir.filePath("x.ini"));
    file.open(QIODevice::WriteOnly);
    file.write("[Other]\nDate=2030-01-01\n");
    file.close();
    EXPECT_EQ(dataDates::read(file.fileName()), std::nullopt);
    EXPECT_EQ(dataDates::read(dir.filePath("none.ini")), std::nullopt);
    EXPECT_EQ(dataDates::installed(dir.filePath("none.ini"), QDate(2026, 3, 4)), QDate(2026, 3, 4));
}

TEST(UpdateAddress, CarriesTheSubjectPercentEncoded) {
    AppConfig config;
    config.updateHost = "data.example.test:8080";
    EXPECT_EQ(config.updateInfoUrl(subject),
              "http://data.example.test:8080/yiyaozj/" + encodedSubject + "/Predate.ini");
    EXPECT_EQ(config.updateInfoUrl("a/b c"),
              "http://data.example.test:8080/yiyaozj/a%2Fb%20c/Predate.ini");
    EXPECT_EQ(config.updateInfoUrl(QString()), QString());
    config.updateHost.clear();
    EXPECT_EQ(config.updateInfoUrl(subject), QString());
}

TEST_F(UpdateChecks, ALaterDateAnnouncesAndStartsTheUpdater) {
    installStubUpdater();
    server.body = dateFile("2026-12-01");
    runStartupCheck();
    EXPECT_EQ(messages.shown, QStringList{"软件需要更新"});
    EXPECT_EQ(messages.titles, QStringList{"信息"});
    QTRY_VERIFY_WITH_TIMEOUT(updaterRan(), 5000);
    EXPECT_EQ(read("tmp.ini"), server.body);
    ASSERT_EQ(server.paths.size(), 1);
    EXPECT_EQ(server.paths[0], "/yiyaozj/" + encodedSubject + "/Predate.ini");
    EXPECT_EQ(server.userAgents[0], "Mozilla/3.0 (compatible; Indy Library)");
    EXPECT_EQ(server.accepts[0], "text/html, */*");
}

TEST_F(UpdateChecks, EqualAndEarlierDatesDoNothing) {
    installStubUpdater();
    // "2026-2-1" is February, whatever its text says; "2026-13-01" is no date.
    for (const char *date : {"2026-11-30", "2026-11-29", "2026-2-1", "2026-13-01"}) {
        server.body = dateFile(date);
        runStartupCheck();
        EXPECT_EQ(read("tmp.ini"), server.body);
    }
    QTest::qWait(200);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_FALSE(updaterRan());
}

TEST_F(UpdateChecks, FailedDownloadsKeepTheOldCopyAndSayNothing) {
    write("tmp.ini", dateFile("2026-01-01"));
    server.status = QHttpServerResponder::StatusCode::NotFound;
    server.body = dateFile("2099-01-01");
    runStartupCheck();

    QTcpServer silent; // accepts and never answers: the timeout ends the wait
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    runStartupCheck(QString("http://127.0.0.1:%1/yiyaozj/x/Predate.ini").arg(silent.serverPort()));

    const quint16 closed = silent.serverPort();
    silent.close();
    runStartupCheck(QString("http://127.0.0.1:%1/yiyaozj/x/Predate.ini").arg(closed));
    runStartupCheck(QString()); // the bank named no subject

    // The published file is a few bytes: larger answers and answers that
    // take longer than the deadline (however steadily they come) fail.
    server.status = QHttpServerResponder::StatusCode::Ok;
    server.body = dateFile("2099-01-01") + QByteArray(UpdateDownload::sizeCap, ';');
    runStartupCheck();
    RawAnswerServer unannounced(UpdateDownload::sizeCap + 1), trickling(0);
    runStartupCheck(unannounced.url());
    runStartupCheck(trickling.url());

    EXPECT_EQ(read("tmp.ini"), dateFile("2026-01-01"));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(UpdateChecks, AnErrorPageWithStatus200IsSavedAndAnnouncesNothing) {
    server.body = "<html><body>Service temporarily unavailable</body></html>";
    runStartupCheck();
    EXPECT_EQ(read("tmp.ini"), server.body);
    EXPECT_TRUE(messages.shown.isEmpty());
    runOnDemandCheck(); // fetches again, and still finds no date
    EXPECT_EQ(messages.shown, QStringList{"升级服务器没有给出数据日期，请稍后再试。"});
    EXPECT_EQ(server.paths.size(), 2);
}

TEST_F(UpdateChecks, WithoutPredateTheInstalledDataIsOfToday) {
    QFile::remove(dir.filePath("predate.ini"));
    server.body = dateFile(dayFromToday(0));
    runStartupCheck();
    EXPECT_TRUE(messages.shown.isEmpty());
    server.body = dateFile(dayFromToday(1)) + "; tomorrow\r\n"; // a size the cache has not seen
    runStartupCheck();
    EXPECT_EQ(messages.shown.first(), "软件需要更新");
}

TEST_F(UpdateChecks, OnDemandComparesTheCopyFetchedAtStartup) {
    networkUp = false;
    runOnDemandCheck();
    EXPECT_EQ(messages.shown, QStringList{"请检查网络连接"});

    networkUp = true;
    messages.shown.clear();
    server.body = dateFile("2026-11-30");
    runStartupCheck();
    runOnDemandCheck();
    EXPECT_EQ(messages.shown, QStringList{"当前数据已是最新版本"});

    installStubUpdater();
    messages.shown.clear();
    // Another size, so the settings cache cannot mistake it for the file read before.
    write("tmp.ini", dateFile("2026-12-01") + "; fetched again\r\n");
    runOnDemandCheck();
    EXPECT_EQ(messages.shown, QStringList{"软件需要更新"});
    QTRY_VERIFY_WITH_TIMEOUT(updaterRan(), 5000);
    EXPECT_EQ(server.paths.size(), 1); // no fetch but the start-up one
}

TEST_F(UpdateChecks, OnDemandFetchesAgainWhenTheStartupFetchFailed) {
    write("tmp.ini", dateFile("2026-11-30")); // from an earlier run
    server.status = QHttpServerResponder::StatusCode::ServiceUnavailable;
    runStartupCheck();
    runOnDemandCheck(2); // pressed again while the first waits: ignored
    EXPECT_EQ(messages.shown, QStringList{"无法连接升级服务器，请稍后再试。"});
    EXPECT_EQ(server.paths.size(), 2);

    messages.shown.clear();
    server.status = QHttpServerResponder::StatusCode::Ok;
    server.body = dateFile("2026-11-30") + "; today's copy\r\n";
    runOnDemandCheck();
    runOnDemandCheck(); // the copy of this run is compared
    EXPECT_EQ(messages.shown, (QStringList{"当前数据已是最新版本", "当前数据已是最新版本"}));
    EXPECT_EQ(server.paths.size(), 3);
}

TEST_F(UpdateChecks, OnDemandWhileTheStartupFetchRunsWaitsForIt) {
    server.body = dateFile("2026-12-01");
    QSignalSpy startupDone(&check, &UpdateCheck::startupCheckDone);
    check.checkAtStartup(config.updateInfoUrl(subject));
    runOnDemandCheck(2);
    EXPECT_EQ(messages.shown, QStringList{"软件需要更新"}); // told once
    EXPECT_EQ(startupDone.count(), 1);
    EXPECT_EQ(server.paths.size(), 1);
}

TEST_F(UpdateChecks, AMissingUpdaterSaysNothingMore) {
    server.body = dateFile("2026-12-01");
    runStartupCheck();
    QTest::qWait(100);
    EXPECT_EQ(messages.shown, QStringList{"软件需要更新"});
}
