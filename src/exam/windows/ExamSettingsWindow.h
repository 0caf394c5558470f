#pragma once

#include "exam/paper/ExamSettings.h"

#include <QDialog>
#include <array>

class QLineEdit;

namespace velkora {

class BankConnection;
class Messages;

// The paper settings window (TForm6, "参数设置"): four counts, "确 定"
// stores them, "进 入" leads on to the exam login. The caller reads
// proceed() once the modal window has closed.
class ExamSettingsWindow : public QDialog {
    Q_OBJECT
public:
    ExamSettingsWindow(BankConnection &bank, Messages &messages, QWidget *mainWindow);

    // True only when the window was left with "进 入" since it was last shown.
    bool proceed() const { return m_proceed; }

    // "确 定" (RzBitBtn1)
    void saveSettings();
    // "进 入" (RzBitBtn2): unsaved entries are not stored.
    void enter();

protected:
    void showEvent(QShowEvent *event) override;

private:
    PaperCounts fields() const;
    void loadFields();
    ExamSettings settings() const;

    BankConnection &m_bank;
    Messages &m_messages;
    std::array<QLineEdit *, 4> m_fields{};
    bool m_proceed = false;
};

} // namespace velkora
