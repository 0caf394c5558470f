#include "feedback/ErrorReportWindow.h"
#include "FeedbackTestServer.h"
#include "support/RecordingMessages.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace velkora;

namespace {

class ErrorReportSending : public ::testing::Test {
protected:
    ErrorReportSending() {
        window.setMessages(messages);
        window.setFeedbackServer(server.server());
        window.openFor({{}, "题干'一'", "42", "职业病"});
        window.reason(2)->setChecked(true);
        window.remark()->setPlainText("图片\n看不清");
    }
    void trigger(const char *name) { window.findChild<QAction *>(name)->trigger(); }
    void expectEntriesKept() {
        EXPECT_TRUE(window.reason(2)->isChecked());
        EXPECT_EQ(window.remark()->toPlainText(), "图片\n看不清");
    }

    test::FeedbackTestServer server;
    test::RecordingMessages messages;
    ErrorReportWindow window{QString()};
};

} // namespace

TEST_F(ErrorReportSending, ConfirmSendsTheReportAndClosesTheWindow) {
    QSignalSpy confirmed(&window, &ErrorReportWindow::confirmed);
    trigger("Button1");
    // While the report is on its way the learner cannot send it twice.
    EXPECT_FALSE(window.confirmButton()->isEnabled());
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    ASSERT_TRUE(confirmed.wait(5000));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(messages.shown, QStringList{"您的问题已经反馈成功，谢谢您的反馈！"});
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(window.confirmButton()->isEnabled());
    const QList<QStringList> rows = server.rows();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].mid(0, 3), (QStringList{"职业病", "42", "题干'一'"}));
    EXPECT_EQ(rows[0][5], "1");
    EXPECT_EQ(rows[0][13], "图片\n看不清");
}

TEST_F(ErrorReportSending, AFailedSendKeepsTheWindowAndEverythingEntered) {
    server.dropTable();
    QSignalSpy confirmed(&window, &ErrorReportWindow::confirmed);
    window.confirmButton()->click();
    QTRY_VERIFY_WITH_TIMEOUT(!messages.shown.isEmpty(), 5000);
    EXPECT_EQ(messages.shown, QStringList{"反馈失败！"});
    EXPECT_EQ(confirmed.count(), 0);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.confirmButton()->isEnabled());
    expectEntriesKept();
}

TEST_F(ErrorReportSending, CancelSendsNothingAndKeepsTheEntries) {
    window.cancelButton()->click();
    EXPECT_FALSE(window.isVisible());
    QTest::qWait(100);
    EXPECT_TRUE(server.rows().isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());
    expectEntriesKept();
}

TEST(ErrorReportWindowAlone, WithoutAServerTheReportFailsPlainly) {
    test::RecordingMessages messages;
    ErrorReportWindow window{QString()};
    window.setMessages(messages);
    window.findChild<QAction *>("Button1")->trigger();
    EXPECT_EQ(messages.shown, QStringList{"反馈失败！"});
}
