#pragma once

#include "store/Records.h"
#include "store/ViewMode.h"

#include <QList>
#include <QString>

namespace velkora {

class BankQueries;

struct NavigationNode {
    QString caption;
    int level = 1;   // 1 part, 2 section, 3 chapter
    RowId rowId = 0; // tree.id
    QList<NavigationNode> children;
};

// The tree of one view, with `nodeIds`: for each node by its depth-first
// position, the row id of a chapter and 0 for the nodes above chapters.
struct NavigationTree {
    QList<NavigationNode> roots;
    QList<RowId> nodeIds;

    int nodeCount() const { return int(nodeIds.size()); }
};

// Reads the tree as the view lists it: every part and section, and under a
// section only the chapters the view shows. On a failing read it throws
// StoreError, leaving in `tree` what was read so far.
void buildNavigationTree(const BankQueries &queries, ViewMode mode, NavigationTree &tree);

} // namespace velkora
