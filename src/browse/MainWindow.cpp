#include "browse/MainWindow.h"

#include "app/AppConfig.h"
#include "app/Messages.h"
#include "app/ProgramFolder.h"
#include "app/ProgramState.h"
#include "browse/ChapterPage.h"
#include "browse/PageToolbar.h"
#include "browse/ReportPreview.h"
#include "browse/TextSize.h"
#include "chrome/MainToolbar.h"
#include "chrome/TitleStrip.h"
#include "feedback/ErrorReportWindow.h"
#include "grading/GradingCommands.h"
#include "page/WebPageView.h"
#include "store/BankConnection.h"
#include "store/BankQueries.h"
#include "store/FlagStore.h"
#include "store/StoreError.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
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
    m_errorReport = new ErrorReportWindow(this);
    connect(m_errorReport, &ErrorReportWindow::confirmed, m_errorReport, &QWidget::close);
    m_choosePrinter = [this](QPrinter &printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };
    connectCommands();
    formCreate();
    m_grading = std::make_unique<GradingCommands>(*this);
    auto grade = [this](PictureButton *button, void (GradingCommands::*command)()) {
        connect(button, &PictureButton::clicked, this,
                [this, command] { (m_grading.get()->*command)(); });
    };
    grade(m_pageToolbar->button(QStringLiteral("NewImage12")), &GradingCommands::bitBtn1Click);
    grade(m_pageToolbar->button(QStringLiteral("NewImage11")), &GradingCommands::newImage11Click);
    grade(m_mainToolbar->button(QStringLiteral("NewImage20")), &GradingCommands::newImage20Click);
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
    connect(m_tree, &QTreeWidget::itemClicked, this, [this] { treeView1Click(); });

    auto *pageArea = new QVBoxLayout;
    pageArea->setSpacing(0);
    m_pageToolbar = new PageToolbar(resolve, this);
    pageArea->addWidget(m_pageToolbar);
    m_pageView = new WebPageView(this);
    m_pageView->setObjectName(QStringLiteral("WebBrowser1"));
    m_pageView->interceptingPage()->setNavigationFilter(
        [this](const QUrl &url) { return webBrowser1BeforeNavigate2(url); });
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

void MainWindow::formCreate() {
    if (!isMaximized()) {
        if (const QScreen *screen = this->screen()) {
            const QRect area = screen->geometry();
            move(area.width() / 2 - 512, area.height() / 2 - 384);
        }
    }
    m_state.keepPage = 0;
    m_state.interceptArmed = 0;

    m_bankOpened = m_bank.isOpen() || m_bank.open();
    if (!m_bankOpened)
        return;
    try {
        const BankQueries queries(m_bank.database());
        const std::optional<Subject> subject = queries.subject();
        if (!subject) {
            qCWarning(lcMain) << "the bank names no subject";
            return;
        }
        QLabel *label4 = m_titleStrip->subjectIdLabel();
        label4->setText(label4->text() + QStringLiteral("  ") + subject->id);
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

void MainWindow::formShow() {
    m_state.fullScreenMark = 0;
    m_state.examRunningMark = 0;
    m_state.layoutMark = m_pageToolbar->gradingButton()->x();
    m_statusPanels[2]->setText(
        QStringLiteral("现在的日期和时间是： ") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    rebuildTree();
}

void MainWindow::rebuildTree() {
    m_tree->clear();
    NavigationTree navigation;
    QString failure;
    try {
        buildNavigationTree(BankQueries(m_bank.database()), viewModeForCaption(viewCaption()),
                            navigation);
    } catch (const StoreError &error) {
        qCWarning(lcMain) << "tree read failed:" << error.message();
        failure = error.driverText();
    }
    int position = 0;
    addNodes(nullptr, navigation.roots, position);
    // Positions past the last node keep older entries; they are never read.
    if (m_state.nodeIds.size() < navigation.nodeIds.size())
        m_state.nodeIds.resize(navigation.nodeIds.size());
    std::copy(navigation.nodeIds.cbegin(), navigation.nodeIds.cend(), m_state.nodeIds.begin());
    if (!failure.isEmpty() && m_bankOpened)
        inform(QStringLiteral("读取题库目录时出错：%1").arg(failure));
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

void MainWindow::formActivate() {
    if (m_state.keepPage != 0) {
        m_state.keepPage = 0;
        return;
    }
    if (m_pageToolbar->gradingButton()->x() != m_state.layoutMark)
        return;
    m_inActivation = true;
    m_tree->expandAll();
    if (QTreeWidgetItem *first = nodeAt(firstChapterPosition)) {
        m_tree->setCurrentItem(first);
        treeView1Click();
    } else {
        qCInfo(lcMain) << "the tree has no node at position" << firstChapterPosition;
    }
    m_state.zoomLevel = startZoomLevel;
    m_inActivation = false;
    m_state.keepPage = 0;
}

void MainWindow::treeView1Click() {
    QTreeWidgetItem *node = m_tree->currentItem();
    if (!node)
        return;
    const int level = node->data(0, levelRole).toInt();
    const bool hasChildren = node->childCount() > 0;
    if (!hasChildren && level == 2) {
        inform(QStringLiteral("本章节无试题!"));
        return;
    }
    m_state.interceptArmed = 0;
    m_pageToolbar->button(QStringLiteral("NewImage16"))->hide();
    m_pageToolbar->button(QStringLiteral("NewImage10"))->show();
    m_state.numbering.reset();
    if (!hasChildren && level == 3)
        showChapterPage(node);
    m_state.interceptArmed = 1;
}

void MainWindow::showChapterPage(QTreeWidgetItem *node) {
    const RowId treeId = m_state.nodeIds.value(node->data(0, positionRole).toInt());
    const ChapterPage page =
        composeChapterPage(BankQueries(m_bank.database()), treeId,
                           viewModeForCaption(viewCaption()), m_state.numbering);
    if (!page.treeId.isEmpty()) {
        m_pageToolbar->chapterLabel()->setText(page.chapterName);
        m_state.currentTreeId = page.treeId;
    }
    if (m_presenter->show(page.fragments) == ShowResult::TemplateMissing) {
        if (!std::exchange(m_templateMissingTold, true))
            inform(
                QStringLiteral("找不到试题页面模板 yk.html，无法显示试题。请重新安装 Velkora。"));
    }
}

bool MainWindow::webBrowser1BeforeNavigate2(const QUrl &url) {
    if (m_state.interceptArmed == 0)
        return true;
    m_state.keepPage = 1;
    // The page view is inside its navigation callback now and cannot load
    // another page until it returns, so the commands run right after it.
    const QString address = url.toString();
    QMetaObject::invokeMethod(
        this,
        [this, address] {
            if (address.contains(QLatin1String("ctfk")))
                showErrorReport(address);
            if (address.contains(QLatin1String("scbt")))
                toggleFavourite(address);
        },
        Qt::QueuedConnection);
    return false;
}

namespace {
// "http://scbt" + id + "/": the id without the first 11 characters and the last.
RowId questionIdOf(const QString &address) {
    return address.mid(11).chopped(1).toLongLong();
}
} // namespace

void MainWindow::toggleFavourite(const QString &address) {
    const RowId id = questionIdOf(address);
    std::optional<bool> favourite;
    try {
        favourite = FlagStore(m_bank.database()).toggleFavourite(id);
    } catch (const StoreError &error) {
        qCWarning(lcMain) << "favourite not stored:" << error.message();
        inform(QStringLiteral("收藏没有保存：%1").arg(error.driverText()));
        return;
    }
    if (!favourite) {
        qCWarning(lcMain) << "no question" << id << "to mark as favourite";
        return;
    }
    inform(*favourite ? QStringLiteral("收藏成功！") : QStringLiteral("取消收藏！"));
    if (viewCaption() == captions::favourites)
        newImage1Click();
}

void MainWindow::showErrorReport(const QString &address) {
    m_errorReport->clearForReport();
    m_errorReport->show();
    m_errorReport->raise();
    ReportPreview preview;
    try {
        preview = composeReportPreview(BankQueries(m_bank.database()), questionIdOf(address),
                                       m_state.numbering);
    } catch (const StoreError &error) {
        qCWarning(lcMain) << "error-report preview cut short:" << error.message();
    }
    if (!preview.questionId.isEmpty()) {
        m_program.reportQuestionText = preview.questionText;
        m_program.reportQuestionId = preview.questionId;
    }
    PagePresenter(*m_errorReport->pageView(), m_folder.templatePath()).show(preview.fragments);
}

void MainWindow::setPageButtonVisible(const char *name, bool visible) {
    m_pageToolbar->button(QLatin1String(name))->setVisible(visible);
}

void MainWindow::bringPageToolbarBack() {
    if (m_pageToolbar->gradingButton()->x() != m_state.layoutMark)
        m_pageToolbar->shiftMarkedControls(-m_tree->width());
}

void MainWindow::showPageCommands() {
    for (const char *name : {"NewImage10", "NewImage11", "NewImage12"})
        setPageButtonVisible(name, true);
    m_panel2->show();
}

void MainWindow::gjstClick() {
    m_state.keepPage = 0;
    setPageButtonVisible("NewImage16", false);
    setPageButtonVisible("NewImage10", true);
    bringPageToolbarBack();
    showPageCommands();
    setViewCaption(captions::chapterPractice);
    formShow();
    formActivate();
    m_tree->expandAll();
}

void MainWindow::newImage1Click() {
    m_state.keepPage = 0;
    bool any = false;
    try {
        any = BankQueries(m_bank.database()).anyQuestionFlagged(ViewMode::Favourites);
    } catch (const StoreError &error) {
        qCWarning(lcMain) << "favourites not read:" << error.message();
    }
    if (!any) {
        inform(QStringLiteral("您没有收藏试题！"), true);
        return;
    }
    enterMarkedView(ViewMode::Favourites);
}

void MainWindow::enterMarkedView(ViewMode mode) {
    setPageButtonVisible("NewImage16", false);
    setPageButtonVisible("NewImage10", true);
    bringPageToolbarBack();
    showPageCommands();
    m_state.interceptArmed = 0;
    setViewCaption(mode == ViewMode::Favourites ? captions::favourites : captions::wrongQuestions);
    m_pageToolbar->gradingButton()->hide();
    try {
        FlagStore(m_bank.database()).markChapters(mode);
    } catch (const StoreError &error) {
        qCWarning(lcMain) << "chapters of the view not marked:" << error.message();
    }
    formShow();
    formActivate();
    m_tree->expandAll();
    m_state.interceptArmed = 1;
}

void MainWindow::pressAnswerButtons(bool show) {
    setPageButtonVisible("NewImage10", !show);
    setPageButtonVisible("NewImage16", show);
    m_state.interceptArmed = 0;
    // Every answer button that still reads the other way, in question-number order.
    m_pageView->runScript(
        QStringLiteral(
            "var b=Array.prototype.slice.call(document.getElementsByName('torvanexsda'));"
            "b.sort(function(x,y){return parseInt(x.id.substring(2),10)-"
            "parseInt(y.id.substring(2),10);});"
            "for(var i=0;i<b.length;i++){if(b[i].value=='%1')b[i].click();}")
            .arg(show ? QStringLiteral("显示答案") : QStringLiteral("隐藏答案")));
    m_state.interceptArmed = 1;
}

void MainWindow::newImage10Click() {
    pressAnswerButtons(true);
}

void MainWindow::newImage16Click() {
    pressAnswerButtons(false);
}

void MainWindow::newImage13Click() {
    if (m_pageView->url().isEmpty()) {
        inform(QStringLiteral("Print is Disabled!"), true);
        return;
    }
    m_state.keepPage = 1; // the print dialog stands in front of the window
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
        inform(QStringLiteral("打印没有完成，请检查打印机。"), true);
}

void MainWindow::changeTextSize(TextSizeStep (*step)(int &zoomLevel)) {
    m_state.interceptArmed = 0;
    const TextSizeStep result = step(m_state.zoomLevel);
    if (!result.bodyPixels)
        inform(result.message, true);
    else if (!m_pageView->setBodyFontSize(*result.bodyPixels))
        qCWarning(lcMain) << "page took no text size";
    m_state.interceptArmed = 1;
}

void MainWindow::speedButton2Click() {
    changeTextSize(largerText);
}

void MainWindow::speedButton3Click() {
    changeTextSize(smallerText);
}

void MainWindow::newImage17Click() {
    m_mainToolbar->hide();
    m_panel2->hide();
    m_titleStrip->hide();
    setPageButtonVisible("NewImage18", true);
    setPageButtonVisible("NewImage17", false);
    if (isMaximized()) {
        m_state.fullScreenMark = 1;
    } else {
        m_state.fullScreenMark = 0;
        image6Click();
    }
}

void MainWindow::newImage18Click() {
    setPageButtonVisible("NewImage17", true);
    setPageButtonVisible("NewImage18", false);
    m_mainToolbar->show();
    m_panel2->show();
    m_titleStrip->show();
    if (m_state.fullScreenMark != 1)
        image6Click();
}

void MainWindow::image4Click() {
    showMinimized();
}

void MainWindow::image6Click() {
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
        const int s = screen() ? screen()->geometry().width() : width();
        const int maximised[] = {s - 900, s - 560, s - 460, s - 400};
        std::copy(std::begin(maximised), std::end(maximised), lefts);
    }
    for (int i = 0; i < 4; ++i)
        controls[i]->move(lefts[i], controls[i]->y());
}

void MainWindow::tcxtClick() {
    m_state.keepPage = 1; // Cancel must leave the page as it is
    if (!m_messages.ask(QStringLiteral("确定退出系统？"), QStringLiteral("提示"),
                        Messages::Choice::OkCancel))
        return;
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
    m_errorReport->close();
    m_bank.close();
    QWidget::closeEvent(event);
}

void MainWindow::connectCommands() {
    auto on = [this](PictureButton *button, void (MainWindow::*command)()) {
        connect(button, &PictureButton::clicked, this, command);
    };
    on(m_mainToolbar->button(QStringLiteral("gjst")), &MainWindow::gjstClick);
    on(m_mainToolbar->button(QStringLiteral("NewImage1")), &MainWindow::newImage1Click);
    on(m_pageToolbar->button(QStringLiteral("NewImage10")), &MainWindow::newImage10Click);
    on(m_pageToolbar->button(QStringLiteral("NewImage16")), &MainWindow::newImage16Click);
    on(m_pageToolbar->button(QStringLiteral("NewImage13")), &MainWindow::newImage13Click);
    on(m_pageToolbar->button(QStringLiteral("NewImage14")), &MainWindow::speedButton2Click);
    on(m_pageToolbar->button(QStringLiteral("NewImage15")), &MainWindow::speedButton3Click);
    on(m_pageToolbar->button(QStringLiteral("NewImage17")), &MainWindow::newImage17Click);
    on(m_pageToolbar->button(QStringLiteral("NewImage18")), &MainWindow::newImage18Click);
    connect(m_pageToolbar->largerTextButton(), &QPushButton::clicked, this,
            &MainWindow::speedButton2Click);
    connect(m_pageToolbar->smallerTextButton(), &QPushButton::clicked, this,
            &MainWindow::speedButton3Click);
    connect(m_titleStrip, &TitleStrip::minimiseRequested, this, &MainWindow::image4Click);
    connect(m_titleStrip, &TitleStrip::maximiseToggleRequested, this, &MainWindow::image6Click);
    connect(m_titleStrip, &TitleStrip::closeRequested, this, &MainWindow::tcxtClick);
}

QString MainWindow::viewCaption() const {
    return m_panel6->property("caption").toString();
}

void MainWindow::setViewCaption(const QString &caption) {
    m_panel6->setProperty("caption", caption);
    m_label3->setText(caption);
}

void MainWindow::activatedAgain() {
    if (std::exchange(m_skipNextActivation, false))
        return;
    formActivate();
}

void MainWindow::inform(const QString &text, bool keepPageAfter) {
    if (m_inActivation)
        m_skipNextActivation = true;
    if (keepPageAfter)
        m_state.keepPage = 1;
    m_messages.inform(text);
}

} // namespace velkora
