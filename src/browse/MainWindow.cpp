#include "browse/MainWindow.h"

#include "app/AppConfig.h"
#include "app/Messages.h"
#include "app/ProgramFolder.h"
#include "app/ProgramState.h"
#include "browse/ChapterPage.h"
#include "browse/PageToolbar.h"
#include "chrome/MainToolbar.h"
#include "chrome/TitleStrip.h"
#include "page/WebPageView.h"
#include "store/BankConnection.h"
#include "store/BankQueries.h"
#include "store/StoreError.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

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
    buildLayout();
    m_presenter = std::make_unique<PagePresenter>(*m_pageView, m_folder.templatePath());
    formCreate();
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
        "color: white; font-size: 15px; font-weight: bold; background: transparent;"));
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
    const int treeId = m_state.nodeIds.value(node->data(0, positionRole).toInt());
    const ChapterPage page =
        composeChapterPage(BankQueries(m_bank.database()), treeId,
                           viewModeForCaption(viewCaption()), m_state.numbering);
    if (!page.treeId.isEmpty()) {
        m_pageToolbar->chapterLabel()->setText(page.chapterName);
        m_state.currentTreeId = page.treeId;
    }
    if (m_presenter->show(page.fragments) == ShowResult::TemplateMissing) {
        static bool told = false;
        if (!std::exchange(told, true))
            inform(
                QStringLiteral("找不到试题页面模板 yk.html，无法显示试题。请重新安装 Velkora。"));
    }
}

bool MainWindow::webBrowser1BeforeNavigate2(const QUrl &url) {
    if (m_state.interceptArmed == 0)
        return true;
    m_state.keepPage = 1;
    qCInfo(lcMain) << "page navigation kept in the program:" << url.toString();
    return false;
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

void MainWindow::inform(const QString &text) {
    if (m_inActivation)
        m_skipNextActivation = true;
    m_messages.inform(text);
}

} // namespace velkora
