#include "browse/NavigationTree.h"

#include "store/BankQueries.h"

namespace velkora {

void buildNavigationTree(const BankQueries &queries, ViewMode mode, NavigationTree &tree) {
    tree = {};
    for (const TreeRow &part : queries.topLevelNodes()) {
        NavigationNode &partNode =
            tree.roots.emplaceBack(NavigationNode{part.name, 1, part.id, {}});
        tree.nodeIds.append(0);
        for (const TreeRow &section : queries.childNodes(part.id)) {
            NavigationNode &sectionNode =
                partNode.children.emplaceBack(NavigationNode{section.name, 2, section.id, {}});
            tree.nodeIds.append(0);
            for (const TreeRow &chapter : queries.chapters(section.id, mode)) {
                sectionNode.children.append(NavigationNode{chapter.name, 3, chapter.id, {}});
                tree.nodeIds.append(chapter.id);
            }
        }
    }
}

} // namespace velkora
