#include "base/ProgramFolder.h"
#include "maintenance/BackupNames.h"
#include "maintenance/BackupWindow.h"
#include "maintenance/BankBackup.h"
#include "maintenance/RestoreWindow.h"
#include "support/RecordingMessages.h"
#include "support/TestBank.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace velkora;

namespace {

class MaintenanceWindows : public ::testing::Test {
protected:
    MaintenanceWindows() : folder(bank.folder()) {
        bank.addStandardTypes();
        bank.addChoice(bank.writer().addGroup(bank.addChapterPath(), test::SingleA1), "题", "A");
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
    QString writeText(const QString &name) const {
        QFile file(outside(name));
        file.open(QIODevice::WriteOnly);
        file.write("not a bank");
        return file.fileName();
    }
    QString makePipe(const QString &name) const {
        const QString path = outside(name);
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
    }

    test::TestBank bank;
    ProgramFolder folder;
    test::RecordingMessages messages;
    QTemporaryDir backupDir;
    QStringList presets;
};

} // namespace

TEST(BackupNames, SuggestsTheMarkAndTheDayInAFormEveryFileSystemHolds) {
    EXPECT_EQ(backupNames::suggested(QDate(2026, 12, 9)), "数据备份2026-12-09");
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

TEST_F(MaintenanceWindows, BothDialogsOpenInTheFolderOfTheLastBackup) {
    QDir(backupDir.path()).mkdir("kept");
    {
        BackupWindow window(folder, bank.connection(), messages);
        choose(window, outside("kept/数据备份"));
        trigger(window, "Button2");
        ASSERT_EQ(messages.shown, QStringList{"备份成功！"});
    }
    // Windows made anew, as at the next start of the program.
    BackupWindow backup(folder, bank.connection(), messages);
    choose(backup, QString());
    EXPECT_EQ(presets.last(), outside("kept/" + backupNames::suggested(QDate::currentDate())));
    RestoreWindow restore(folder, bank.connection(), messages);
    choose(restore, QString());
    EXPECT_EQ(presets.last(), outside("kept"));

    // A folder that is gone would be offered as a file name.
    ASSERT_TRUE(QDir(outside("kept")).removeRecursively());
    choose(restore, QString());
    EXPECT_TRUE(QFileInfo(presets.last()).isDir()) << presets.last().toStdString();
}

TEST_F(MaintenanceWindows, BackupShowsTheBusyCursorAndKeepsTheWindowResponsive) {
    BackupWindow window(folder, bank.connection(), messages);
    window.show();
    choose(window, outside("数据备份.bak"));
    // The program's own connection holds the bank until the window thread
    // lets go of it: the copy waits for that, so the window thread must go
    // on handling events while the copy runs.
    bank.exec("BEGIN EXCLUSIVE");
    bool busyMeanwhile = false;
    QTimer::singleShot(0, [&] {
        const QCursor *cursor = QGuiApplication::overrideCursor();
        busyMeanwhile = cursor && cursor->shape() == Qt::WaitCursor && !window.isEnabled();
        bank.exec("COMMIT");
    });
    trigger(window, "Button2");
    EXPECT_TRUE(busyMeanwhile);
    EXPECT_EQ(messages.shown, QStringList{"备份成功！"});
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(window.isEnabled());
}

TEST_F(MaintenanceWindows, RestoreTakesBackupsByNameAndOtherFilesOnlyAsBanks) {
    RestoreWindow window(folder, bank.connection(), messages);
    const QString named = outside("数据备份 2026.mdb.bak");
    const QString inFolder = outside("数据备份/med.mdb");
    const QString elsewhere = outside("med.mdb");
    for (const QString &path : {named, inFolder, elsewhere})
        ASSERT_TRUE(BankBackup::write(bank.filePath(), path));
    const QString notes = writeText("notes.txt");
    const QString pipe = makePipe("pipe");
    ASSERT_FALSE(pipe.isEmpty());

    choose(window, named);
    EXPECT_EQ(window.pathEdit()->text(), QDir::toNativeSeparators(named));
    for (const QString &refused : {notes, pipe}) {
        choose(window, refused);
        EXPECT_EQ(window.pathEdit()->text(), QDir::toNativeSeparators(named));
    }
    EXPECT_EQ(messages.shown, QStringList(2, "请恢复您备份的文件！"));
    for (const QString &taken : {elsewhere, inFolder}) {
        choose(window, taken);
        EXPECT_EQ(window.pathEdit()->text(), QDir::toNativeSeparators(taken));
    }
    EXPECT_EQ(messages.shown.size(), 2);
}

TEST_F(MaintenanceWindows, RestoreWithAnEmptyOrWrongPathKeepsTheBank) {
    RestoreWindow window(folder, bank.connection(), messages);
    QSignalSpy restored(&bank.connection(), &BankConnection::reopened);
    window.show();
    trigger(window, "Button2");
    EXPECT_EQ(messages.shown, QStringList{"请选择恢复路径！"});

    window.pathEdit()->setText(outside("数据备份-none"));
    trigger(window, "Button2");
    EXPECT_TRUE(messages.shown.last().startsWith("找不到文件"));
    EXPECT_TRUE(messages.shown.last().contains(outside("数据备份-none")));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(restored.count(), 0);
    EXPECT_EQ(questionCount(), "7");
}

TEST_F(MaintenanceWindows, RestoreReplacesTheBankWithTheFileItsBoxShows) {
    const QString chosen = outside("数据备份-7");
    ASSERT_TRUE(BankBackup::write(bank.filePath(), chosen));
    bank.writer().setQuestionCount("8");
    const QString typed = outside("数据备份-8");
    ASSERT_TRUE(BankBackup::write(bank.filePath(), typed));
    bank.writer().setQuestionCount("9");

    RestoreWindow window(folder, bank.connection(), messages);
    QSignalSpy restored(&bank.connection(), &BankConnection::reopened);
    window.show();
    choose(window, chosen);
    window.pathEdit()->setText(" " + typed + " ");
    trigger(window, "Button2");
    EXPECT_EQ(messages.shown, QStringList{"成功恢复数据！"});
    EXPECT_EQ(restored.count(), 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(bank.connection().isOpen());
    EXPECT_EQ(questionCount(), "8");
}

TEST_F(MaintenanceWindows, AFileThatIsNoBankIsRefusedOnConfirm) {
    const QString text = writeText("数据备份.txt");
    const QString pipe = makePipe("数据备份-2026-12-09");
    ASSERT_FALSE(pipe.isEmpty());
    RestoreWindow window(folder, bank.connection(), messages);
    window.show();
    for (const QString &path : {text, pipe}) {
        choose(window, path);
        trigger(window, "Button2");
    }
    EXPECT_EQ(messages.shown, QStringList(2, "请恢复您备份的文件！"));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(questionCount(), "7");
}

TEST_F(MaintenanceWindows, ARestoredBankThatDoesNotOpenIsToldAsRestored) {
    const QString backup = outside("数据备份.mdb.bak");
    ASSERT_TRUE(BankBackup::write(bank.filePath(), backup));
    // A connection without its driver opens no file: the bank it restores
    // cannot be opened afterwards.
    QSqlDatabase::addDatabase("VELKORA_NO_SUCH_DRIVER", "unopenable-bank");
    BankConnection unopenable(bank.filePath(), "unopenable-bank");
    unopenable.open(); // as the program's start-up does
    RestoreWindow window(folder, unopenable, messages);
    QSignalSpy restored(&unopenable, &BankConnection::reopened);
    window.show();
    choose(window, backup);
    trigger(window, "Button2");

    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].contains("已恢复")) << messages.shown[0].toStdString();
    EXPECT_TRUE(messages.shown[0].contains("无法打开")) << messages.shown[0].toStdString();
    EXPECT_EQ(restored.count(), 1);
    EXPECT_FALSE(window.isVisible());
    QFile restoredFile(bank.filePath()), backupFile(backup);
    ASSERT_TRUE(restoredFile.open(QIODevice::ReadOnly) && backupFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(restoredFile.readAll(), backupFile.readAll());
}
