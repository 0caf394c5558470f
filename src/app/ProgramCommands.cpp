#include "app/ProgramCommands.h"

#include "base/AppConfig.h"
#include "base/Messages.h"
#include "base/ProgramFolder.h"
#include "app/ProgramState.h"
#include "browse/MainWindow.h"
#include "exam/CandidateCardWindow.h"
#include "exam/ExamCountdown.h"
#include "exam/ExamEntryWindow.h"
#include "exam/ExamLoginWindow.h"
#include "exam/ExamSettingsWindow.h"
#include "exam/ExamWindow.h"
#include "exam/RandomSource.h"
#include "feedback/ErrorReportWindow.h"
#include "maintenance/BackupWindow.h"
#include "maintenance/RestoreWindow.h"
#include "search/SearchCommand.h"
#include "statistics/StudyStatisticsWindow.h"
#include "store/BankConnection.h"
#include "store/StoreError.h"
#include "update/UpdateCheck.h"

#include <QLoggingCategory>
#include <QTimer>

namespace velkora {

Q_LOGGING_CATEGORY(lcProgramCommands, "velkora.app")

ProgramCommands::ProgramCommands(MainWindow &window, const ProgramFolder &folder,
                                 BankConnection &bank, ProgramState &program,
                                 const AppConfig &config, Messages &messages)
    : QObject(&window), m_window(window), m_folder(folder), m_bank(bank), m_program(program),
      m_messages(messages), m_random(std::make_unique<SeededRandom>()),
      m_examEntry(std::make_unique<ExamEntry>(
          bank, messages, [&folder](const QString &name) { return folder.path(name); }, &window)),
      m_backup(new BackupWindow(folder, bank, messages, &window)),
      m_restore(new RestoreWindow(folder, bank, messages, &window)),
      m_update(new UpdateCheck(folder, messages, this)) {
    m_examEntry->setExamStarter([this](TitleLevel level, QWidget *card) {
        ExamWindow exam(m_bank, m_messages, m_folder, *m_random, new TimerTicker,
                        {level, m_window.examRunningMark(), &m_window, {}}, card);
        exam.exec();
    });
    window.setCommand("NewImage6", [this] { runExam(); });
    window.setCommand("cssz", [this] { m_examEntry->settingsWindow().exec(); });
    window.setCommand("NewImage4", [this] { m_backup->exec(); });
    window.setCommand("NewImage2", [this] { m_restore->exec(); });
    window.setCommand("rjsj", [this] { m_update->checkOnDemand(); });
    window.setCommand("StudyStatistics", [this] { showStudyStatistics(); });
    connect(m_restore, &RestoreWindow::bankRestored, &window, &MainWindow::reloadBank);
    new SearchCommand(window, bank, messages);

    ErrorReportWindow *report = window.errorReportWindow();
    report->setFeedbackServer(FeedbackServer::fromSettings(config.feedback));
    report->setMessages(messages);
    report->setProgramState(program);
}

ProgramCommands::~ProgramCommands() = default;

void ProgramCommands::runExam() {
    m_examEntry->run(m_window.examRunningMark());
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

void ProgramCommands::scheduleStartupCheck() {
    QTimer::singleShot(1, this, [this] { m_update->checkAtStartup(m_program.updateInfoUrl); });
}

} // namespace velkora
