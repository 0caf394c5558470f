#include "browse/ChapterTreePanel.h"

#include "store/ViewMode.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace velkora {

namespace {
constexpr int positionRole = Qt::UserRole;
constexpr int levelRole = Qt::UserRole + 1;
constexpr int rowIdRole = Qt::UserRole + 2;
constexpr int progressColumn = 1;
constexpr int panelWidth = 257;
constexpr int headerHeight = 30;

QPushButton *bookletButton(QAction *exportBooklet, QFrame *header) {
    auto *button = new QPushButton(QStringLiteral("导出PDF"), header);
    button->setObjectName(QStringLiteral("ExportBookletButton"));
    button->setToolTip(QStringLiteral("把本题库的试题导出为PDF，打印成册"));
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(QStringLiteral(
        "QPushButton { color: #0b4a5c; font-size: 12px; background: rgba(255,255,255,150); "
        "border: 1px solid #6fa8b8; border-radius: 3px; padding: 2px 6px; } "
        "QPushButton:hover { background: white; } QPushButton:pressed { background: #d6e9ef; }"));
    button->adjustSize();
    // Right of the centred caption, outside the header's layout so the
    // caption stays where it is.
    button->move(panelWidth - button->width() - 6, (headerHeight - button->height()) / 2);
    QObject::connect(button, &QPushButton::clicked, exportBooklet, &QAction::trigger);
    return button;
}
} // namespace

ChapterTreePanel::ChapterTreePanel(const QString &headerPicture, QAction *exportBooklet,
                                   QWidget *parent)
    : QFrame(parent), m_header(new QFrame(this)), m_caption(new QLabel(m_header)),
      m_tree(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("Panel2"));
    setFixedWidth(panelWidth);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    m_header->setObjectName(QStringLiteral("Panel6"));
    m_header->setFixedHeight(headerHeight);
    m_header->setProperty("caption", captions::startup);
    m_header->setStyleSheet(
        QStringLiteral("#Panel6 { border-image: url(%1); background: #2a7f96; }")
            .arg(headerPicture));
    auto *header = new QHBoxLayout(m_header);
    header->setContentsMargins(0, 0, 0, 0);
    m_caption->setText(captions::chapterPractice);
    m_caption->setObjectName(QStringLiteral("Label3"));
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setStyleSheet(QStringLiteral(
        "color: #0b4a5c; font-size: 15px; font-weight: bold; background: transparent;"));
    header->addWidget(m_caption);
    bookletButton(exportBooklet, m_header);
    column->addWidget(m_header);

    m_tree->setObjectName(QStringLiteral("TreeView1"));
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(2);
    m_tree->header()->setStretchLastSection(false);
    m_tree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_tree->header()->setSectionResizeMode(progressColumn, QHeaderView::ResizeToContents);
    m_tree->setRootIsDecorated(false);
    m_tree->setItemsExpandable(false);
    m_tree->setExpandsOnDoubleClick(false);
    m_tree->setIndentation(23);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setSortingEnabled(false);
    m_tree->setStyleSheet(QStringLiteral(
        "QTreeWidget { background: #f7fafb; border: 0; border-right: 1px solid #cfdde4; "
        "font-size: 14px; } QTreeWidget::item { padding: 3px 6px 3px 0; } "
        "QTreeWidget::item:selected, QTreeWidget::item:selected:!active { background: #2a7f96; "
        "color: white; } QTreeWidget::branch { image: none; border-image: none; }"));
    column->addWidget(m_tree, 1);
    connect(m_tree, &QTreeWidget::itemClicked, this, &ChapterTreePanel::nodeClicked);
}

void ChapterTreePanel::setCaption(const QString &caption) {
    m_header->setProperty("caption", caption);
    m_caption->setText(caption);
}

QString ChapterTreePanel::caption() const {
    return m_header->property("caption").toString();
}

void ChapterTreePanel::showNodes(const QList<NavigationNode> &roots) {
    m_tree->clear();
    int position = 0;
    addNodes(nullptr, roots, position);
}

void ChapterTreePanel::clear() {
    m_tree->clear();
}

void ChapterTreePanel::expandAll() {
    m_tree->expandAll();
}

void ChapterTreePanel::addNodes(QTreeWidgetItem *parent, const QList<NavigationNode> &nodes,
                                int &position) {
    for (const NavigationNode &node : nodes) {
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
        item->setText(0, node.caption);
        item->setToolTip(0, node.caption);
        item->setData(0, positionRole, position++);
        item->setData(0, levelRole, node.level);
        item->setData(0, rowIdRole, node.rowId);
        addNodes(item, node.children, position);
        // Only chapters have a progress column; parts and sections take the row.
        item->setFirstColumnSpanned(node.level != 3);
    }
}

void ChapterTreePanel::showProgress(const QHash<RowId, ChapterProgress> &byChapter) {
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        QTreeWidgetItem *item = *it;
        if (item->data(0, levelRole).toInt() != 3)
            continue;
        const ChapterProgress figures = byChapter.value(item->data(0, rowIdRole).toLongLong());
        item->setText(progressColumn,
                      QStringLiteral("%1/%2").arg(figures.practised).arg(figures.questions));
        item->setForeground(progressColumn,
                            figures.practised == figures.questions && figures.questions > 0
                                ? QColor(0x2e, 0x7d, 0x32)
                                : QColor(0x6b, 0x7f, 0x8a));
        item->setToolTip(
            progressColumn,
            QStringLiteral("已做 %1 题，共 %2 题").arg(figures.practised).arg(figures.questions));
    }
}

QTreeWidgetItem *ChapterTreePanel::nodeAt(int position) const {
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        if ((*it)->data(0, positionRole).toInt() == position)
            return *it;
    }
    return nullptr;
}

bool ChapterTreePanel::select(int position) {
    QTreeWidgetItem *item = nodeAt(position);
    if (item)
        m_tree->setCurrentItem(item);
    return item != nullptr;
}

std::optional<ChapterTreePanel::Node> ChapterTreePanel::selectedNode() const {
    const QTreeWidgetItem *item = m_tree->currentItem();
    if (!item)
        return std::nullopt;
    return Node{item->data(0, positionRole).toInt(), item->data(0, levelRole).toInt(),
                item->childCount() > 0};
}

void ChapterTreePanel::clearSelection() {
    m_tree->setCurrentItem(nullptr);
    m_tree->clearSelection();
}

} // namespace velkora
