#pragma once

#include "maintenance/BankFileWindow.h"

namespace velkora {

class BankConnection;
class ProgramFolder;

// The restore window (TForm14): the learner chooses a backup ("...") and
// "确定" puts it in the place of the bank and opens it again.
class RestoreWindow : public BankFileWindow {
    Q_OBJECT
public:
    RestoreWindow(const ProgramFolder &folder, BankConnection &bank, Messages &messages,
                  QWidget *parent = nullptr);

signals:
    // The bank was replaced and is open again: the main window starts
    // afresh on it.
    void bankRestored();

protected:
    void chooseFile() override;
    void confirm() override;

private:
    BankConnection &m_bank;
};

} // namespace velkora
