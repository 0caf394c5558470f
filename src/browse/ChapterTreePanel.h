#pragma once

#include "browse/NavigationTree.h"
#include "store/ChapterFigures.h"

#include <QFrame>
#include <optional>

class QAction;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace velkora {

// The column left of the page (Panel2): the header Panel6 with the view's
// caption (Label3) and the booklet button, and the tree TreeView1 of
// parts, sections and chapters. Every node knows its depth-first position
// in the tree, by which the view's table of row ids is read.
class ChapterTreePanel : public QFrame {
    Q_OBJECT
public:
    // `headerPicture` is the file the header is drawn with.
    ChapterTreePanel(const QString &headerPicture, QAction *exportBooklet, QWidget *parent);

    // The header's caption, which names the view (Panel6's "caption").
    void setCaption(const QString &caption);
    QString caption() const;

    void showNodes(const QList<NavigationNode> &roots);
    // Beside each chapter, how many of its questions the learner has
    // answered of all it holds ("12/40").
    void showProgress(const QHash<RowId, ChapterProgress> &byChapter);
    void clear();
    void expandAll();

    struct Node {
        int position = 0;
        int level = 1; // 1 part, 2 section, 3 chapter
        bool hasChildren = false;
    };
    // The node at a depth-first position; nullptr when the tree has none there.
    QTreeWidgetItem *nodeAt(int position) const;
    // Selects the node at `position`; false when the tree has none there.
    bool select(int position);
    std::optional<Node> selectedNode() const;
    // No node selected: the page shows none of the tree's chapters.
    void clearSelection();

signals:
    void nodeClicked();

private:
    void addNodes(QTreeWidgetItem *parent, const QList<NavigationNode> &nodes, int &position);

    QFrame *m_header;
    QLabel *m_caption;
    QTreeWidget *m_tree;
};

} // namespace velkora
