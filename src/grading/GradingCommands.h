#pragma once

#include "store/Records.h"

#include <QObject>
#include <functional>

class QDialog;
class QWidget;

namespace velkora {

class BankConnection;
class BrowseSide;
class Messages;
class ProgramFolder;

// The main window's commands of self-testing: submit and grade the chapter
// page, answer it again, and the wrong-question bank with its view.
class GradingCommands : public QObject {
    Q_OBJECT
public:
    // Runs one of the commands' windows; modal by default. Tests run them
    // without blocking to look inside.
    using WindowRunner = std::function<void(QDialog &)>;

    GradingCommands(BrowseSide &browse, BankConnection &bank, Messages &messages,
                    const ProgramFolder &folder, QWidget *window);

    void submitChapter(); // grade and record the page, then the score
    void showScoreAndAskToKeep(
        const QList<RowId> &addedToBank); // the score window, then the question about the bank
    void answerAgain();                   // the page once more, without the learner's marks
    void openWrongQuestionBank();         // the list of wrong questions, then their view

    void setWindowRunner(WindowRunner runner) { m_runWindow = std::move(runner); }

signals:
    // The answer buttons of the page toolbar go back to "show all".
    void answerButtonsReset();

private:
    // On a search page: tells the learner only chapters are graded.
    bool refuseSearchPage();

    BrowseSide &m_browse;
    BankConnection &m_bank;
    Messages &m_messages;
    const ProgramFolder &m_folder;
    QWidget *m_window;
    WindowRunner m_runWindow;
};

} // namespace velkora
