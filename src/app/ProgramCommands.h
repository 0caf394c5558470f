#pragma once

#include "exam/windows/ExamWindow.h"

#include <QObject>
#include <memory>

namespace velkora {

struct AppConfig;
class BackupWindow;
class BankConnection;
class BookletCommand;
class DailyReviewCommand;
class ExamEntry;
class GradingCommands;
class MainWindow;
class Messages;
class ProgramFolder;
class RestoreWindow;
class SearchCommand;
class SeededRandom;
class UpdateCheck;

// The main window's commands wired to the parts of the program that carry
// them out: grading and the wrong-question bank, the daily review, search,
// the booklet, the simulated exam, backup, restore, the update check, the
// study statistics and the error report's upload. Made once at start-up.
class ProgramCommands : public QObject {
    Q_OBJECT
public:
    ProgramCommands(MainWindow &window, const ProgramFolder &folder, BankConnection &bank,
                    const AppConfig &config, Messages &messages);
    ~ProgramCommands() override;

    // The update check that runs right after the event loop starts.
    void scheduleStartupCheck();

    GradingCommands &grading() const { return *m_grading; }
    SearchCommand &search() const { return *m_search; }
    BookletCommand &booklet() const { return *m_booklet; }
    DailyReviewCommand &review() const { return *m_review; }

private:
    void connectCommands();
    // Runs a window of the program over the main window's page.
    void runOverPage(const std::function<void()> &window);
    void runExam();
    // A fresh exam window over `over`, modal until it closes.
    void runExamWindow(ExamWindow::Setup setup, QWidget *over);
    // Reads the figures afresh for every opening.
    void showStudyStatistics();
    void showReplacedBank();

    MainWindow &m_window;
    const ProgramFolder &m_folder;
    BankConnection &m_bank;
    const AppConfig &m_config;
    Messages &m_messages;
    GradingCommands *m_grading;
    SearchCommand *m_search;
    BookletCommand *m_booklet;
    DailyReviewCommand *m_review;
    // One generator for every paper of the run, seeded once.
    std::unique_ptr<SeededRandom> m_random;
    std::unique_ptr<ExamEntry> m_examEntry;
    // Set while the exam is entered from the toolbar.
    bool m_examRunningMark = false;
    BackupWindow *m_backup;
    RestoreWindow *m_restore;
    UpdateCheck *m_update;
};

} // namespace velkora
