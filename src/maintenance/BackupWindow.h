#pragma once

#include "maintenance/BankFileWindow.h"

namespace velkora {

class ProgramFolder;

// The backup window (TForm13): the learner chooses where the copy of the
// bank goes ("..."), and "确定" writes it there.
class BackupWindow : public BankFileWindow {
    Q_OBJECT
public:
    BackupWindow(const ProgramFolder &folder, BankConnection &bank, Messages &messages,
                 QWidget *parent = nullptr);

protected:
    void chooseFile() override;
    void confirm() override;
};

} // namespace velkora
