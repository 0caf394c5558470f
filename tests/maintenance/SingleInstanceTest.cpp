#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A start of the instance child on `folder`.
class Start {
public:
    explicit Start(const QString &folder) {
        m_process.start(VELKORA_INSTANCE_CHILD, {folder});
        m_process.waitForStarted(5000);
    }
    ~Start() {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(5000))
            kill();
    }
    // The next line the program prints; empty when none comes in time.
    QByteArray nextLine() {
        while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) {
        }
        return m_process.readLine().trimmed();
    }
    bool endsWith(int exitCode) {
        return m_process.waitForFinished(10000) && m_process.exitCode() == exitCode;
    }
    void kill() {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

private:
    QProcess m_process;
};

} // namespace

TEST(SingleInstance, ASecondStartBringsTheFirstToTheFrontAndEnds) {
    QTemporaryDir data;
    QTemporaryDir otherData;
    Start first(data.path());
    ASSERT_EQ(first.nextLine(), "first");

    Start second(data.path());
    EXPECT_EQ(second.nextLine(), "handed over");
    EXPECT_TRUE(second.endsWith(0));
    EXPECT_EQ(first.nextLine(), "to front");

    // Another data folder is another bank: that program runs.
    Start elsewhere(otherData.path());
    EXPECT_EQ(elsewhere.nextLine(), "first");

    // A killed program's lock and socket do not keep the next start out.
    first.kill();
    Start next(data.path());
    EXPECT_EQ(next.nextLine(), "first");
}
