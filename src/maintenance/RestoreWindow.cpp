#include "maintenance/RestoreWindow.h"

#include "base/Messages.h"
#include "base/ProgramFolder.h"
#include "maintenance/BackupNames.h"
#include "maintenance/BankRestore.h"
#include "maintenance/RegularFile.h"
#include "maintenance/StagingFile.h"
#include "store/BankConnection.h"

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>

namespace velkora {

namespace {
const QString notABackup = QStringLiteral("请恢复您备份的文件！");
}

RestoreWindow::RestoreWindow(const ProgramFolder &folder, BankConnection &bank, Messages &messages,
                             QWidget *parent)
    : BankFileWindow({"TForm14", QStringLiteral("数据还原"),
                      QStringLiteral("从备份恢复题库，当前的收藏和错题将被替换。"),
                      folder.path(QStringLiteral("mv/restore-bg.png"))},
                     folder, bank, messages, parent) {
    setFileChooser([this](const QString &preset) {
        return QFileDialog::getOpenFileName(this, windowTitle(), preset, fileFilter);
    });
}

void RestoreWindow::chooseFile() {
    const QString shown = boxPath();
    const QString chosen = askForFile(shown.isEmpty() ? dialogFolder() : shown);
    if (chosen.isEmpty())
        return;
    // A file named as a backup is taken as it is, any other only when it
    // starts as a bank; "确定" checks either whole. A refused file does not
    // enter the box, so "确定" never restores it.
    if (!backupNames::isBackupPath(chosen) && !RegularFile::startsAsSqlite(chosen)) {
        messages().inform(notABackup);
        return;
    }
    setBoxPath(chosen);
}

void RestoreWindow::confirm() {
    const QString source = boxPath();
    if (source.isEmpty()) {
        messages().inform(QStringLiteral("请选择恢复路径！"));
        return;
    }
    BankRestore restore(source, bank().filePath());
    BankRestore::Outcome outcome = BankRestore::Outcome::Failed;
    const QStringList leftoversIn = stagingFolders();
    runBusy([&] {
        StagingFile::removeLeftovers(leftoversIn);
        outcome = restore.stage();
    });
    if (outcome == BankRestore::Outcome::Staged) {
        // The bank's connection belongs to this thread.
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        outcome = restore.install(bank());
        QGuiApplication::restoreOverrideCursor();
    }
    tell(outcome, source);
}

void RestoreWindow::tell(BankRestore::Outcome outcome, const QString &source) {
    switch (outcome) {
    case BankRestore::Outcome::Restored:
        messages().inform(QStringLiteral("成功恢复数据！"));
        break;
    case BankRestore::Outcome::RestoredNotOpened:
        messages().inform(QStringLiteral("备份已恢复到题库的位置，但恢复后的题库无法打开。\n"
                                         "请重新启动 Velkora；仍打不开时，请恢复另一个备份。"));
        break;
    case BankRestore::Outcome::Missing:
        messages().inform(QStringLiteral("找不到文件“%1”，请检查文件路径。")
                              .arg(QDir::toNativeSeparators(source)));
        return;
    case BankRestore::Outcome::NotABank:
        messages().inform(notABackup);
        return;
    case BankRestore::Outcome::Staged:
    case BankRestore::Outcome::Failed:
        messages().inform(QStringLiteral("恢复失败，请重试!"));
        return;
    }
    // The bank was replaced and opened anew, which the bank tells whoever
    // shows it.
    accept();
}

} // namespace velkora
