#include "maintenance/BackupWindow.h"

#include "base/Messages.h"
#include "base/ProgramFolder.h"
#include "maintenance/BackupNames.h"
#include "maintenance/BankBackup.h"
#include "maintenance/StagingFile.h"
#include "store/BankConnection.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>

namespace velkora {

BackupWindow::BackupWindow(const ProgramFolder &folder, BankConnection &bank, Messages &messages,
                           QWidget *parent)
    : BankFileWindow({"TForm13", QStringLiteral("数据备份"),
                      QStringLiteral("备份题库：收藏、错题、考试设置和试卷一并保存。"),
                      folder.path(QStringLiteral("mv/backup-bg.png"))},
                     folder, bank, messages, parent) {
    pathEdit()->setReadOnly(true);
    setFileChooser([this](const QString &preset) {
        return QFileDialog::getSaveFileName(this, windowTitle(), preset, fileFilter, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    });
}

void BackupWindow::chooseFile() {
    const QString preset =
        QDir(dialogFolder()).filePath(backupNames::suggested(QDate::currentDate()));
    if (const QString chosen = askForFile(preset); !chosen.isEmpty())
        setBoxPath(chosen);
}

void BackupWindow::confirm() {
    const QString target = boxPath();
    if (target.isEmpty()) {
        messages().inform(QStringLiteral("请选择备份路径！"));
        return;
    }
    const QStringList leftoversIn = stagingFolders();
    // Noted before the copy starts: a backup killed half-way leaves its
    // staging file in that folder, and the next backup or restore removes it.
    places().setLastBackupFolder(QFileInfo(target).absolutePath());
    bool written = false;
    runBusy([&] {
        StagingFile::removeLeftovers(leftoversIn);
        written = BankBackup::write(bank().filePath(), target);
    });
    if (!written) {
        messages().inform(QStringLiteral("备份失败，请重试！"));
        return;
    }
    messages().inform(QStringLiteral("备份成功！"));
    accept();
}

} // namespace velkora
