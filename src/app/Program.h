#pragma once

#include "app/DialogMessages.h"
#include "base/AppConfig.h"
#include "base/DataLocation.h"
#include "store/BankConnection.h"

#include <memory>

namespace velkora {

class MainWindow;
class ProgramCommands;

// The whole program over one program folder: the bank, the main window and
// the commands that open windows of their own, wired as the learner uses
// them. A window or message box over the main window never replaces the
// page the learner works on: only start-up, a change of view and a restored
// bank build the first chapter.
class Program {
public:
    explicit Program(DataLocation data);
    ~Program();

    // Shows the main window with its first chapter, tells the learner when
    // the bank did not open, and schedules the update check.
    void start();
    // Brings the main window, and a window standing over it, to the front.
    void bringToFront();

    MainWindow &mainWindow() { return *m_window; }

private:
    const DataLocation m_data;
    const AppConfig m_config;
    BankConnection m_bank;
    DialogMessages m_messages;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<ProgramCommands> m_commands;
};

} // namespace velkora
