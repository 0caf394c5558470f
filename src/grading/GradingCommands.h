#pragma once

#include "browse/BrowseSession.h"
#include "store/Records.h"

#include <QObject>
#include <functional>

class QDialog;
class QWidget;

namespace velkora {

class BankConnection;
class BrowseHost;
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

    GradingCommands(BrowseHost &host, BankConnection &bank, Messages &messages,
                    const ProgramFolder &folder);

    void submitChapter();         // grade and record the page, then the score
    void answerAgain();           // the page once more, without the learner's marks
    void openWrongQuestionBank(); // the list of wrong questions, then their view

    void setWindowRunner(WindowRunner runner) { m_runWindow = std::move(runner); }

signals:
    // The wrong-question bank may have changed: after a submission was
    // recorded and after the list of wrong questions.
    void wrongQuestionsChanged();

private:
    // Grades a list page that is graded as a whole, as a chapter is graded.
    void submitListPage(const ListPage &page);
    // The score window, then the question whether the wrong questions that
    // the submission put into the wrong-question bank stay there.
    void showScoreAndAskToKeep(const QList<RowId> &addedToBank);
    // On a list page that is not graded (a search's): tells the learner
    // only chapters are graded.
    bool refuseUngradedPage();

    BrowseHost &m_host;
    BankConnection &m_bank;
    Messages &m_messages;
    const ProgramFolder &m_folder;
    WindowRunner m_runWindow;
};

} // namespace velkora
