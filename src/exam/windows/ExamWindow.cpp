#include "exam/windows/ExamWindow.h"

#include "base/CompanionProgram.h"
#include "base/Messages.h"
#include "chrome/PictureButton.h"
#include "exam/paper/PaperAssembly.h"
#include "exam/paper/PaperQueries.h"
#include "exam/paper/RandomSource.h"
#include "exam/session/ExamCountdown.h"
#include "exam/session/KeyReleaseFilter.h"
#include "exam/session/PaperScoring.h"
#include "exam/windows/AnswerSheetBox.h"
#include "exam/windows/DrawingWaitBox.h"
#include "page/WebPageView.h"
#include "store/BankConnection.h"
#include "store/StoreError.h"

#include <QAction>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLoggingCategory>
#include <QProgressBar>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace velkora {

Q_LOGGING_CATEGORY(lcExamWindow, "velkora.exam")

namespace {

const QColor skyBlue(0xa6, 0xca, 0xf0);
constexpr int waitBoxPauseMs = 500;

QString paperDescription(TitleLevel level) {
    return level == TitleLevel::AssociateSenior
               ? QStringLiteral("第一部分单选题，第二部分是多选题，第三部分是阅读案例分析题，"
                                "第四部分是配伍选择题")
               : QStringLiteral("第一部分是多选题，第二部分是阅读案例分析题");
}

void pauseWithEvents(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

QLabel *namedLabel(const char *objectName, const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    return label;
}

} // namespace

ExamWindow::ExamWindow(BankConnection &bank, Messages &messages, ProgramFolder folder,
                       RandomSource &random, Ticker *ticker, Setup setup, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_bank(bank), m_messages(messages), m_folder(std::move(folder)), m_random(random),
      m_setup(std::move(setup)), m_navigator(bank.database()) {
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("人机对话"));
    if (!m_setup.pause)
        m_setup.pause = pauseWithEvents;
    m_countdown = new ExamCountdown(ticker, ExamCountdown::examMinutes, this);
    m_keys = new KeyReleaseFilter(this);
    connect(m_keys, &KeyReleaseFilter::optionKeyReleased, this,
            [this](const QString &letter) { exclusively([&] { answerByKey(letter); }); });
    buildAreas();
    m_renderer = std::make_unique<PaperRowRenderer>(
        *m_page, PaperQueries(bank.database()), m_folder.templatePath(),
        [folder = m_folder](const QString &stored) { return folder.locatePicture(stored); });
    connect(m_countdown, &ExamCountdown::minutesChanged, m_minutesLabel, &QLabel::setText);
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
    layout->addWidget(buildInfoBox());
    layout->addLayout(middle, 1);
    layout->addWidget(buildBottomPanel());
}

QWidget *ExamWindow::buildInfoBox() {
    auto *box = new QGroupBox(QStringLiteral("考场信息"), this);
    box->setObjectName(QStringLiteral("GroupBox1"));
    auto *text = new QLabel(QStringLiteral("所在教室：01教室        当前场次：北京市东城区考场"
                                           "        座位号：0001号\n"
                                           "姓名：张三                准考证号：0000001"
                                           "                包括专业：测试专业"),
                            box);
    text->setObjectName(QStringLiteral("Label10"));
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(12, 4, 12, 4);
    layout->addWidget(text);
    return box;
}

QWidget *ExamWindow::buildBottomPanel() {
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setAutoFillBackground(true);
    QPalette sky = panel->palette();
    sky.setColor(QPalette::Window, skyBlue);
    panel->setPalette(sky);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(16);
    buttons->addWidget(addCommand("BitBtn1", QStringLiteral("上一题"), QStringLiteral("exam-prev"),
                                  &ExamWindow::previousQuestion));
    m_nextButton = addCommand("BitBtn2", QStringLiteral("下一题"), QStringLiteral("exam-next"),
                              &ExamWindow::nextQuestion);
    buttons->addWidget(m_nextButton);
    buttons->addWidget(addCommand("BitBtn3", QStringLiteral("计算器"), QStringLiteral("exam-calc"),
                                  &ExamWindow::startCalculator));
    PictureButton *help = addCommand("BitBtn4", QStringLiteral("帮 助（3）"),
                                     QStringLiteral("exam-help"), &ExamWindow::showHelp);
    help->hide();
    buttons->addWidget(help);
    buttons->addWidget(addCommand("BitBtn5", QStringLiteral("交 卷"), QStringLiteral("exam-submit"),
                                  &ExamWindow::submitPaper));
    buttons->addStretch(1);

    m_minutesLabel = namedLabel("Label9", QStringLiteral("90"), panel);
    QFont strong = m_minutesLabel->font();
    strong.setBold(true);
    m_minutesLabel->setFont(strong);
    auto *clock = new QHBoxLayout;
    clock->addWidget(
        namedLabel("Label7", QStringLiteral("考试总时间是90分钟，剩余时间是："), panel));
    clock->addWidget(m_minutesLabel);
    clock->addWidget(namedLabel("Label8", QStringLiteral("分钟"), panel));
    clock->addSpacing(40);

    m_progress = new QProgressBar(panel);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(0, 1); // a range of 0 would show a busy bar
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_progress->setFixedWidth(220);
    m_answeredLabel = namedLabel("Label6", QStringLiteral("0"), panel);
    m_rowCountLabel = namedLabel("Label5", QStringLiteral("/0"), panel);
    clock->addWidget(namedLabel("Label4", QStringLiteral("总题数："), panel));
    clock->addWidget(m_progress);
    clock->addWidget(m_answeredLabel);
    clock->addWidget(m_rowCountLabel);
    clock->addStretch(1);

    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->addLayout(buttons);
    layout->addLayout(clock);
    return panel;
}

PictureButton *ExamWindow::addCommand(const char *objectName, const QString &face,
                                      const QString &picture, void (ExamWindow::*command)()) {
    auto *action = new QAction(face, this);
    action->setObjectName(QString::fromLatin1(objectName));
    connect(action, &QAction::triggered, this,
            [this, command] { exclusively([&] { (this->*command)(); }); });
    addAction(action);
    const QString base = QStringLiteral("mv/") + picture;
    auto *button = new PictureButton(
        QString::fromLatin1(objectName), face,
        {base + QStringLiteral("-1.png"), base + QStringLiteral("-2.png"),
         base + QStringLiteral("-3.png")},
        [folder = m_folder](const QString &name) { return folder.path(name); }, this);
    button->setFixedSize(100, 30);
    connect(button, &PictureButton::clicked, action, &QAction::trigger);
    return button;
}

void ExamWindow::changeEvent(QEvent *event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_assembled)
        QTimer::singleShot(0, this, &ExamWindow::formActivate);
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
        if (!m_assembled)
            formActivate();
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
    m_nextButton->setFocus();
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

void ExamWindow::formActivate() {
    if (std::exchange(m_assembled, true))
        return;
    m_messages.show(paperDescription(m_setup.titleLevel), QStringLiteral("试卷描述"));
    assemble();
}

void ExamWindow::assemble() {
    auto waitBox = std::make_unique<DrawingWaitBox>(this);
    const QWidget *anchor = m_setup.examRunningMark || !m_setup.mainWindow
                                ? static_cast<const QWidget *>(this)
                                : m_setup.mainWindow.data();
    waitBox->move(anchor->frameGeometry().topLeft() + QPoint(165, 350));
    waitBox->show();
    waitBox->repaint();
    m_setup.pause(waitBoxPauseMs);

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

    QStringList caseTids;
    for (const PaperRow &row : paper.rows) {
        if (row.lx == lxCode(ExamClass::Case))
            caseTids << row.tid;
    }
    m_sheet->build(layOutAnswerSheet(paper.counts, caseTids));
    m_progress->setRange(0, qMax(1, int(paper.rows.size())));
    m_rowCountLabel->setText(QStringLiteral("/") + QString::number(paper.rows.size()));
    showFirstEntry(paper.rows);
    waitBox.reset();
    m_sheet->repaint();

    if (!paper.rows.isEmpty()) {
        const std::optional<ExamClass> kind = examClassOfLx(paper.rows.constFirst().lx);
        if (kind)
            m_messages.show(firstEntryNotice(*kind), QStringLiteral("提示"));
    }
    m_keys->install();
}

void ExamWindow::showFirstEntry(const QList<PaperRow> &rows) {
    if (rows.isEmpty()) {
        m_renderer->renderEmpty();
        return;
    }
    const PaperRow &first = rows.constFirst();
    m_navigator.begin(first);
    m_sheet->setColour({sheetButtonName(first.tid), SheetColour::Red});
    renderEntry(first.tid, RowVariant::FirstPage);
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
    if (const QStringList options = m_renderer->optionsForLetter(letter); !options.isEmpty())
        m_page->presetControls(options, {});
    m_nextButton->setFocus();
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

void ExamWindow::carryOut(const MoveDecision &decision, RowVariant variant) {
    if (decision.progress) {
        m_progress->setValue(decision.progress->barValue);
        m_answeredLabel->setText(QString::number(decision.progress->count));
    }
    if (!decision.notice.isEmpty())
        showWithKeysSuspended(decision.notice);
    for (const ButtonColour &colour : decision.colours)
        m_sheet->setColour(colour);
    if (decision.rendersPage())
        renderEntry(decision.targetTid, variant);
    if (!decision.message.isEmpty())
        showWithKeysSuspended(decision.message);
}

void ExamWindow::showWithKeysSuspended(const QString &text) {
    const KeyReleaseFilter::Suspension quiet(*m_keys);
    m_messages.inform(text);
}

void ExamWindow::renderEntry(const QString &tid, RowVariant variant) {
    try {
        m_renderer->render(tid, variant);
    } catch (const StoreError &error) {
        qCWarning(lcExamWindow) << "entry" << tid << "could not be read:" << error.message();
    }
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
    m_progress->setValue(outcome.progress.barValue);
    m_answeredLabel->setText(QString::number(outcome.progress.count));
    m_sheet->showGradingLegend();
    for (const ButtonColour &colour : outcome.grade.colours)
        m_sheet->setColour(colour);
    if (!m_page->load(m_folder.templatePath()) || !m_page->appendHtml({outcome.resultFragment}))
        qCWarning(lcExamWindow) << "the result page did not show";
}

} // namespace velkora
