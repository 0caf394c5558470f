#include "browse/MainWindow.h"

#include "base/AppConfig.h"
#include "base/Messages.h"
#include "base/ProgramFolder.h"
#include "app/ProgramState.h"
#include "booklet/BookletContent.h"
#include "booklet/BookletExport.h"
#include "browse/ChapterPage.h"
#include "browse/NavigationTree.h"
#include "browse/PageToolbar.h"
#include "browse/ReportPreview.h"
#include "browse/TextSize.h"
#include "chrome/MainToolbar.h"
#include "chrome/TitleStrip.h"
#include "feedback/ErrorReportWindow.h"
#include "grading/GradingCommands.h"
#include "page/PagePresenter.h"
#include "page/WebPageView.h"
#include "store/BankConnection.h"
#include "store/BankQueries.h"
#include "store/FlagStore.h"
#include "store/StoreError.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <QWindow>

namespace velkora {

Q_LOGGING_CATEGORY(lcMain, "velkora.browse")

namespace {
constexpr int positionRole = Qt::UserRole;
constexpr int levelRole = Qt::UserRole + 1;
constexpr int firstChapterPosition = 2;
constexpr int startZoomLevel = 2;
const QString countPrefix = QStringLiteral("试题量：");
const QString slogan = QStringLiteral("潜心练习，厚积薄发 —— 预祝您顺利通过卫生专业技术资格考试！");

QRect availableArea(const QWidget *widget) {
    const QScreen *screen = widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}
} // namespace

MainWindow::MainWindow(const ProgramFolder &folder, BankConnection &bank, ProgramState &program,
                       const AppConfig &config, Messages &messages, QWidget *parent)
    : QWidget(parent), m_folder(folder), m_bank(bank), m_program(program), m_config(config),
      m_messages(messages) {
    setObjectName(QStringLiteral("TForm10"));
    setWindowTitle(QStringLiteral("Velkora"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    buildLayout();
    m_presenter = std::make_unique<PagePresenter>(*m_pageView, m_folder.templatePath());
    m_presenter->setRequiredFunctions({QStringLiteral("xsda"), QStringLiteral("scbt")});
    m_errorReport = new ErrorReportWindow(this);
    connect(m_errorReport, &ErrorReportWindow::confirmed, m_errorReport, &QWidget::close);
    m_choosePrinter = [this](QPrinter &printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };
    m_grading = new GradingCommands(*this, m_bank, m_messages, m_folder, this);
    connect(m_grading, &GradingCommands::answerButtonsReset, this, &MainWindow::resetAnswerButtons);
    m_booklet = new BookletExport(m_folder, m_bank, this);
    createCommands();

    // A 1024 x 768 frame centred on the screen the window is on.
    const QRect area = availableArea(this);
    move(area.x() + area.width() / 2 - 512, area.y() + area.height() / 2 - 384);
    m_session.setInterceptArmed(false);
    m_bankOpened = m_bank.isOpen() || m_bank.open();
    if (m_bankOpened)
        readBankHeader();
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

    m_panel2 = new QFrame(this);
    m_panel2->setObjectName(QStringLiteral("Panel2"));
    m_panel2->setFixedWidth(257);
    auto *column = new QVBoxLayout(m_panel2);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_panel6 = new QFrame(m_panel2);
    m_panel6->setObjectName(QStringLiteral("Panel6"));
    m_panel6->setFixedHeight(30);
    m_panel6->setProperty("caption", captions::startup);
    m_panel6->setStyleSheet(
        QStringLiteral("#Panel6 { border-image: url(%1); background: #2a7f96; }")
            .arg(m_folder.path(QStringLiteral("mv/tree-header.bmp"))));
    auto *header = new QHBoxLayout(m_panel6);
    header->setContentsMargins(0, 0, 0, 0);
    m_label3 = new QLabel(captions::chapterPractice, m_panel6);
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_label3->setAlignment(Qt::AlignCenter);
    m_label3->setStyleSheet(QStringLiteral(
        "color: #0b4a5c; font-size: 15px; font-weight: bold; background: transparent;"));
    header->addWidget(m_label3);
    // Right of the centred caption, outside the header's layout so the
    // caption stays where it is.
    m_exportBookletButton = new QPushButton(QStringLiteral("导出PDF"), m_panel6);
    m_exportBookletButton->setObjectName(QStringLiteral("ExportBookletButton"));
    m_exportBookletButton->setToolTip(QStringLiteral("把本题库的试题导出为PDF，打印成册"));
    m_exportBookletButton->setCursor(Qt::PointingHandCursor);
    m_exportBookletButton->setStyleSheet(QStringLiteral(
        "QPushButton { color: #0b4a5c; font-size: 12px; background: rgba(255,255,255,150); "
        "border: 1px solid #6fa8b8; border-radius: 3px; padding: 2px 6px; } "
        "QPushButton:hover { background: white; } QPushButton:pressed { background: #d6e9ef; }"));
    m_exportBookletButton->adjustSize();
    m_exportBookletButton->move(m_panel2->width() - m_exportBookletButton->width() - 6,
                                (m_panel6->height() - m_exportBookletButton->height()) / 2);
    column->addWidget(m_panel6);

    m_tree = new QTreeWidget(m_panel2);
    m_tree->setObjectName(QStringLiteral("TreeView1"));
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(false);
    m_tree->setItemsExpandable(false);
    m_tree->setExpandsOnDoubleClick(false);
    m_tree->setIndentation(23);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setSortingEnabled(false);
    m_tree->setStyleSheet(QStringLiteral(
        "QTreeWidget { background: #f7fafb; border: 0; border-right: 1px solid #cfdde4; "
        "font-size: 14px; } QTreeWidget::item { padding: 3px 0; } "
        "QTreeWidget::item:selected, QTreeWidget::item:selected:!active { background: #2a7f96; "
        "color: white; } QTreeWidget::branch { image: none; border-image: none; }"));
    column->addWidget(m_tree, 1);
    body->addWidget(m_panel2);
    connect(m_tree, &QTreeWidget::itemClicked, this, &MainWindow::showSelectedNode);

    auto *pageArea = new QVBoxLayout;
    pageArea->setSpacing(0);
    m_pageToolbar = new PageToolbar(resolve, this);
    pageArea->addWidget(m_pageToolbar);
    m_pageView = new WebPageView(this);
    m_pageView->setObjectName(QStringLiteral("WebBrowser1"));
    m_pageView->interceptingPage()->setNavigationFilter(
        [this](const QUrl &url) { return handleNavigation(url); });
    pageArea->addWidget(m_pageView, 1);
    body->addLayout(pageArea, 1);

    auto *statusBar = new QStatusBar(this);
    statusBar->setObjectName(QStringLiteral("StatusBar1"));
    statusBar->setSizeGripEnabled(false);
    const int widths[] = {255, 800, 0};
    const QString texts[] = {countPrefix + QStringLiteral("XXX"), slogan, QString()};
    for (int i = 0; i < 3; ++i) {
        m_statusPanels[i] = new QLabel(texts[i], statusBar);
        if (widths[i] > 0) {
            // The design widths, narrowing only when the window is too small for them.
            m_statusPanels[i]->setMinimumWidth(120);
            m_statusPanels[i]->setMaximumWidth(widths[i]);
            m_statusPanels[i]->setAlignment(Qt::AlignCenter);
        }
        statusBar->addWidget(m_statusPanels[i], widths[i] > 0 ? widths[i] : 50);
    }
    root->addWidget(statusBar);
}

QAction *MainWindow::addCommand(const char *name, void (MainWindow::*command)()) {
    auto *action = new QAction(this);
    action->setObjectName(QLatin1String(name));
    connect(action, &QAction::triggered, this, command);
    return action;
}

void MainWindow::createCommands() {
    addCommand("gjst", &MainWindow::returnToChapterPractice);
    addCommand("NewImage1", &MainWindow::openFavourites);
    addCommand("NewImage10", &MainWindow::showAllAnswers);
    addCommand("NewImage16", &MainWindow::hideAllAnswers);
    addCommand("NewImage13", &MainWindow::printPage);
    addCommand("NewImage14", &MainWindow::enlargeText);
    addCommand("NewImage15", &MainWindow::reduceText);
    addCommand("NewImage17", &MainWindow::enterFullScreen);
    addCommand("NewImage18", &MainWindow::leaveFullScreen);
    addCommand("NewImage9", &MainWindow::minimise);
    addCommand("NewImage8", &MainWindow::toggleMaximised);
    addCommand("NewImage19", &MainWindow::toggleMaximised);
    addCommand("NewImage7", &MainWindow::exitProgram);
    QAction *booklet = addCommand("ExportBooklet", &MainWindow::exportBooklet);
    connect(m_exportBookletButton, &QPushButton::clicked, booklet, &QAction::trigger);
    // Commands whose windows another part of the program provides; until it
    // does, the learner is told they are not there yet.
    for (const char *name : {"NewImage6", "cssz", "NewImage4", "NewImage2", "rjsj"})
        addCommand(name, &MainWindow::notYetAvailable);
    QAction *statistics = addCommand("StudyStatistics", &MainWindow::notYetAvailable);
    statistics->setText(QStringLiteral("学习统计"));
    m_titleStrip->statisticsButton()->setDefaultAction(statistics);
    const auto grading = [this](const char *name, void (GradingCommands::*command)()) {
        auto *action = new QAction(this);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, m_grading, command);
    };
    grading("NewImage12", &GradingCommands::submitChapter);
    grading("NewImage11", &GradingCommands::answerAgain);
    grading("NewImage20", &GradingCommands::openWrongQuestionBank);

    // Every picture button triggers the action of its own name.
    for (PictureButton *button : findChildren<PictureButton *>()) {
        if (auto *action = findChild<QAction *>(button->objectName(), Qt::FindDirectChildrenOnly))
            connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
        else
            qCWarning(lcMain) << "no command for button" << button->objectName();
    }
    connect(m_pageToolbar->largerTextButton(), &QPushButton::clicked, this,
            &MainWindow::enlargeText);
    connect(m_pageToolbar->smallerTextButton(), &QPushButton::clicked, this,
            &MainWindow::reduceText);
    connect(m_titleStrip, &TitleStrip::maximiseToggleRequested, this, &MainWindow::toggleMaximised);
}

void MainWindow::setCommand(const char *actionName, std::function<void()> command) {
    auto *action = findChild<QAction *>(QLatin1String(actionName), Qt::FindDirectChildrenOnly);
    Q_ASSERT(action);
    disconnect(action, &QAction::triggered, nullptr, nullptr);
    connect(action, &QAction::triggered, this, std::move(command));
}

void MainWindow::notYetAvailable() {
    inform(QStringLiteral("该功能尚未开放，敬请期待。"));
}

void MainWindow::readBankHeader() {
    try {
        const BankQueries queries(m_bank.database());
        const std::optional<Subject> subject = queries.subject();
        if (!subject) {
            qCWarning(lcMain) << "the bank names no subject";
            return;
        }
        QLabel *label4 = m_titleStrip->subjectIdLabel();
        label4->setText(QStringLiteral("  ") + subject->id);
        m_program.subjectName = subject->name;
        m_program.updateInfoUrl = m_config.updateInfoUrl(subject->name);
        if (const std::optional<QString> count = queries.questionCount())
            m_statusPanels[0]->setText(countPrefix + *count);
        else
            qCWarning(lcMain) << "the bank holds no question count";
    } catch (const StoreError &error) {
        qCWarning(lcMain) << "start-up read failed:" << error.message();
    }
}

void MainWindow::reloadBank() {
    // Whoever replaced the file opened it again and told the learner when
    // that failed.
    m_bankOpened = m_bank.isOpen();
    m_statusPanels[0]->setText(countPrefix + QStringLiteral("XXX"));
    if (m_bankOpened)
        readBankHeader();
    m_session.setViewMode(ViewMode::ChapterPractice);
    setViewCaption(ViewMode::ChapterPractice);
    m_session.setCurrentTreeId({});
    emit bankReloaded();
    refreshTree();
    activate();
}

void MainWindow::refreshTree() {
    m_session.shown();
    m_session.setLayoutMark(m_pageToolbar->gradingButton()->x());
    m_statusPanels[2]->setText(
        QStringLiteral("现在的日期和时间是： ") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    rebuildTree();
}

void MainWindow::rebuildTree() {
    m_tree->clear();
    if (!m_bankOpened)
        return;
    NavigationTree navigation;
    QString failure;
    try {
        buildNavigationTree(BankQueries(m_bank.database()), m_session.viewMode(), navigation);
    } catch (const StoreError &error) {
        qCWarning(lcMain) << "tree read failed:" << error.message();
        failure = error.driverText();
    }
    int position = 0;
    addNodes(nullptr, navigation.roots, position);
    m_session.takeNodeIds(navigation.nodeIds);
    if (!failure.isEmpty())
        inform(QStringLiteral("读取题库目录时出错，目录可能不完整：%1").arg(failure));
}

void MainWindow::addNodes(QTreeWidgetItem *parent, const QList<NavigationNode> &nodes,
                          int &position) {
    for (const NavigationNode &node : nodes) {
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
        item->setText(0, node.caption);
        item->setData(0, positionRole, position++);
        item->setData(0, levelRole, node.level);
        addNodes(item, node.children, position);
    }
}

QTreeWidgetItem *MainWindow::nodeAt(int position) const {
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        if ((*it)->data(0, positionRole).toInt() == position)
            return *it;
    }
    return nullptr;
}

void MainWindow::activate() {
    switch (m_session.activate(m_pageToolbar->gradingButton()->x())) {
    case BrowseSession::Activation::LayoutChanged:
        return;
    case BrowseSession::Activation::ShowFirstChapter:
        break;
    }
    m_tree->expandAll();
    if (QTreeWidgetItem *first = nodeAt(firstChapterPosition)) {
        m_tree->setCurrentItem(first);
        showSelectedNode();
    } else {
        qCInfo(lcMain) << "the tree has no node at position" << firstChapterPosition;
    }
    m_session.zoomLevel() = startZoomLevel;
}

void MainWindow::showSelectedNode() {
    QTreeWidgetItem *node = m_tree->currentItem();
    if (!node)
        return;
    const BrowseSession::NodeKind kind =
        BrowseSession::kindOfNode(node->data(0, levelRole).toInt(), node->childCount() > 0);
    if (kind == BrowseSession::NodeKind::SectionWithoutChapters) {
        inform(QStringLiteral("本章节无试题!"));
        return;
    }
    resetAnswerButtons();
    m_session.numbering().reset();
    if (kind == BrowseSession::NodeKind::Chapter)
        showChapter(m_session.chapterAt(node->data(0, positionRole).toInt()));
    else
        m_session.setInterceptArmed(true);
}

void MainWindow::rebuildPage() {
    bool numeric = false;
    const RowId shown = m_session.currentTreeId().toLongLong(&numeric);
    if (!numeric)
        return;
    m_session.numbering().reset();
    showChapter(shown);
}

void MainWindow::informOnce(bool &told, const QString &text) {
    if (!std::exchange(told, true))
        inform(text);
}

std::function<QString(const QString &)> MainWindow::pictureLocator() const {
    return [this](const QString &stored) { return m_folder.locatePicture(stored); };
}

void MainWindow::showChapter(RowId treeId) {
    m_session.setInterceptArmed(false);
    const ChapterPage page =
        composeChapterPage(BankQueries(m_bank.database()), treeId, m_session.viewMode(),
                           m_session.numbering(), pictureLocator());
    if (!page.treeId.isEmpty()) {
        m_pageToolbar->chapterLabel()->setText(page.chapterName);
        m_session.setCurrentTreeId(page.treeId);
    }
    m_session.setSearchPage(std::nullopt);
    presentPage(page.fragments);
    m_session.setInterceptArmed(true);
}

void MainWindow::showSearchPage(const QStringList &fragments, const QString &afterShown,
                                BrowseSession::SearchPage page) {
    m_session.setInterceptArmed(false);
    m_pageToolbar->chapterLabel()->setText(QStringLiteral("搜索结果"));
    // No chapter of the tree is shown now; a click on any of them shows it.
    m_tree->setCurrentItem(nullptr);
    m_tree->clearSelection();
    m_session.setSearchPage(std::move(page));
    presentPage(fragments);
    if (!m_pageView->runScript(afterShown))
        qCWarning(lcMain) << "search hits not highlighted";
    m_session.setInterceptArmed(true);
}

void MainWindow::presentPage(const QStringList &fragments) {
    switch (m_presenter->show(fragments)) {
    case ShowResult::TemplateMissing:
        informOnce(
            m_templateMissingTold,
            QStringLiteral("找不到试题页面模板 yk.html，无法显示试题。请重新安装 Velkora。"));
        break;
    case ShowResult::LoadFailed:
        informOnce(m_templateFailedTold,
                   QStringLiteral("试题页面模板 yk.html 没有打开，试题无法显示。请关闭 Velkora "
                                  "后重新启动；仍不行时请重新安装。"));
        break;
    case ShowResult::TemplateDamaged:
        informOnce(
            m_templateDamagedTold,
            QStringLiteral("试题页面模板 yk.html 已损坏：“显示答案”“收藏本题”等按钮无法使用。"
                           "请重新安装 Velkora。"));
        break;
    case ShowResult::Shown:
    case ShowResult::Superseded:
        break;
    }
}

bool MainWindow::handleNavigation(const QUrl &url) {
    const BrowseSession::NavigationVerdict verdict = m_session.handleNavigation(url);
    if (verdict.allow)
        return true;
    // The page view is inside its navigation callback now and cannot load
    // another page until it returns, so the commands run right after it.
    QMetaObject::invokeMethod(
        this,
        [this, verdict] {
            if (verdict.reportQuestion)
                showErrorReport(*verdict.reportQuestion);
            if (verdict.favouriteQuestion)
                toggleFavourite(*verdict.favouriteQuestion);
        },
        Qt::QueuedConnection);
    return false;
}

void MainWindow::toggleFavourite(RowId questionId) {
    std::optional<bool> favourite;
    try {
        favourite = FlagStore(m_bank.database()).toggleFavourite(questionId);
    } catch (const StoreError &error) {
        qCWarning(lcMain) << "favourite not stored:" << error.message();
        inform(QStringLiteral("收藏没有保存：%1").arg(error.driverText()));
        return;
    }
    if (!favourite) {
        qCWarning(lcMain) << "no question" << questionId << "to mark as favourite";
        return;
    }
    inform(*favourite ? QStringLiteral("收藏成功！") : QStringLiteral("取消收藏！"));
    if (m_session.viewMode() == ViewMode::Favourites)
        openFavourites();
}

void MainWindow::showErrorReport(RowId questionId) {
    m_errorReport->clearForReport();
    m_errorReport->show();
    m_errorReport->raise();
    ReportPreview preview;
    try {
        preview = composeReportPreview(BankQueries(m_bank.database()), questionId,
                                       m_session.numbering(), pictureLocator());
    } catch (const StoreError &error) {
        qCWarning(lcMain) << "error-report preview cut short:" << error.message();
    }
    if (!preview.questionId.isEmpty()) {
        m_program.reportQuestionText = preview.questionText;
        m_program.reportQuestionId = preview.questionId;
    }
    PagePresenter(*m_errorReport->pageView(), m_folder.templatePath()).show(preview.fragments);
}

void MainWindow::resetAnswerButtons() {
    m_pageToolbar->hideAllButton()->hide();
    m_pageToolbar->showAllButton()->show();
}

void MainWindow::prepareViewEntry() {
    resetAnswerButtons();
    // Undo a full-screen display, so that the activation finds the page
    // toolbar at its mark and builds the first page.
    if (m_pageToolbar->gradingButton()->x() != m_session.layoutMark())
        m_pageToolbar->shiftMarkedControls(-m_tree->width());
    m_pageToolbar->answerAgainButton()->show();
    m_pageToolbar->submitButton()->show();
    m_panel2->show();
}

void MainWindow::returnToChapterPractice() {
    prepareViewEntry();
    m_session.setViewMode(ViewMode::ChapterPractice);
    setViewCaption(ViewMode::ChapterPractice);
    refreshTree();
    activate();
    m_pageToolbar->gradingButton()->show();
    m_tree->expandAll();
}

void MainWindow::openFavourites() {
    bool any = false;
    try {
        any = BankQueries(m_bank.database()).anyQuestionFlagged(ViewMode::Favourites);
    } catch (const StoreError &error) {
        qCWarning(lcMain) << "favourites not read:" << error.message();
    }
    if (!any) {
        inform(QStringLiteral("您没有收藏试题！"));
        return;
    }
    enterView(ViewMode::Favourites);
}

void MainWindow::enterView(ViewMode mode) {
    if (mode == ViewMode::ChapterPractice) {
        returnToChapterPractice();
        return;
    }
    prepareViewEntry();
    m_session.setInterceptArmed(false);
    m_session.setViewMode(mode);
    setViewCaption(mode);
    m_pageToolbar->gradingButton()->hide();
    try {
        FlagStore(m_bank.database()).markChapters(mode);
    } catch (const StoreError &error) {
        qCWarning(lcMain) << "chapters of the view not marked:" << error.message();
    }
    refreshTree();
    activate();
    m_tree->expandAll();
    m_session.setInterceptArmed(true);
}

PageView &MainWindow::page() {
    return *m_pageView;
}

void MainWindow::pressAnswerButtons(bool show) {
    m_pageToolbar->showAllButton()->setVisible(!show);
    m_pageToolbar->hideAllButton()->setVisible(show);
    m_session.setInterceptArmed(false);
    // Every answer button that still reads the other way, in question-number order.
    m_pageView->runScript(
        QStringLiteral(
            "var b=Array.prototype.slice.call(document.getElementsByName('torvanexsda'));"
            "b.sort(function(x,y){return parseInt(x.id.substring(2),10)-"
            "parseInt(y.id.substring(2),10);});"
            "for(var i=0;i<b.length;i++){if(b[i].value=='%1')b[i].click();}")
            .arg(show ? QStringLiteral("显示答案") : QStringLiteral("隐藏答案")));
    m_session.setInterceptArmed(true);
}

void MainWindow::showAllAnswers() {
    pressAnswerButtons(true);
}

void MainWindow::hideAllAnswers() {
    pressAnswerButtons(false);
}

void MainWindow::printPage() {
    if (m_pageView->url().isEmpty()) {
        inform(QStringLiteral("Print is Disabled!"));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!m_choosePrinter(printer))
        return;
    QEventLoop loop;
    bool printed = false;
    connect(m_pageView, &QWebEngineView::printFinished, &loop, [&](bool ok) {
        printed = ok;
        loop.quit();
    });
    m_pageView->print(&printer);
    QTimer::singleShot(120000, &loop, &QEventLoop::quit); // a printer that never answers
    loop.exec();
    if (!printed)
        inform(QStringLiteral("打印没有完成，请检查打印机。"));
}

void MainWindow::changeTextSize(TextSizeStep (*step)(int &zoomLevel)) {
    m_session.setInterceptArmed(false);
    const TextSizeStep result = step(m_session.zoomLevel());
    if (!result.bodyPixels)
        inform(result.message);
    else if (!m_pageView->setBodyFontSize(*result.bodyPixels))
        qCWarning(lcMain) << "page took no text size";
    m_session.setInterceptArmed(true);
}

void MainWindow::enlargeText() {
    changeTextSize(largerText);
}

void MainWindow::reduceText() {
    changeTextSize(smallerText);
}

void MainWindow::enterFullScreen() {
    m_mainToolbar->hide();
    m_panel2->hide();
    m_titleStrip->hide();
    m_pageToolbar->windowButton()->show();
    m_pageToolbar->fullScreenButton()->hide();
    m_session.setFullScreenFromMaximised(isMaximized());
    if (!isMaximized())
        toggleMaximised();
}

void MainWindow::leaveFullScreen() {
    m_pageToolbar->fullScreenButton()->show();
    m_pageToolbar->windowButton()->hide();
    m_mainToolbar->show();
    m_panel2->show();
    m_titleStrip->show();
    if (!m_session.fullScreenFromMaximised())
        toggleMaximised();
}

void MainWindow::minimise() {
    showMinimized();
}

void MainWindow::toggleMaximised() {
    QLabel *label1 = m_pageToolbar->chapterLabel();
    QWidget *controls[] = {label1, m_pageToolbar->gradingButton(),
                           m_pageToolbar->largerTextButton(), m_pageToolbar->smallerTextButton()};
    const bool restoring = isMaximized();
    m_titleStrip->showMaximised(!restoring);
    int lefts[4];
    if (restoring) {
        showNormal();
        const int design[] = {176, 488, 599, 657};
        std::copy(std::begin(design), std::end(design), lefts);
    } else {
        showMaximized();
        const int s = availableArea(this).width();
        const int maximised[] = {s - 900, s - 560, s - 460, s - 400};
        std::copy(std::begin(maximised), std::end(maximised), lefts);
    }
    for (int i = 0; i < 4; ++i)
        controls[i]->move(lefts[i], controls[i]->y());
}

void MainWindow::exitProgram() {
    if (!m_messages.ask(QStringLiteral("确定退出系统？"), QStringLiteral("提示"),
                        Messages::Choice::OkCancel))
        return;
    m_bank.close();
    QApplication::quit();
}

QList<RowId> MainWindow::bookletQuestions() const {
    if (const auto &search = m_session.searchPage())
        return search->questions();
    if (m_session.viewMode() == ViewMode::ChapterPractice)
        return {};
    return viewQuestions(BankQueries(m_bank.database()), m_session.viewMode());
}

void MainWindow::exportBooklet() {
    const auto &search = m_session.searchPage();
    if (!search && m_session.viewMode() == ViewMode::ChapterPractice) {
        inform(QStringLiteral("请先打开“收藏试题”或“错题题库”，或搜索试题，再导出PDF。"));
        return;
    }
    QList<RowId> questions;
    try {
        questions = bookletQuestions();
    } catch (const StoreError &error) {
        qCWarning(lcMain) << "booklet questions not read:" << error.message();
        inform(QStringLiteral("读取题库时出错，PDF没有导出。"));
        return;
    }
    const QString title = search ? search->bookletTitle : bookletTitle(m_session.viewMode());
    const QString outcome = m_booklet->exportBooklet(m_program.subjectName, title, questions);
    if (!outcome.isEmpty())
        inform(outcome);
}

void MainWindow::mousePressEvent(QMouseEvent *event) {
    // The window's own surface, where no control lies, drags the window.
    if (event->button() == Qt::LeftButton && windowHandle())
        windowHandle()->startSystemMove();
    QWidget::mousePressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event) {
    m_errorReport->close();
    m_bank.close();
    QWidget::closeEvent(event);
}

QString MainWindow::panelCaption() const {
    return m_panel6->property("caption").toString();
}

void MainWindow::setViewCaption(ViewMode mode) {
    const QString caption = viewCaption(mode);
    m_panel6->setProperty("caption", caption);
    m_label3->setText(caption);
}

void MainWindow::inform(const QString &text) {
    m_messages.inform(text);
}

} // namespace velkora
