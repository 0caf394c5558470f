#pragma once

#include "maintenance/BackupPlaces.h"

#include <QDialog>
#include <QPixmap>
#include <functional>

class QAction;
class QLineEdit;

namespace velkora {

class BankConnection;
class Messages;
class ProgramFolder;

// What the backup and restore windows share: a small fixed window on a
// background picture with the path box Edit1, "..." (Button1) to choose a
// file, "确定" (Button2) and "取消" (Button3). "确定" works on the file the
// box shows. Each command is an action named after its button; the file
// dialog is a seam, so tests choose files without one.
class BankFileWindow : public QDialog {
    Q_OBJECT
public:
    // Asks the learner for a file, starting from `preset`; empty when cancelled.
    using FileChooser = std::function<QString(const QString &preset)>;
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

    QLineEdit *pathEdit() const { return m_path; }

    // The dialogs' one filter: labelled as backup files, listing every file.
    static const QString fileFilter;

protected:
    struct Look {
        const char *objectName;
        QString caption;
        QString hint;
        QString backgroundPath;
    };
    BankFileWindow(const Look &look, const ProgramFolder &folder, BankConnection &bank,
                   Messages &messages, QWidget *parent);

    virtual void chooseFile() = 0; // Button1
    virtual void confirm() = 0;    // Button2

    QString askForFile(const QString &preset) const { return m_chooseFile(preset); }
    // The file the path box shows; empty when it shows none.
    QString boxPath() const;
    void setBoxPath(const QString &path);
    // Folder the dialog opens in: that of the file in the box, else that of
    // the last backup, else the documents.
    QString dialogFolder() const;
    // Folders where a backup or restore killed half-way may have left its
    // staging file: the bank's, and that of the last backup.
    QStringList stagingFolders() const;
    // Runs `work` off the window thread; meanwhile the window shows the busy
    // cursor, keeps painting and takes no input. Input given meanwhile is
    // dropped, so no command runs twice.
    void runBusy(const std::function<void()> &work);
    BackupPlaces &places() { return m_places; }
    BankConnection &bank() const { return m_bank; }
    Messages &messages() const { return m_messages; }
    void paintEvent(QPaintEvent *event) override;

private:
    BankConnection &m_bank;
    Messages &m_messages;
    BackupPlaces m_places;
    QPixmap m_background;
    QLineEdit *m_path;
    FileChooser m_chooseFile;
};

} // namespace velkora
