#include "grading/GradingCommands.h"

#include "base/Messages.h"
#include "base/ProgramFolder.h"
#include "grading/BrowseSide.h"
#include "grading/ChapterSubmission.h"
#include "grading/ScoreSheet.h"
#include "grading/ScoreWindow.h"
#include "grading/WrongQuestionBank.h"
#include "grading/WrongQuestionsWindow.h"
#include "store/BankConnection.h"
#include "store/BankQueries.h"
#include "store/StoreError.h"

#include <QLoggingCategory>

namespace velkora {

Q_LOGGING_CATEGORY(lcCommands, "velkora.grading")

GradingCommands::GradingCommands(BrowseSide &browse, BankConnection &bank, Messages &messages,
                                 const ProgramFolder &folder, QWidget *window)
    : QObject(window), m_browse(browse), m_bank(bank), m_messages(messages), m_folder(folder),
      m_window(window), m_runWindow([](QDialog &dialog) { dialog.exec(); }) {}

namespace {
const QString searchPageNotGraded =
    QStringLiteral("只有章节的试题才能交卷评分和重新答题，搜索结果不评分。"
                   "请在左侧目录中打开试题所在的章节。");
} // namespace

bool GradingCommands::refuseSearchPage() {
    if (!m_browse.showsSearchResults())
        return false;
    m_messages.inform(searchPageNotGraded);
    return true;
}

void GradingCommands::submitChapter() {
    if (refuseSearchPage())
        return;
    const bool armedBefore = m_browse.interceptArmed();
    m_browse.setInterceptArmed(false);
    ChapterSubmission submission(m_bank.database(), m_browse.page());
    if (submission.submit(m_browse.currentChapter(), m_browse.viewMode()) !=
        SubmitOutcome::Recorded) {
        // The page stays as it was, its in-page commands working as before.
        m_browse.setInterceptArmed(armedBefore);
        return;
    }
    showScoreAndAskToKeep(submission.addedToBank());
}

void GradingCommands::showScoreAndAskToKeep(const QList<RowId> &addedToBank) {
    QList<ScoreRow> rows;
    try {
        rows = ScoreSheet(m_bank.database()).rows();
    } catch (const StoreError &error) {
        qCWarning(lcCommands) << "score sheet not read:" << error.message();
    }
    {
        ScoreWindow score(
            rows, m_folder.templatePath(),
            [this](const QString &name) { return m_folder.path(name); }, m_window);
        // With the report up, the page behind shows every answer.
        connect(&score, &ScoreWindow::reportShown, this, [this] { m_browse.showAllAnswers(); });
        m_runWindow(score);
    }
    // Closed before its report was built, the score window never showed the
    // answers, which is what arms the page's commands again.
    m_browse.setInterceptArmed(true);
    if (m_browse.viewMode() == ViewMode::WrongQuestions)
        return;
    if (m_messages.ask(QStringLiteral("您是否把这次的错题放到错题题库中？"), QStringLiteral("提示"),
                       Messages::Choice::YesNo))
        return;
    // Only what this submission put in goes out again: questions that were
    // in the bank before stay, even when they were answered wrong again.
    try {
        WrongQuestionBank(m_bank.database()).remove(addedToBank);
    } catch (const StoreError &error) {
        qCWarning(lcCommands) << "latest wrong questions not taken out:" << error.message();
    }
}

void GradingCommands::answerAgain() {
    if (refuseSearchPage())
        return;
    if (!m_messages.ask(QStringLiteral("重新答题会清除当前所选的答案，是否继续？"),
                        QStringLiteral("提示"), Messages::Choice::OkCancel))
        return;
    emit answerButtonsReset();
    m_browse.rebuildPage();
}

void GradingCommands::openWrongQuestionBank() {
    const QSqlDatabase db = m_bank.database();
    {
        WrongQuestionsWindow list(db, m_window);
        m_runWindow(list);
    }
    bool any = false;
    try {
        any = BankQueries(db).anyQuestionFlagged(ViewMode::WrongQuestions);
    } catch (const StoreError &error) {
        qCWarning(lcCommands) << "wrong-question bank not read:" << error.message();
    }
    if (!any) {
        m_messages.inform(QStringLiteral("您没有错题！"));
        return;
    }
    m_browse.enterView(ViewMode::WrongQuestions);
}

} // namespace velkora
