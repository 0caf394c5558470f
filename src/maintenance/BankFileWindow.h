#pragma once

#include <QDialog>
#include <QPixmap>
#include <functional>

class QAction;
class QLineEdit;

namespace velkora {

class Messages;

// What the backup and restore windows share: a small fixed window on a
// background picture with the path box Edit1, "..." (Button1) to choose a
// file, "确定" (Button2) and "取消" (Button3). Each command is an action
// named after its button; the file dialog is a seam, so tests choose files
// without one.
class BankFileWindow : public QDialog {
    Q_OBJECT
public:
    // Asks the learner for a file, starting from `preset`; empty when cancelled.
    using FileChooser = std::function<QString(const QString &preset)>;
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

    QLineEdit *pathEdit() const { return m_path; }
    // The file last chosen with "...", which "确定" works on.
    QString chosenFile() const { return m_chosenFile; }

    // The dialogs' one filter: labelled as backup files, listing every file.
    static const QString fileFilter;

protected:
    struct Look {
        const char *objectName;
        QString caption;
        QString hint;
        QString backgroundPath;
    };
    BankFileWindow(const Look &look, Messages &messages, QWidget *parent);

    virtual void chooseFile() = 0; // Button1
    virtual void confirm() = 0;    // Button2

    QString askForFile(const QString &preset) const { return m_chooseFile(preset); }
    void setChosenFile(const QString &path);
    // Folder the dialog opens in: that of the last choice, else the documents.
    QString dialogFolder() const;
    Messages &messages() const { return m_messages; }
    void paintEvent(QPaintEvent *event) override;

private:
    QAction *addCommand(const char *name, const QString &text, void (BankFileWindow::*run)());

    Messages &m_messages;
    QPixmap m_background;
    QLineEdit *m_path;
    QString m_chosenFile;
    FileChooser m_chooseFile;
};

} // namespace velkora
