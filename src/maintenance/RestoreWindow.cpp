#include "maintenance/RestoreWindow.h"

#include "app/Messages.h"
#include "app/ProgramFolder.h"
#include "maintenance/BackupNames.h"
#include "maintenance/BankRestore.h"
#include "store/BankConnection.h"

#include <QFileDialog>
#include <QLineEdit>

namespace velkora {

namespace {
const QString restoreFailed = QStringLiteral("恢复失败，请重试!");
}

RestoreWindow::RestoreWindow(const ProgramFolder &folder, BankConnection &bank, Messages &messages,
                             QWidget *parent)
    : BankFileWindow({"TForm14", QStringLiteral("数据还原"),
                      QStringLiteral("从备份恢复题库，当前的收藏和错题将被替换。"),
                      folder.path(QStringLiteral("mv/restore-bg.png"))},
                     messages, parent),
      m_bank(bank) {
    setFileChooser([this](const QString &preset) {
        return QFileDialog::getOpenFileName(this, windowTitle(), preset, fileFilter);
    });
}

void RestoreWindow::chooseFile() {
    const QString chosen = askForFile(chosenFile().isEmpty() ? dialogFolder() : chosenFile());
    if (chosen.isEmpty())
        return;
    // A refused file is not remembered either, so "确定" never restores it.
    if (!backupNames::isBackupPath(chosen)) {
        messages().inform(QStringLiteral("请恢复您备份的文件！"));
        return;
    }
    setChosenFile(chosen);
}

void RestoreWindow::confirm() {
    if (pathEdit()->text().trimmed().isEmpty()) {
        messages().inform(QStringLiteral("请选择恢复路径！"));
        return;
    }
    if (chosenFile().isEmpty() || !BankRestore::replace(m_bank, chosenFile())) {
        messages().inform(restoreFailed);
        return;
    }
    messages().inform(QStringLiteral("成功恢复数据！"));
    accept();
    emit bankRestored();
}

} // namespace velkora
