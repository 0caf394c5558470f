#include "app/ProgramCommands.h"

#include "base/AppConfig.h"
#include "base/Messages.h"
#include "base/ProgramFolder.h"
#include "booklet/BookletCommand.h"
#include "browse/BrowseHost.h"
#include "browse/InPageCommands.h"
#include "browse/MainWindow.h"
#include "chrome/TitleStrip.h"
#include "exam/paper/RandomSource.h"
#include "exam/session/ExamCountdown.h"
#include "exam/windows/ExamEntryWindow.h"
#include "exam/windows/ExamSettingsWindow.h"
#include "exam/windows/ExamWindow.h"
#include "feedback/ErrorReportWindow.h"
#include "grading/GradingCommands.h"
#include "maintenance/BackupWindow.h"
#include "maintenance/RestoreWindow.h"
#include "review/DailyReviewCommand.h"
#include "search/SearchCommand.h"
#include "statistics/StudyStatisticsWindow.h"
#include "store/BankConnection.h"
#include "store/BankQueries.h"
#include "store/StoreError.h"
#include "update/UpdateCheck.h"

#include <QAction>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QTimer>

namespace velkora {

Q_LOGGING_CATEGORY(lcProgramCommands, "velkora.app")

ProgramCommands::ProgramCommands(MainWindow &window, const ProgramFolder &folder,
                                 BankConnection &bank, const AppConfig &config, Messages &messages)
    : QObject(&window), m_window(window), m_folder(folder), m_bank(bank), m_config(config),
      m_messages(messages),
      m_grading(new GradingCommands(window.browseHost(), bank, messages, folder)),
      m_search(
          new SearchCommand(window.browseHost(), bank, messages, window.commands().searchBank)),
      m_booklet(new BookletCommand(window.browseHost(), folder, bank, messages)),
      m_review(new DailyReviewCommand(window.browseHost(), bank, messages,
                                      window.commands().dailyReview)),
      m_random(std::make_unique<SeededRandom>()),
      m_examEntry(std::make_unique<ExamEntry>(
          bank, messages, [&folder](const QString &name) { return folder.path(name); }, &window)),
      m_backup(new BackupWindow(folder, bank, messages, &window)),
      m_restore(new RestoreWindow(folder, bank, messages, &window)),
      m_update(new UpdateCheck(folder, messages, this)) {
    m_examEntry->setExamStarter([this](TitleLevel level, QWidget *card) {
        runExamWindow({level, m_examRunningMark, &m_window, {}, {}}, card);
    });
    m_examEntry->setExamResumer([this](const ResumableExam &exam) {
        runExamWindow({TitleLevel::AssociateSenior, false, &m_window, {}, exam}, &m_window);
    });
    window.titleStrip().addEntry(m_search->field());
    ErrorReportWindow &report = window.errorReportWindow();
    report.setFeedbackServer(FeedbackServer::fromSettings(config.feedback));
    report.setMessages(messages);
    connect(&bank, &BankConnection::reopened, this, &ProgramCommands::showReplacedBank);
    // The number due follows every change of the questions it counts.
    connect(m_grading, &GradingCommands::wrongQuestionsChanged, m_review,
            &DailyReviewCommand::refreshCount);
    connect(&window.inPageCommands(), &InPageCommands::favouritesChanged, m_review,
            &DailyReviewCommand::refreshCount);
    connectCommands();
}

ProgramCommands::~ProgramCommands() = default;

void ProgramCommands::connectCommands() {
    const MainWindowCommands &commands = m_window.commands();
    const auto run = [this](QAction *command, auto &&slot) {
        connect(command, &QAction::triggered, this, std::forward<decltype(slot)>(slot));
    };
    run(commands.submitChapter, [this] { m_grading->submitChapter(); });
    run(commands.answerAgain, [this] { m_grading->answerAgain(); });
    run(commands.wrongQuestions, [this] { m_grading->openWrongQuestionBank(); });
    run(commands.dailyReview, [this] { m_review->open(); });
    run(commands.exportBooklet, [this] { m_booklet->exportBooklet(); });
    run(commands.simulatedExam, [this] { runOverPage([this] { runExam(); }); });
    run(commands.examSettings,
        [this] { runOverPage([this] { m_examEntry->settingsWindow().exec(); }); });
    run(commands.backup, [this] { runOverPage([this] { m_backup->exec(); }); });
    run(commands.restore, [this] { runOverPage([this] { m_restore->exec(); }); });
    run(commands.updateCheck, [this] { m_update->checkOnDemand(); });
    run(commands.studyStatistics, [this] { runOverPage([this] { showStudyStatistics(); }); });
}

void ProgramCommands::runOverPage(const std::function<void()> &window) {
    m_window.browseHost().overPage(window);
}

void ProgramCommands::runExam() {
    m_examEntry->run(m_examRunningMark);
}

void ProgramCommands::runExamWindow(ExamWindow::Setup setup, QWidget *over) {
    ExamWindow exam(m_bank, m_messages, m_folder, *m_random, new TimerTicker, std::move(setup),
                    over);
    exam.exec();
}

void ProgramCommands::showStudyStatistics() {
    StudyStatistics statistics;
    try {
        statistics = readStudyStatistics(m_bank.database());
    } catch (const StoreError &error) {
        qCWarning(lcProgramCommands) << "study statistics not read:" << error.message();
        m_messages.inform(QStringLiteral("学习统计未能读取，请检查题库文件后再试。"));
        return;
    }
    StudyStatisticsWindow window(statistics, &m_window);
    window.exec();
}

void ProgramCommands::showReplacedBank() {
    m_search->forgetIndex();
    m_review->refreshCount();
    m_window.showReopenedBank();
}

void ProgramCommands::scheduleStartupCheck() {
    QTimer::singleShot(1, this, [this] {
        QString subject;
        try {
            if (m_bank.isOpen())
                if (const std::optional<Subject> named = BankQueries(m_bank.database()).subject())
                    subject = named->name;
        } catch (const StoreError &error) {
            qCWarning(lcProgramCommands)
                << "subject not read for the update check:" << error.message();
        }
        m_update->checkAtStartup(m_config.updateInfoUrl(subject));
    });
}

} // namespace velkora
