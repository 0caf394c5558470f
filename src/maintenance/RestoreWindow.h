#pragma once

#include "maintenance/BankFileWindow.h"
#include "maintenance/BankRestore.h"

namespace velkora {

class ProgramFolder;

// The restore window (TForm14): the learner chooses a backup ("...") or
// types its path, and "确定" puts it in the place of the bank and opens it
// again.
class RestoreWindow : public BankFileWindow {
    Q_OBJECT
public:
    RestoreWindow(const ProgramFolder &folder, BankConnection &bank, Messages &messages,
                  QWidget *parent = nullptr);

protected:
    void chooseFile() override;
    void confirm() override;

private:
    // Tells the learner how the restore ended; closes the window when the
    // bank was replaced.
    void tell(BankRestore::Outcome outcome, const QString &source);
};

} // namespace velkora
