#include "booklet/BookletContent.h"

#include "browse/NavigationTree.h"
#include "store/BankConventions.h"
#include "store/BankQueries.h"
#include "store/StoreError.h"

#include <QHash>
#include <QLoggingCategory>
#include <QSet>

namespace velkora {

Q_LOGGING_CATEGORY(lcBooklet, "velkora.booklet")

namespace {

const QString pathSeparator = QStringLiteral(" › ");

// The path of every chapter of the whole tree, by the chapter's row id.
QHash<RowId, QString> chapterPaths(const NavigationTree &tree) {
    QHash<RowId, QString> paths;
    for (const NavigationNode &part : tree.roots)
        for (const NavigationNode &section : part.children)
            for (const NavigationNode &chapter : section.children)
                paths.insert(chapter.rowId,
                             QStringList{part.caption, section.caption, chapter.caption}.join(
                                 pathSeparator));
    return paths;
}

bool printedWhole(const QuestionType &type) {
    return type.code == typecode::caseGroup || type.code == typecode::sharedOptions;
}

} // namespace

int BookletContent::questionCount() const {
    int count = 0;
    for (const BookletChapter &chapter : chapters)
        for (const GroupContent &group : chapter.groups)
            count += int(group.items.size());
    return count;
}

BookletContent readBookletContent(const BankQueries &queries, const QList<RowId> &questionIds,
                                  const PictureLocator &pictures) {
    BookletContent content;
    try {
        // The listed questions by group, groups in the order first listed.
        QList<RowId> groupOrder;
        QHash<RowId, QList<QuestionRow>> listed;
        QSet<RowId> seen;
        for (RowId id : questionIds) {
            if (seen.contains(id))
                continue;
            seen.insert(id);
            const std::optional<QuestionRow> question = queries.question(id);
            if (!question) {
                qCWarning(lcBooklet) << "question" << id << "is gone; left out of the booklet";
                continue;
            }
            if (!listed.contains(question->groupId))
                groupOrder.append(question->groupId);
            listed[question->groupId].append(*question);
        }

        NavigationTree tree;
        buildNavigationTree(queries, ViewMode::ChapterPractice, tree);
        const QHash<RowId, QString> paths = chapterPaths(tree);
        QHash<RowId, qsizetype> chapterIndex;
        for (RowId groupId : groupOrder) {
            const std::optional<GroupRow> group = queries.group(groupId);
            if (!group) {
                qCWarning(lcBooklet) << "group" << groupId << "is gone; left out of the booklet";
                continue;
            }
            const std::optional<QuestionType> type = queries.questionType(group->typeId);
            const QList<QuestionRow> questions =
                type && printedWhole(*type)
                    ? queries.questionsOfGroup(group->id, ViewMode::ChapterPractice)
                    : listed.value(groupId);
            std::optional<GroupContent> read = readGroup(queries, *group, questions, pictures);
            if (!read)
                continue;
            if (!chapterIndex.contains(group->treeId)) {
                chapterIndex.insert(group->treeId, content.chapters.size());
                QString path = paths.value(group->treeId);
                if (path.isEmpty()) {
                    const std::optional<TreeRow> node = queries.treeRow(group->treeId);
                    path = node ? node->name : QString();
                }
                content.chapters.append({path, {}});
            }
            content.chapters[chapterIndex.value(group->treeId)].groups.append(std::move(*read));
        }
    } catch (const StoreError &error) {
        qCWarning(lcBooklet) << "booklet read cut short:" << error.message();
        content.complete = false;
    }
    return content;
}

QList<RowId> viewQuestions(const BankQueries &queries, ViewMode mode) {
    NavigationTree tree;
    buildNavigationTree(queries, ViewMode::ChapterPractice, tree);
    QList<RowId> ids;
    for (RowId chapter : std::as_const(tree.nodeIds)) {
        if (chapter == 0)
            continue;
        for (const GroupRow &group : queries.groupsOfChapter(chapter))
            for (const QuestionRow &question : queries.questionsOfGroup(group.id, mode))
                ids.append(question.id);
    }
    return ids;
}

} // namespace velkora
