#include "base/ProgramFolder.h"
#include "store/BankFile.h"
#include "store/BankWriter.h"
#include "store/ScopedDatabase.h"
#include "store/Sql.h"
#include "store/StudyLog.h"
#include "support/RecordingMessages.h"
#include "update/DataDates.h"
#include "update/PackagedBankOffer.h"
#include "update/UpdateRun.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHttpServer>
#include <QHttpServerResponder>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>
#include <set>
#include <string>

using namespace velkora;

namespace {

const QString subject = QStringLiteral("职业病");

// A bank of `questions` single-choice questions (ids 1, 2, ...) whose
// question count `geshu` carries `edition`, so a test can tell banks apart.
void makeBank(const QString &path, const QString &edition, int questions,
              const QString &bankSubject = subject) {
    QDir().mkpath(QFileInfo(path).path());
    writeBankFile(path, [&](BankWriter &writer) {
        writer.setSubject(QStringLiteral("7"), bankSubject);
        writer.setQuestionCount(edition);
        writer.setExamSettings({20, 10, 2, 2}, 20);
        writer.addQuestionType(3, 1, QStringLiteral("A1型题"));
        const RowId part = writer.addNode(QStringLiteral("基础知识"), 0, 1);
        const RowId chapter =
            writer.addNode(QStringLiteral("第一节"), writer.addNode("第一章", part, 2), 3);
        const RowId group = writer.addGroup(chapter, 3);
        for (int i = 1; i <= questions; ++i)
            writer.addQuestion(group, QStringLiteral("题%1").arg(i), QStringLiteral("A"), {},
                               {QStringLiteral("甲"), QStringLiteral("乙")});
    });
}

QByteArray contentOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The first value a query finds, as text that a failing test prints.
std::string scalar(const QString &bankPath, const QString &query) {
    const ScopedDatabase bank = ScopedDatabase::readOnlySqlite(bankPath);
    if (!bank.database().open())
        return "<does not open>";
    QSqlQuery q(bank.database());
    return q.exec(query) && q.next() ? q.value(0).toString().toStdString() : "<none>";
}

// A learner's bank of five questions: favourites 1 and 5, question 2 in the
// wrong-question bank, own exam settings, answers logged for 1 and 5, and a
// table of the program's own keyed by question (a review schedule).
void makeLearnersBank(const QString &path) {
    makeBank(path, QStringLiteral("旧版"), 5);
    ScopedDatabase bank(QStringLiteral("QSQLITE"), path);
    ASSERT_TRUE(bank.open());
    const QSqlDatabase db = bank.database();
    sql::run(db, "UPDATE question SET scbt = '1' WHERE id IN (1, 5)");
    sql::run(db, "UPDATE question SET ct = '1' WHERE id = 2");
    sql::run(db, "UPDATE ts SET txs = '7' WHERE rowid = 2");
    StudyLog log(db);
    log.createTables();
    log.recordPractice({1, {{1, true}, {5, false}}});
    sql::run(db, "CREATE TABLE velkora_review (question_id INTEGER PRIMARY KEY, due TEXT)");
    sql::run(db, "INSERT INTO velkora_review VALUES (1, '2026-12-10'), (5, '2026-12-11')");
    sql::run(db, "CREATE TABLE velkora_search_text (rowid INTEGER PRIMARY KEY, body TEXT)");
}

QByteArray releaseFile(const QString &date, const QByteArray &bank) {
    return "[File1]\r\nDate=" + date.toLatin1() + "\r\n[Bank]\r\nFile=med-new.mdb" +
           "\r\nSize=" + QByteArray::number(bank.size()) +
           "\r\nSha256=" + QCryptographicHash::hash(bank, QCryptographicHash::Sha256).toHex() +
           "\r\n";
}

// The update server on loopback, serving files by name from the subject's
// folder.
class BankServer {
public:
    BankServer() {
        m_server.setMissingHandler(
            [this](const QHttpServerRequest &request, QHttpServerResponder &&responder) {
                const QString name = request.url().fileName();
                if (files.contains(name))
                    responder.write(files.value(name), "application/octet-stream");
                else
                    responder.write(QHttpServerResponder::StatusCode::NotFound);
            });
        port = m_server.listen(QHostAddress::LocalHost);
    }
    QString infoUrl() const {
        return QString("http://127.0.0.1:%1/yiyaozj/x/Predate.ini").arg(port);
    }

    QHash<QString, QByteArray> files;
    quint16 port = 0;

private:
    QHttpServer m_server;
};

// An update server that publishes `release` and, asked for anything else,
// announces the whole bank but sends its first bytes only, then nothing.
class StallingServer {
public:
    StallingServer(const QByteArray &release, const QByteArray &bank) {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this, release, bank] {
            QTcpSocket *client = m_server.nextPendingConnection();
            QObject::connect(client, &QTcpSocket::readyRead, client, [client, release, bank] {
                const bool info = client->readAll().contains("Predate.ini");
                const QByteArray &body = info ? release : bank;
                client->write(
                    "HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body.size()) +
                    "\r\n\r\n" + (info ? body : body.left(1000)));
            });
        });
    }
    QString infoUrl() const {
        return QString("http://127.0.0.1:%1/yiyaozj/x/Predate.ini").arg(m_server.serverPort());
    }

private:
    QTcpServer m_server;
};

class BankUpdates : public ::testing::Test {
protected:
    BankUpdates() {
        makeLearnersBank(folder.bankPath());
        dataDates::record(folder.learnerDatePath(), dataDates::dateKey, QDate(2026, 11, 30));
        makeBank(dir.filePath("published.mdb"), QStringLiteral("新版"), 4);
        published = contentOf(dir.filePath("published.mdb"));
        server.files["med-new.mdb"] = published;
        server.files["Predate.ini"] = releaseFile("2026-12-01", published);
    }
    // Runs the updater's work to its end; whether it updated, and its message.
    std::pair<bool, QString> runUpdate(const QString &infoUrl) {
        UpdateRun run(folder, infoUrl);
        run.setStallTimeout(std::chrono::milliseconds(300));
        run.setLockRetry(std::chrono::milliseconds(20));
        QSignalSpy done(&run, &UpdateRun::finished);
        run.start();
        EXPECT_TRUE(done.wait(20000));
        return done.isEmpty() ? std::pair{false, QString()}
                              : std::pair{done[0][0].toBool(), done[0][1].toString()};
    }
    std::string bankValue(const QString &query) const { return scalar(folder.bankPath(), query); }

    QTemporaryDir dir;
    ProgramFolder folder{dir.path()};
    QByteArray published;
    BankServer server;
};

} // namespace

TEST_F(BankUpdates, ANewBankKeepsTheLearnersRecordsOfTheQuestionsItStillHas) {
    const auto [updated, message] = runUpdate(server.infoUrl());
    ASSERT_TRUE(updated) << message.toStdString();
    EXPECT_EQ(bankValue("SELECT kemugeshu FROM geshu"), "新版");
    // Question 5 is gone from the new bank, and with it what was kept of it.
    EXPECT_EQ(bankValue("SELECT group_concat(id) FROM question WHERE scbt = '1'"), "1");
    EXPECT_EQ(bankValue("SELECT group_concat(id) FROM question WHERE ct = '1'"), "2");
    EXPECT_EQ(bankValue("SELECT group_concat(txs) FROM ts"), "20,7,2,2");
    EXPECT_EQ(bankValue("SELECT group_concat(question_id) FROM velkora_practice_log"), "1");
    EXPECT_EQ(bankValue("SELECT group_concat(due) FROM velkora_review"), "2026-12-10");
    EXPECT_EQ(bankValue("SELECT count(*) FROM velkora_exam_log"), "0");
    EXPECT_EQ(bankValue("SELECT count(*) FROM sqlite_master WHERE name LIKE 'velkora_search%'"),
              "0");
    EXPECT_EQ(dataDates::read(folder.learnerDatePath()), QDate(2026, 12, 1));
    EXPECT_EQ(QDir(dir.filePath("Data")).entryList(QDir::Files | QDir::Hidden),
              QStringList{"med.mdb"});
}

TEST_F(BankUpdates, TheBankIsReplacedOnlyAfterTheProgramClosedItWithWhatItDidMeanwhile) {
    QLockFile program(folder.lockPath());
    ASSERT_TRUE(program.tryLock(0));
    UpdateRun run(folder, server.infoUrl());
    run.setLockRetry(std::chrono::milliseconds(20));
    QSignalSpy steps(&run, &UpdateRun::stepChanged);
    QSignalSpy done(&run, &UpdateRun::finished);
    run.start();
    QTRY_VERIFY_WITH_TIMEOUT(
        !steps.isEmpty() && steps.last()[0].toString().contains("请关闭 Velkora"), 10000);
    QTest::qWait(100);
    EXPECT_TRUE(done.isEmpty());
    EXPECT_EQ(bankValue("SELECT kemugeshu FROM geshu"), "旧版");
    {
        // The learner marks one more favourite before closing the program.
        ScopedDatabase bank(QStringLiteral("QSQLITE"), folder.bankPath());
        ASSERT_TRUE(bank.open());
        sql::run(bank.database(), "UPDATE question SET scbt = '1' WHERE id = 3");
    }
    program.unlock();
    ASSERT_TRUE(done.wait(10000));
    EXPECT_TRUE(done[0][0].toBool());
    EXPECT_EQ(bankValue("SELECT group_concat(id) FROM question WHERE scbt = '1'"), "1,3");
}

TEST_F(BankUpdates, AFailedUpdateLeavesTheOldBankAndSaysWhy) {
    const QByteArray before = contentOf(folder.bankPath());
    makeBank(dir.filePath("other.mdb"), QStringLiteral("新版"), 4, QStringLiteral("内科学"));
    const QByteArray otherSubject = contentOf(dir.filePath("other.mdb"));
    const QByteArray garbage = QByteArray("SQLite format 3").append(QByteArray(50000, '\x5a'));
    StallingServer stalling(releaseFile("2026-12-01", published), published);

    struct Case {
        const char *what;
        QByteArray release;
        QByteArray served;
        const char *told;
        QString url = {};
    };
    const Case cases[] = {
        {"truncated", releaseFile("2026-12-01", published), published.left(published.size() / 2),
         "下载的题库不完整"},
        {"garbage", releaseFile("2026-12-01", garbage), garbage, "不是题库"},
        {"another subject", releaseFile("2026-12-01", otherSubject), otherSubject, "内科学"},
        {"stalling", {}, {}, "没有应答", stalling.infoUrl()},
        {"no bank published", "[File1]\r\nDate=2026-12-01\r\n", {}, "还没有新的题库"},
    };
    for (const Case &c : cases) {
        server.files["Predate.ini"] = c.release;
        server.files["med-new.mdb"] = c.served;
        const auto [updated, message] = runUpdate(c.url.isEmpty() ? server.infoUrl() : c.url);
        EXPECT_FALSE(updated) << c.what;
        EXPECT_TRUE(message.contains(QString::fromUtf8(c.told)))
            << c.what << ": " << message.toStdString();
        EXPECT_EQ(contentOf(folder.bankPath()), before) << c.what;
        EXPECT_EQ(dataDates::read(folder.learnerDatePath()), QDate(2026, 11, 30)) << c.what;
    }
    EXPECT_EQ(QDir(dir.filePath("Data")).entryList(QDir::Files | QDir::Hidden),
              QStringList{"med.mdb"});
}

TEST(PackagedBank, AnInstalledProgramOffersItsNewerBankOnce) {
    QTemporaryDir program, learnerFiles;
    const ProgramFolder folder =
        ProgramFolder(program.path()).withLearnerFiles(learnerFiles.path());
    makeBank(folder.installedBankPath(), QStringLiteral("新版"), 4);
    dataDates::record(folder.installedDatePath(), dataDates::dateKey, QDate(2026, 12, 1));
    makeLearnersBank(folder.bankPath());
    dataDates::record(folder.learnerDatePath(), dataDates::dateKey, QDate(2026, 6, 1));

    test::RecordingMessages messages;
    messages.answers = {false};
    EXPECT_FALSE(PackagedBankOffer(folder).offer(messages));
    EXPECT_EQ(scalar(folder.bankPath(), "SELECT kemugeshu FROM geshu"), "旧版");
    EXPECT_FALSE(PackagedBankOffer(folder).offer(messages)); // not asked again
    EXPECT_EQ(messages.shown.size(), 1);

    // A later program with newer data asks again; Yes carries the records.
    dataDates::record(folder.installedDatePath(), dataDates::dateKey, QDate(2027, 1, 10));
    messages.answers = {true};
    EXPECT_TRUE(PackagedBankOffer(folder).offer(messages));
    EXPECT_EQ(scalar(folder.bankPath(), "SELECT kemugeshu FROM geshu"), "新版");
    EXPECT_EQ(scalar(folder.bankPath(), "SELECT group_concat(id) FROM question WHERE scbt='1'"),
              "1");
    EXPECT_EQ(scalar(folder.installedBankPath(), "SELECT count(*) FROM question WHERE scbt='1'"),
              "0");
    EXPECT_EQ(dataDates::read(folder.learnerDatePath()), QDate(2027, 1, 10));
    EXPECT_FALSE(PackagedBankOffer(folder).due());
}

TEST(UpdateKill, AKilledReplacementLeavesTheOldOrTheNewBankWithTheRecords) {
    QTemporaryDir dir;
    const ProgramFolder folder(dir.path());
    makeLearnersBank(folder.bankPath());
    // Banks large enough that carrying and copying take a few milliseconds.
    makeBank(dir.filePath("a.mdb"), QStringLiteral("甲版"), 3000);
    makeBank(dir.filePath("b.mdb"), QStringLiteral("乙版"), 3000);

    QRandomGenerator random(20261209); // fixed, so a failing run can be repeated
    std::set<std::string> seen;
    for (int kill = 0; kill < 40; ++kill) {
        QProcess child;
        child.start(VELKORA_UPDATE_CHILD,
                    {dir.path(), dir.filePath("a.mdb"), dir.filePath("b.mdb")});
        ASSERT_TRUE(child.waitForStarted(5000));
        QThread::msleep(random.bounded(5, 120));
        ASSERT_EQ(child.state(), QProcess::Running) << "the child stopped on its own";
        child.kill();
        ASSERT_TRUE(child.waitForFinished(5000));
        const std::string edition = scalar(folder.bankPath(), "SELECT kemugeshu FROM geshu");
        ASSERT_TRUE(edition == "旧版" || edition == "甲版" || edition == "乙版")
            << "after kill " << kill << ": " << edition;
        ASSERT_EQ(scalar(folder.bankPath(), "PRAGMA integrity_check"), "ok");
        ASSERT_EQ(scalar(folder.bankPath(),
                         "SELECT group_concat(id) FROM question WHERE scbt = '1' AND id < 5"),
                  "1");
        ASSERT_EQ(scalar(folder.bankPath(), "SELECT group_concat(question_id) FROM "
                                            "velkora_practice_log WHERE question_id < 5"),
                  "1");
        seen.insert(edition);
    }
    EXPECT_GE(seen.size(), 2) << "no kill fell after a replacement";
}
