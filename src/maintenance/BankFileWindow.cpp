#include "maintenance/BankFileWindow.h"

#include "chrome/WindowCommand.h"
#include "maintenance/WorkerThread.h"
#include "store/BankConnection.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace velkora {

namespace {
const QColor plainBackground(0xee, 0xf4, 0xf7);
const QSize windowSize(400, 200);
} // namespace

const QString BankFileWindow::fileFilter = QStringLiteral("All files (*.mdb.bak) (*)");

BankFileWindow::BankFileWindow(const Look &look, const ProgramFolder &folder, BankConnection &bank,
                               Messages &messages, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_bank(bank), m_messages(messages), m_places(folder), m_background(look.backgroundPath) {
    setObjectName(QLatin1String(look.objectName));
    setWindowTitle(look.caption);
    setFixedSize(windowSize);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(24, 22, 24, 18);
    auto *hint = new QLabel(look.hint, this);
    hint->setWordWrap(true);
    hint->setStyleSheet(QStringLiteral("color: #0f5a6e; font-size: 14px; font-weight: bold;"));
    root->addWidget(hint);
    root->addStretch(1);

    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(new QLabel(QStringLiteral("文件路径："), this));
    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("Edit1"));
    pathRow->addWidget(m_path, 1);
    root->addLayout(pathRow);
    root->addStretch(1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    root->addLayout(buttons);
    const auto addButton = [&](const char *name, const QString &text, QBoxLayout *row,
                               void (BankFileWindow::*run)()) {
        auto *button = new QPushButton(text, this);
        button->setObjectName(QLatin1String(name));
        button->setAccessibleName(text);
        button->setAutoDefault(false);
        connect(addWindowCommand(this, button), &QAction::triggered, this,
                [this, run] { (this->*run)(); });
        row->addWidget(button);
        return button;
    };
    addButton("Button1", QStringLiteral("..."), pathRow, &BankFileWindow::chooseFile)
        ->setFixedWidth(36);
    addButton("Button2", QStringLiteral("确定"), buttons, &BankFileWindow::confirm);
    addButton("Button3", QStringLiteral("取消"), buttons, &QDialog::reject);
}

QString BankFileWindow::boxPath() const {
    return QDir::fromNativeSeparators(m_path->text().trimmed());
}

void BankFileWindow::setBoxPath(const QString &path) {
    m_path->setText(QDir::toNativeSeparators(path));
}

QString BankFileWindow::dialogFolder() const {
    // A folder that is not there would be taken for a file name.
    const QString shown = boxPath();
    for (const QString &folder :
         {shown.isEmpty() ? QString() : QFileInfo(shown).absolutePath(),
          m_places.lastBackupFolder(),
          QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)}) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    }
    return QDir::homePath();
}

QStringList BankFileWindow::stagingFolders() const {
    return {QFileInfo(m_bank.filePath()).absolutePath(), m_places.lastBackupFolder()};
}

void BankFileWindow::runBusy(const std::function<void()> &work) {
    setEnabled(false);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    runOnWorkerThread(work);
    // Clicks and keys kept back meanwhile reach a disabled window, which
    // drops them.
    QCoreApplication::processEvents();
    QGuiApplication::restoreOverrideCursor();
    setEnabled(true);
}

void BankFileWindow::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    if (m_background.isNull())
        painter.fillRect(rect(), plainBackground);
    else
        painter.drawPixmap(rect(), m_background);
    QDialog::paintEvent(event);
}

} // namespace velkora
