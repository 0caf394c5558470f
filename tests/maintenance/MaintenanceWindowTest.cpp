#include "app/ProgramFolder.h"
#include "maintenance/BackupNames.h"
#include "maintenance/BackupWindow.h"
#include "maintenance/BankBackup.h"
#include "maintenance/RestoreWindow.h"
#include "support/RecordingMessages.h"
#include "support/TestBank.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkora;

namespace {

class MaintenanceWindows : public ::testing::Test {
protected:
    MaintenanceWindows() : folder(bank.folder()) {
        bank.writer().setQuestionCount("7");
        QDir(backupDir.path()).mkpath("数据备份");
    }
    void trigger(QWidget &window, const char *name) {
        QAction *action = window.findChild<QAction *>(name);
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
    }
    // The dialog answers `path`, and records what it was preset with.
    void choose(BankFileWindow &window, const QString &path) {
        window.setFileChooser([this, path](const QString &preset) {
            presets << preset;
            return path;
        });
        trigger(window, "Button1");
    }
    QString outside(const QString &name) const { return QDir(backupDir.path()).filePath(name); }
    QString questionCount() const { return bank.scalar("SELECT kemugeshu FROM geshu"); }

    test::TestBank bank;
    ProgramFolder folder;
    test::RecordingMessages messages;
    QTemporaryDir backupDir;
    QStringList presets;
};

} // namespace

TEST(BackupNames, SuggestsTheMarkAndAShortDateAFileNameCanHold) {
    const QDate day(2026, 12, 9);
    for (const char *locale : {"zh_CN", "en_US", "de_DE", "C"}) {
        const QString name = backupNames::suggested(day, QLocale(locale));
        EXPECT_TRUE(name.startsWith("数据备份")) << locale;
        EXPECT_TRUE(name.contains("9")) << name.toStdString();
        for (const QChar c : QStringLiteral("/\\:*?\"<>|"))
            EXPECT_FALSE(name.contains(c)) << name.toStdString();
    }
    EXPECT_EQ(backupNames::suggested(day, QLocale("zh_CN")), "数据备份2026-12-9");
}

TEST_F(MaintenanceWindows, BackupWindowLooksAsDesigned) {
    BackupWindow window(folder, bank.connection(), messages);
    EXPECT_EQ(window.objectName(), "TForm13");
    EXPECT_EQ(window.windowTitle(), "数据备份");
    EXPECT_EQ(window.size(), QSize(400, 200));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(window.findChild<QLineEdit *>("Edit1")->isReadOnly());
    QStringList buttons;
    for (const QPushButton *button : window.findChildren<QPushButton *>())
        buttons << button->accessibleName();
    EXPECT_EQ(buttons, (QStringList{"...", "确定", "取消"}));
    RestoreWindow restore(folder, bank.connection(), messages);
    EXPECT_EQ(restore.objectName(), "TForm14");
    EXPECT_EQ(restore.windowTitle(), "数据还原");
    EXPECT_FALSE(restore.findChild<QLineEdit *>("Edit1")->isReadOnly());
}

TEST_F(MaintenanceWindows, BackupWritesTheChosenFileAndCloses) {
    BackupWindow window(folder, bank.connection(), messages);
    window.show();
    trigger(window, "Button2");
    EXPECT_EQ(messages.shown, QStringList{"请选择备份路径！"});
    EXPECT_TRUE(window.isVisible());

    const QString target = outside("数据备份2026-12-09");
    QFile earlier(target);
    earlier.open(QIODevice::WriteOnly);
    earlier.write("older");
    earlier.close();
    choose(window, target);
    ASSERT_EQ(presets.size(), 1);
    EXPECT_TRUE(QFileInfo(presets[0]).fileName().startsWith("数据备份"));
    EXPECT_EQ(window.pathEdit()->text(), QDir::toNativeSeparators(target));

    trigger(window, "Button2");
    EXPECT_EQ(messages.shown.last(), "备份成功！");
    EXPECT_FALSE(window.isVisible());
    QFile copy(target);
    copy.open(QIODevice::ReadOnly);
    EXPECT_TRUE(copy.read(16).startsWith("SQLite format 3"));
}

TEST_F(MaintenanceWindows, AFailedBackupKeepsTheWindowOpen) {
    BackupWindow window(folder, bank.connection(), messages);
    window.show();
    choose(window, outside("数据备份")); // a folder of that name
    trigger(window, "Button2");
    EXPECT_EQ(messages.shown, QStringList{"备份失败，请重试！"});
    EXPECT_TRUE(window.isVisible());
    // The next "..." starts in the folder of the last choice.
    choose(window, QString());
    EXPECT_EQ(QFileInfo(presets.last()).absolutePath(), backupDir.path());
    EXPECT_EQ(window.pathEdit()->text(), QDir::toNativeSeparators(outside("数据备份")));
}

TEST_F(MaintenanceWindows, RestoreAcceptsOnlyBackupPaths) {
    RestoreWindow window(folder, bank.connection(), messages);
    const QString named = outside("数据备份 2026.mdb.bak");
    const QString inFolder = outside("数据备份/med.mdb");
    const QString elsewhere = outside("med.mdb");
    for (const QString &path : {named, inFolder, elsewhere})
        ASSERT_TRUE(BankBackup::write(bank.filePath(), path));

    choose(window, named);
    EXPECT_EQ(window.pathEdit()->text(), QDir::toNativeSeparators(named));
    choose(window, elsewhere);
    EXPECT_EQ(messages.shown, QStringList{"请恢复您备份的文件！"});
    EXPECT_EQ(window.pathEdit()->text(), QDir::toNativeSeparators(named));
    EXPECT_EQ(window.chosenFile(), named);
    choose(window, inFolder);
    EXPECT_EQ(window.chosenFile(), inFolder);
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST_F(MaintenanceWindows, RestoreWithoutAChosenFileFailsAndKeepsTheBank) {
    RestoreWindow window(folder, bank.connection(), messages);
    QSignalSpy restored(&window, &RestoreWindow::bankRestored);
    window.show();
    trigger(window, "Button2");
    EXPECT_EQ(messages.shown, QStringList{"请选择恢复路径！"});

    const QString typed = outside("数据备份.mdb.bak");
    ASSERT_TRUE(BankBackup::write(bank.filePath(), typed));
    window.pathEdit()->setText(typed);
    trigger(window, "Button2");
    EXPECT_EQ(messages.shown.last(), "恢复失败，请重试!");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(restored.count(), 0);
    EXPECT_EQ(questionCount(), "7");
}

TEST_F(MaintenanceWindows, RestoreReplacesTheBankFromTheLastChoice) {
    const QString backup = outside("数据备份.mdb.bak");
    ASSERT_TRUE(BankBackup::write(bank.filePath(), backup));
    bank.writer().setQuestionCount("8");

    RestoreWindow window(folder, bank.connection(), messages);
    QSignalSpy restored(&window, &RestoreWindow::bankRestored);
    window.show();
    choose(window, backup);
    window.pathEdit()->setText("anything typed");
    trigger(window, "Button2");
    EXPECT_EQ(messages.shown, QStringList{"成功恢复数据！"});
    EXPECT_EQ(restored.count(), 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(bank.connection().isOpen());
    EXPECT_EQ(questionCount(), "7");
}

TEST_F(MaintenanceWindows, AFileThatIsNoBankIsRefusedOnConfirm) {
    const QString text = outside("数据备份.txt");
    QFile file(text);
    file.open(QIODevice::WriteOnly);
    file.write("not a bank");
    file.close();
    RestoreWindow window(folder, bank.connection(), messages);
    window.show();
    choose(window, text);
    trigger(window, "Button2");
    EXPECT_EQ(messages.shown, QStringList{"恢复失败，请重试!"});
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(questionCount(), "7");
}
