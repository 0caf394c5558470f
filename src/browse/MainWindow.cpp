#include "browse/MainWindow.h"

#include "base/Messages.h"
#include "base/ProgramFolder.h"
#include "browse/ChapterBrowser.h"
#include "browse/ChapterTreePanel.h"
#include "browse/InPageCommands.h"
#include "browse/MainStatusBar.h"
#include "browse/PageToolbar.h"
#include "browse/ReadingPlace.h"
#include "chrome/MainToolbar.h"
#include "chrome/TitleStrip.h"
#include "feedback/ErrorReportWindow.h"
#include "page/WebPageView.h"
#include "store/BankConnection.h"
#include "store/BankQueries.h"
#include "store/StoreError.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace velkora {

Q_LOGGING_CATEGORY(lcMain, "velkora.browse")

namespace {
QRect availableArea(const QWidget *widget) {
    const QScreen *screen = widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}
} // namespace

MainWindow::MainWindow(const ProgramFolder &folder, BankConnection &bank, Messages &messages,
                       QWidget *parent)
    : QWidget(parent), m_folder(folder), m_bank(bank), m_messages(messages),
      m_commands(MainWindowCommands::createFor(this)) {
    setObjectName(QStringLiteral("TForm10"));
    setWindowTitle(QStringLiteral("Velkora"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    buildLayout();
    // The browser first: it starts loading the page while the rest is built.
    m_browser = new ChapterBrowser(m_folder, m_bank, m_messages, *m_pageView, *m_treePanel,
                                   *m_pageToolbar, this);
    m_errorReport = new ErrorReportWindow(m_folder.templatePath(), this);
    connect(m_errorReport, &ErrorReportWindow::confirmed, m_errorReport, &QWidget::close);
    connect(m_browser, &ChapterBrowser::treeRefreshed, this,
            [this] { m_statusBar->showTime(QDateTime::currentDateTime()); });
    m_inPageCommands = new InPageCommands(*m_browser, m_bank, m_messages, *m_errorReport,
                                          *m_pageView->interceptingPage());
    m_printer = std::make_unique<PagePrinter>(*m_pageView, m_messages, this);
    connectCommands();
    addShortcuts();

    // A 1024 x 768 frame centred on the screen the window is on.
    const QRect area = availableArea(this);
    move(area.x() + area.width() / 2 - 512, area.y() + area.height() / 2 - 384);
    if (m_bank.isOpen() || m_bank.open())
        showBankHeader();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildLayout() {
    const PictureButton::Resolver resolve = [this](const QString &name) {
        return m_folder.path(name);
    };
    resize(1024, 768); // the frame start-up centres on the screen
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    m_titleStrip = new TitleStrip(resolve, this);
    m_mainToolbar = new MainToolbar(resolve, this);
    root->addWidget(m_titleStrip);
    root->addWidget(m_mainToolbar);

    auto *body = new QHBoxLayout;
    body->setSpacing(0);
    root->addLayout(body, 1);
    m_treePanel = new ChapterTreePanel(m_folder.path(QStringLiteral("mv/tree-header.bmp")),
                                       m_commands.exportBooklet, this);
    body->addWidget(m_treePanel);
    auto *pageArea = new QVBoxLayout;
    pageArea->setSpacing(0);
    m_pageToolbar = new PageToolbar(resolve, this);
    pageArea->addWidget(m_pageToolbar);
    m_pageView = new WebPageView(this);
    m_pageView->setObjectName(QStringLiteral("WebBrowser1"));
    pageArea->addWidget(m_pageView, 1);
    body->addLayout(pageArea, 1);

    m_statusBar = new MainStatusBar(this);
    root->addWidget(m_statusBar);
}

void MainWindow::connectCommands() {
    // Every picture button triggers the command of its own name.
    for (PictureButton *button : findChildren<PictureButton *>()) {
        if (auto *action = findChild<QAction *>(button->objectName(), Qt::FindDirectChildrenOnly))
            connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
        else
            qCWarning(lcMain) << "no command for button" << button->objectName();
    }
    const auto run = [this](QAction *command, auto &&slot) {
        connect(command, &QAction::triggered, this, std::forward<decltype(slot)>(slot));
    };
    ChapterBrowser *browser = m_browser;
    run(m_commands.chapterPractice, [browser] { browser->returnToChapterPractice(); });
    run(m_commands.favourites, [browser] { browser->openFavourites(); });
    run(m_commands.showAnswers, [browser] { browser->showAllAnswers(); });
    run(m_commands.hideAnswers, [browser] { browser->hideAllAnswers(); });
    run(m_commands.largerText, [browser] { browser->enlargeText(); });
    run(m_commands.smallerText, [browser] { browser->reduceText(); });
    run(m_commands.print, [this] { m_printer->print(); });
    run(m_commands.fullScreen, [this] { enterFullScreen(); });
    run(m_commands.leaveFullScreen, [this] { leaveFullScreen(); });
    run(m_commands.minimise, [this] { showMinimized(); });
    run(m_commands.maximise, [this] { toggleMaximised(); });
    run(m_commands.restoreSize, [this] { toggleMaximised(); });
    run(m_commands.exit, [this] { exitProgram(); });
    connect(m_pageToolbar->largerTextButton(), &QPushButton::clicked, m_commands.largerText,
            &QAction::trigger);
    connect(m_pageToolbar->smallerTextButton(), &QPushButton::clicked, m_commands.smallerText,
            &QAction::trigger);
    connect(m_titleStrip, &TitleStrip::maximiseToggleRequested, this, &MainWindow::toggleMaximised);
    m_commands.studyStatistics->setText(QStringLiteral("学习统计"));
    m_titleStrip->statisticsButton()->setDefaultAction(m_commands.studyStatistics);
    m_commands.dailyReview->setText(QStringLiteral("今日复习"));
    m_titleStrip->reviewButton()->setDefaultAction(m_commands.dailyReview);
    m_commands.searchBank->setText(QStringLiteral("搜索试题"));
    m_commands.searchBank->setShortcut(QKeySequence::Find);
}

void MainWindow::addShortcuts() {
    m_commands.print->setShortcut(QKeySequence::Print);
    m_commands.largerText->setShortcuts(
        {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    m_commands.smallerText->setShortcut(QKeySequence::ZoomOut);
    // F11 goes into full screen and back out; Esc only out, and takes the
    // key from nobody while the window is not in full screen.
    connect(new QShortcut(Qt::Key_F11, this), &QShortcut::activated, this, [this] {
        (fullScreenShown() ? m_commands.leaveFullScreen : m_commands.fullScreen)->trigger();
    });
    m_leaveFullScreenKey = new QShortcut(Qt::Key_Escape, this);
    m_leaveFullScreenKey->setEnabled(false);
    connect(m_leaveFullScreenKey, &QShortcut::activated, m_commands.leaveFullScreen,
            &QAction::trigger);
}

bool MainWindow::fullScreenShown() const {
    return m_titleStrip->isHidden();
}

BrowseHost &MainWindow::browseHost() {
    return *m_browser;
}

bool MainWindow::bankOpened() const {
    return m_bank.isOpen();
}

void MainWindow::setPrinterChooser(PagePrinter::PrinterChooser chooser) {
    m_printer->setPrinterChooser(std::move(chooser));
}

void MainWindow::rememberPlaces(std::unique_ptr<ReadingPlaceMemory> memory) {
    m_placeMemory = std::move(memory);
    m_browser->rememberPlacesIn(m_placeMemory.get());
}

void MainWindow::start() {
    const ReadingPlace place = m_placeMemory ? m_placeMemory->recall() : ReadingPlace{};
    // A frame the screens no longer show keeps the centred one.
    if (place.windowGeometry.isValid() &&
        availableArea(this).intersects(place.windowGeometry.adjusted(0, 0, 0, -100)))
        setGeometry(place.windowGeometry);
    m_browser->refreshTree();
    show();
    m_browser->resume(place);
    if (place.maximised && !isMaximized())
        toggleMaximised();
}

void MainWindow::keepPlace() {
    if (!m_placeMemory || !isVisible())
        return;
    m_browser->keepQuestionInView();
    const bool fullScreen = fullScreenShown();
    m_placeMemory->keepWindow(normalGeometry(), fullScreen
                                                    ? m_browser->session().fullScreenFromMaximised()
                                                    : isMaximized());
}

void MainWindow::showReopenedBank() {
    m_statusBar->showQuestionCount({});
    // Whoever replaced the file opened it again and told the learner when
    // that failed.
    if (m_bank.isOpen())
        showBankHeader();
    m_browser->showReopenedBank();
}

void MainWindow::showBankHeader() {
    try {
        const BankQueries queries(m_bank.database());
        const std::optional<Subject> subject = queries.subject();
        if (!subject) {
            qCWarning(lcMain) << "the bank names no subject";
            return;
        }
        m_titleStrip->subjectIdLabel()->setText(QStringLiteral("  ") + subject->id);
        if (const std::optional<QString> count = queries.questionCount())
            m_statusBar->showQuestionCount(*count);
        else
            qCWarning(lcMain) << "the bank holds no question count";
    } catch (const StoreError &error) {
        qCWarning(lcMain) << "start-up read failed:" << error.message();
    }
}

void MainWindow::enterFullScreen() {
    m_mainToolbar->hide();
    m_treePanel->hide();
    m_titleStrip->hide();
    m_pageToolbar->windowButton()->show();
    m_pageToolbar->fullScreenButton()->hide();
    m_leaveFullScreenKey->setEnabled(true);
    m_browser->session().setFullScreenFromMaximised(isMaximized());
    if (!isMaximized())
        toggleMaximised();
}

void MainWindow::leaveFullScreen() {
    m_pageToolbar->fullScreenButton()->show();
    m_pageToolbar->windowButton()->hide();
    m_leaveFullScreenKey->setEnabled(false);
    m_mainToolbar->show();
    m_treePanel->show();
    m_titleStrip->show();
    if (!m_browser->session().fullScreenFromMaximised())
        toggleMaximised();
}

void MainWindow::toggleMaximised() {
    const bool maximising = !isMaximized();
    m_titleStrip->showMaximised(maximising);
    if (maximising)
        showMaximized();
    else
        showNormal();
    m_pageToolbar->placeMarkedControls(maximising, availableArea(this).width());
}

void MainWindow::exitProgram() {
    if (!m_messages.ask(QStringLiteral("确定退出系统？"), QStringLiteral("提示"),
                        Messages::Choice::OkCancel))
        return;
    keepPlace();
    m_bank.close();
    QApplication::quit();
}

void MainWindow::mousePressEvent(QMouseEvent *event) {
    // The window's own surface, where no control lies, drags the window.
    if (event->button() == Qt::LeftButton && windowHandle())
        windowHandle()->startSystemMove();
    QWidget::mousePressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event) {
    keepPlace();
    m_errorReport->close();
    m_bank.close();
    QWidget::closeEvent(event);
}

} // namespace velkora
