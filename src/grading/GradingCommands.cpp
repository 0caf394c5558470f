#include "grading/GradingCommands.h"

#include "app/Messages.h"
#include "app/ProgramFolder.h"
#include "browse/MainWindow.h"
#include "browse/PageToolbar.h"
#include "grading/ChapterSubmission.h"
#include "grading/ScoreWindow.h"
#include "grading/WrongQuestionBank.h"
#include "grading/WrongQuestionsWindow.h"
#include "page/WebPageView.h"
#include "store/BankConnection.h"
#include "store/BankQueries.h"
#include "store/StoreError.h"

#include <QLoggingCategory>
#include <QTreeWidget>

namespace velkora {

Q_LOGGING_CATEGORY(lcCommands, "velkora.grading")

GradingCommands::GradingCommands(MainWindow &window)
    : m_window(window), m_runWindow([](QDialog &dialog) { dialog.exec(); }) {}

void GradingCommands::setPageButtonVisible(const char *name, bool visible) {
    m_window.pageToolbar()->button(QLatin1String(name))->setVisible(visible);
}

void GradingCommands::bitBtn1Click() {
    MainWindowState &state = m_window.state();
    const int armedBefore = state.interceptArmed;
    state.keepPage = 1;
    state.interceptArmed = 0;
    ChapterSubmission submission(m_window.bank().database(), *m_window.pageView());
    if (submission.submit(state.currentTreeId, viewModeForCaption(m_window.viewCaption())) !=
        SubmitOutcome::Recorded) {
        // The page stays as it was, its in-page commands working as before.
        state.interceptArmed = armedBefore;
        return;
    }
    button1Click();
}

void GradingCommands::button1Click() {
    const ProgramFolder &folder = m_window.folder();
    {
        ScoreWindow score(
            m_window.bank().database(), folder.templatePath(),
            [&folder](const QString &name) { return folder.path(name); }, &m_window);
        // With the report up, the page behind shows every answer.
        QObject::connect(&score, &ScoreWindow::reportShown, &m_window,
                         [this] { m_window.newImage10Click(); });
        m_runWindow(score);
    }
    if (m_window.viewCaption() == captions::wrongQuestions)
        return;
    m_window.state().keepPage = 1; // the graded page stays behind the question
    if (m_window.messages().ask(QStringLiteral("您是否把这次的错题放到错题题库中？"),
                                QStringLiteral("提示"), Messages::Choice::YesNo))
        return;
    try {
        WrongQuestionBank(m_window.bank().database()).forgetLatest();
    } catch (const StoreError &error) {
        qCWarning(lcCommands) << "latest wrong questions not taken out:" << error.message();
    }
}

void GradingCommands::newImage11Click() {
    m_window.state().keepPage = 1; // Cancel must leave the answers as they are
    if (!m_window.messages().ask(QStringLiteral("重新答题会清除当前所选的答案，是否继续？"),
                                 QStringLiteral("提示"), Messages::Choice::OkCancel))
        return;
    setPageButtonVisible("NewImage16", false);
    setPageButtonVisible("NewImage10", true);
    m_window.treeView1Click();
}

void GradingCommands::newImage20Click() {
    const QSqlDatabase db = m_window.bank().database();
    {
        WrongQuestionsWindow list(db, &m_window);
        m_runWindow(list);
    }
    m_window.state().keepPage = 0;
    bool any = false;
    try {
        any = BankQueries(db).anyQuestionFlagged(ViewMode::WrongQuestions);
    } catch (const StoreError &error) {
        qCWarning(lcCommands) << "wrong-question bank not read:" << error.message();
    }
    if (!any) {
        m_window.inform(QStringLiteral("您没有错题！"), true);
        return;
    }
    m_window.enterMarkedView(ViewMode::WrongQuestions);
}

} // namespace velkora
