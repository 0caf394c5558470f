#include "grading/GradingCommands.h"

#include "base/Messages.h"
#include "base/ProgramFolder.h"
#include "browse/BrowseHost.h"
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

GradingCommands::GradingCommands(BrowseHost &host, BankConnection &bank, Messages &messages,
                                 const ProgramFolder &folder)
    : QObject(host.window()), m_host(host), m_bank(bank), m_messages(messages), m_folder(folder),
      m_runWindow([](QDialog &dialog) { dialog.exec(); }) {}

namespace {
const QString searchPageNotGraded =
    QStringLiteral("只有章节的试题才能交卷评分和重新答题，搜索结果不评分。"
                   "请在左侧目录中打开试题所在的章节。");
} // namespace

bool GradingCommands::refuseUngradedPage() {
    if (!m_host.showsListPage())
        return false;
    m_messages.inform(searchPageNotGraded);
    return true;
}

void GradingCommands::submitChapter() {
    if (const std::optional<ListPage> &list = m_host.listPage(); list && list->isGraded()) {
        submitListPage(*list);
        return;
    }
    if (refuseUngradedPage())
        return;
    // A submission that fails leaves the page as it was.
    m_host.overPage([this] {
        ChapterSubmission submission(m_bank.database(), m_host.page());
        if (submission.submit(m_host.shownChapter(), m_host.viewMode()) ==
            SubmitOutcome::Recorded) {
            emit wrongQuestionsChanged();
            m_host.showProgress();
            showScoreAndAskToKeep(submission.addedToBank());
        }
    });
}

void GradingCommands::submitListPage(const ListPage &page) {
    m_host.overPage([this, page] {
        ChapterSubmission submission(m_bank.database(), m_host.page());
        if (submission.submitQuestions(page.graded, page.recordAnswers) ==
            SubmitOutcome::Recorded) {
            emit wrongQuestionsChanged();
            m_host.showProgress();
            showScoreAndAskToKeep(submission.addedToBank());
        }
    });
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
            [this](const QString &name) { return m_folder.path(name); }, m_host.window());
        // With the report up, the page behind shows every answer.
        connect(&score, &ScoreWindow::reportShown, this, [this] { m_host.showAllAnswers(); });
        m_runWindow(score);
    }
    if (m_host.viewMode() == ViewMode::WrongQuestions)
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
    const std::optional<ListPage> &list = m_host.listPage();
    const bool graded = list && list->isGraded();
    if (!graded && refuseUngradedPage())
        return;
    if (!m_messages.ask(QStringLiteral("重新答题会清除当前所选的答案，是否继续？"),
                        QStringLiteral("提示"), Messages::Choice::OkCancel))
        return;
    if (graded)
        std::function<void()>(list->showAgain)(); // a copy: showing replaces the page
    else
        m_host.rebuildPage();
}

void GradingCommands::openWrongQuestionBank() {
    const QSqlDatabase db = m_bank.database();
    {
        WrongQuestionsWindow list(db, m_host.window());
        m_runWindow(list);
    }
    emit wrongQuestionsChanged();
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
    m_host.enterView(ViewMode::WrongQuestions);
}

} // namespace velkora
