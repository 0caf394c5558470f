#include "update/UpdateCheck.h"
#include "app/AppConfig.h"
#include "support/RecordingMessages.h"
#include "update/DataDates.h"

#include <QDir>
#include <QFile>
#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
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

class UpdateChecks : public ::testing::Test {
protected:
    UpdateChecks() {
        write("predate.ini", dateFile("2026-11-30"));
        config.updateHost = server.host();
        check.setTimeout(500);
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

    QTemporaryDir dir;
    PublishingServer server;
    AppConfig config;
    test::RecordingMessages messages;
    bool networkUp = true;
    UpdateCheck check{ProgramFolder(dir.path()), messages};
};

} // namespace

TEST(DataDates, ComparesTheTextsByteByByte) {
    EXPECT_TRUE(dataDates::isNewer("2026-12-01", "2026-11-30"));
    EXPECT_FALSE(dataDates::isNewer("2026-11-30", "2026-11-30"));
    EXPECT_FALSE(dataDates::isNewer("2026-11-29", "2026-11-30"));
    EXPECT_TRUE(dataDates::isNewer("2026-11-30x", "2026-11-30")); // the prefix is smaller
    EXPECT_TRUE(dataDates::isNewer("é", "z"));                    // bytes count unsigned
}

TEST(DataDates, ReadsTheDateOrTellsItIsMissing) {
    QTemporaryDir dir;
    QFile file(dir.filePath("x.ini"));
    file.open(QIODevice::WriteOnly);
    file.write("[Other]\nDate=2030-01-01\n");
    file.close();
    EXPECT_EQ(dataDates::read(file.fileName()), std::nullopt);
    EXPECT_EQ(dataDates::read(dir.filePath("none.ini")), std::nullopt);
    EXPECT_EQ(dataDates::installed(dir.filePath("none.ini"), QDate(2026, 3, 4)), "2026-03-04");
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
    for (const char *date : {"2026-11-30", "2026-11-29"}) {
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

    EXPECT_EQ(read("tmp.ini"), dateFile("2026-01-01"));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(UpdateChecks, AnErrorPageWithStatus200IsSavedAndAnnouncesNothing) {
    server.body = "<html><body>Service temporarily unavailable</body></html>";
    runStartupCheck();
    EXPECT_EQ(read("tmp.ini"), server.body);
    EXPECT_TRUE(messages.shown.isEmpty());
    check.checkOnDemand();
    EXPECT_EQ(messages.shown, QStringList{"当前数据已是最新版本"});
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

TEST_F(UpdateChecks, OnDemandComparesTheLastFetchedCopy) {
    networkUp = false;
    check.checkOnDemand();
    EXPECT_EQ(messages.shown, QStringList{"请检查网络连接"});

    networkUp = true;
    messages.shown.clear();
    check.checkOnDemand(); // nothing fetched yet
    write("tmp.ini", dateFile("2026-11-30"));
    check.checkOnDemand();
    EXPECT_EQ(messages.shown, (QStringList{"当前数据已是最新版本", "当前数据已是最新版本"}));

    installStubUpdater();
    messages.shown.clear();
    // Another size, so the settings cache cannot mistake it for the file read before.
    write("tmp.ini", dateFile("2026-12-01") + "; fetched again\r\n");
    check.checkOnDemand();
    EXPECT_EQ(messages.shown, QStringList{"软件需要更新"});
    QTRY_VERIFY_WITH_TIMEOUT(updaterRan(), 5000);
}

TEST_F(UpdateChecks, AMissingUpdaterTellsWhereTheDataCanBeHad) {
    server.body = dateFile("2026-12-01");
    runStartupCheck();
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[0], "软件需要更新");
    EXPECT_TRUE(messages.shown[1].contains("app_upd"));
    EXPECT_TRUE(messages.shown[1].contains(server.host() + "/yiyaozj/" + subject + "/"))
        << messages.shown[1].toStdString();
}
