#pragma once

#include <QObject>
#include <memory>

namespace velkora {

struct AppConfig;
class BackupWindow;
class BankConnection;
class ExamEntry;
class MainWindow;
class Messages;
class ProgramFolder;
struct ProgramState;
class RestoreWindow;
class SeededRandom;
class UpdateCheck;

// The commands of the main toolbar that open windows of their own: the
// simulated exam, backup, restore and the update check, the study
// statistics and the search of the title strip, and the upload of the
// error-report window. Made once at start-up; gives them to the main
// window's actions.
class ProgramCommands : public QObject {
    Q_OBJECT
public:
    ProgramCommands(MainWindow &window, const ProgramFolder &folder, BankConnection &bank,
                    ProgramState &program, const AppConfig &config, Messages &messages);
    ~ProgramCommands() override;

    // The update check that runs right after the event loop starts.
    void scheduleStartupCheck();

private:
    void runExam();
    // Reads the figures afresh for every opening.
    void showStudyStatistics();

    MainWindow &m_window;
    const ProgramFolder &m_folder;
    BankConnection &m_bank;
    ProgramState &m_program;
    Messages &m_messages;
    // One generator for every paper of the run, seeded once.
    std::unique_ptr<SeededRandom> m_random;
    std::unique_ptr<ExamEntry> m_examEntry;
    BackupWindow *m_backup;
    RestoreWindow *m_restore;
    UpdateCheck *m_update;
};

} // namespace velkora
