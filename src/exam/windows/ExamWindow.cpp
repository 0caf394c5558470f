#include "exam/windows/ExamWindow.h"

#include "base/CompanionProgram.h"
#include "base/Messages.h"
#include "chrome/PictureButton.h"
#include "chrome/WindowCommand.h"
#include "exam/paper/PaperAssembly.h"
#include "exam/paper/RandomSource.h"
#include "exam/session/ExamCountdown.h"
#include "exam/session/KeyReleaseFilter.h"
#include "exam/session/PaperScoring.h"
#include "exam/windows/AnswerSheetBox.h"
#include "exam/windows/DrawingWaitBox.h"
#include "exam/windows/ExamBottomPanel.h"
#include "exam/windows/ExamInfoBox.h"
#include "exam/windows/ExamScreen.h"
#include "page/WebPageView.h"
#include "store/BankConnection.h"
#include "store/StoreError.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace velkora {

Q_LOGGING_CATEGORY(lcExamWindow, "velkora.exam")

ExamWindow::ExamWindow(BankConnection &bank, Messages &messages, ProgramFolder folder,
                       RandomSource &random, Ticker *ticker, Setup setup, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_bank(bank), m_messages(messages), m_folder(std::move(folder)), m_random(random),
      m_setup(std::move(setup)), m_navigator(bank.database()) {
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("人机对话"));
    if (!m_setup.pause)
        m_setup.pause = DrawingWaitBox::pauseWithEvents;
    m_countdown = new ExamCountdown(
        ticker, m_setup.resumed ? m_setup.resumed->minutesLeft : ExamCountdown::examMinutes, this);
    m_keys = new KeyReleaseFilter(this);
    connect(m_keys, &KeyReleaseFilter::optionKeyReleased, this,
            [this](const QString &letter) { exclusively([&] { answerByKey(letter); }); });
    buildAreas();
    addCommands();
    m_screen = std::make_unique<ExamScreen>(*m_page, bank.database(), m_folder, *m_sheet, *m_panel,
                                            *m_keys, m_messages);
    m_panel->showMinutesLeft(m_countdown->label());
    connect(m_countdown, &ExamCountdown::minutesChanged, m_panel,
            &ExamBottomPanel::showMinutesLeft);
    connect(m_sheet, &AnswerSheetBox::entryClicked, this,
            [this](const QString &tid) { exclusively([&] { jumpTo(tid); }); });
    setWindowState(Qt::WindowMaximized);
}

ExamWindow::~ExamWindow() = default;

void ExamWindow::buildAreas() {
    m_page = new WebPageView(this);
    m_page->setObjectName(QStringLiteral("WebBrowser1"));
    m_sheet = new AnswerSheetBox(this);

    auto *middle = new QHBoxLayout;
    middle->setSpacing(4);
    middle->addWidget(m_page, 1);
    middle->addWidget(m_sheet);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(new ExamInfoBox(this));
    layout->addLayout(middle, 1);
    m_panel = new ExamBottomPanel(m_folder, this);
    layout->addWidget(m_panel);
}

void ExamWindow::addCommands() {
    const ExamBottomPanel::Buttons &buttons = m_panel->buttons();
    const std::pair<PictureButton *, void (ExamWindow::*)()> commands[] = {
        {buttons.previous, &ExamWindow::previousQuestion},
        {buttons.next, &ExamWindow::nextQuestion},
        {buttons.calculator, &ExamWindow::startCalculator},
        {buttons.help, &ExamWindow::showHelp},
        {buttons.submit, &ExamWindow::submitPaper}};
    for (const auto &[button, command] : commands) {
        connect(addWindowCommand(this, button), &QAction::triggered, this,
                [this, command = command] { exclusively([&] { (this->*command)(); }); });
    }
}

void ExamWindow::changeEvent(QEvent *event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_drawAttempted)
        QTimer::singleShot(0, this, &ExamWindow::drawPaperOnce);
}

void ExamWindow::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (std::exchange(m_shownOnce, true))
        return;
    if (QScreen *screen = this->screen())
        setGeometry(screen->availableGeometry());
    m_countdown->start();
    // A window manager activates a new window right after it shows, which
    // draws the paper; without one the window may never be activated, so the
    // show itself asks for it as well (the paper is drawn once either way).
    activateWindow();
    QTimer::singleShot(0, this, [this] {
        if (!m_drawAttempted)
            drawPaperOnce();
    });
}

void ExamWindow::moveEvent(QMoveEvent *event) {
    QDialog::moveEvent(event);
    // The window is not moved by its caption: a drag that took it out of its
    // maximised place puts it back.
    if (isVisible() && !(windowState() & Qt::WindowMaximized))
        QTimer::singleShot(0, this, [this] { setWindowState(Qt::WindowMaximized); });
}

void ExamWindow::mousePressEvent(QMouseEvent *event) {
    QDialog::mousePressEvent(event);
    m_panel->buttons().next->setFocus();
}

void ExamWindow::keyPressEvent(QKeyEvent *event) {
    // Escape would close the dialog and end the exam without grading it;
    // only the close box ends it unsubmitted.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ExamWindow::closeEvent(QCloseEvent *event) {
    m_keys->release();
    m_countdown->stop();
    QDialog::closeEvent(event);
}

void ExamWindow::drawPaperOnce() {
    if (std::exchange(m_drawAttempted, true))
        return;
    if (m_setup.resumed)
        resumePaper(*m_setup.resumed);
    else
        drawPaper();
}

void ExamWindow::keepResumable(const QStringList &leftEmpty) {
    // Only once this window's paper stands: until then (or after a failed
    // draw) the kept exam is another paper's.
    m_resumeRecorder = new ResumeRecorder(m_bank.database(), *m_countdown, leftEmpty, this);
}

void ExamWindow::resumePaper(const ResumableExam &exam) {
    keepResumable(exam.leftEmpty);
    m_navigator.begin(exam.startRow());
    m_screen->showResumed(exam);
    m_sheet->repaint();
    m_keys->install();
}

void ExamWindow::drawPaper() {
    m_messages.show(paperDescription(m_setup.titleLevel), QStringLiteral("试卷描述"));
    const bool overThisWindow = m_setup.examRunningMark || !m_setup.mainWindow;
    auto waitBox =
        std::make_unique<DrawingWaitBox>(overThisWindow ? *this : *m_setup.mainWindow, this);
    m_setup.pause(DrawingWaitBox::pauseMs);

    AssembledPaper paper;
    try {
        paper = PaperAssembly(m_bank.database(), m_random).assemble();
    } catch (const StoreError &error) {
        qCWarning(lcExamWindow) << "the exam paper could not be drawn:" << error.message();
        waitBox.reset();
        offerOnlyClosing();
        m_messages.show(
            QStringLiteral("试卷未能抽取，题库未作任何改动。请关闭本窗口后重新进入考试。"),
            QStringLiteral("提示"));
        return;
    }

    keepResumable({});
    if (!paper.rows.isEmpty())
        m_navigator.begin(paper.rows.constFirst());
    m_screen->showPaper(paper);
    waitBox.reset();
    m_sheet->repaint();

    if (!paper.rows.isEmpty()) {
        const std::optional<ExamClass> kind = examClassOfLx(paper.rows.constFirst().lx);
        if (kind)
            m_messages.show(firstEntryNotice(*kind), QStringLiteral("提示"));
    }
    m_keys->install();
}

void ExamWindow::offerOnlyClosing() {
    // The table of papers still holds the previous exam: nothing here may
    // move through it or grade it.
    m_drawFailed = true;
    for (QAction *action : actions())
        action->setEnabled(false);
    for (PictureButton *button : findChildren<PictureButton *>())
        button->setEnabled(false);
}

template <typename Command> void ExamWindow::exclusively(Command &&command) {
    // A move waits for its page with events flowing: a second click or key
    // then would run a whole move inside the first. It is dropped instead.
    if (m_commandRunning || m_drawFailed)
        return;
    const QScopedValueRollback running(m_commandRunning, true);
    command();
}

void ExamWindow::answerByKey(const QString &letter) {
    m_screen->checkOption(letter);
    m_panel->buttons().next->setFocus();
}

void ExamWindow::carryOut(const MoveDecision &decision, RowVariant variant) {
    if (m_resumeRecorder)
        m_resumeRecorder->recordMove(decision);
    m_screen->carryOut(decision, variant);
}

void ExamWindow::nextQuestion() {
    carryOut(m_navigator.next(m_page->controls()), RowVariant::Step);
}

void ExamWindow::previousQuestion() {
    carryOut(m_navigator.previous(m_page->controls()), RowVariant::Step);
}

void ExamWindow::jumpTo(const QString &tid) {
    const QList<ControlState> controls =
        m_navigator.isSubmitted() ? QList<ControlState>() : m_page->controls();
    const MoveDecision decision = m_navigator.jump(tid, controls);
    carryOut(decision, decision.outcome == MoveDecision::Outcome::Review ? RowVariant::Review
                                                                         : RowVariant::Jump);
}

void ExamWindow::startCalculator() {
    if (!startCompanionProgram(m_folder, QStringLiteral("JSJ")))
        m_messages.inform(QStringLiteral("计算器未能启动。"));
}

void ExamWindow::showHelp() {
    m_messages.inform(QStringLiteral("该功能完善中！！"));
}

void ExamWindow::submitPaper() {
    const QList<ControlState> controls =
        m_navigator.isSubmitted() ? QList<ControlState>() : m_page->controls();
    const SubmissionOutcome outcome =
        PaperScoring(m_bank.database())
            .submit(m_navigator, controls, m_countdown->elapsedSeconds());
    if (!outcome.accepted) {
        m_messages.inform(outcome.message);
        return;
    }
    m_keys->remove();
    m_countdown->stop();
    m_screen->showGraded(outcome);
}

} // namespace velkora
