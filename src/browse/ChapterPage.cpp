#include "browse/ChapterPage.h"

#include "store/BankQueries.h"
#include "store/StoreError.h"

#include <QLoggingCategory>

namespace velkora {

Q_LOGGING_CATEGORY(lcChapter, "velkora.browse")

GroupContent readGroup(const BankQueries &queries, const GroupRow &group,
                       const QList<QuestionRow> &questions) {
    GroupContent content;
    content.group = group;
    content.type = queries.questionType(group.typeId).value_or(QuestionType{});
    for (const QuestionRow &question : questions)
        content.items.append({question, queries.options(question.id)});
    return content;
}

ChapterPage composeChapterPage(const BankQueries &queries, RowId treeId, ViewMode mode,
                               NumberingState &numbering) {
    ChapterPage page;
    PageComposer composer(numbering);
    try {
        const std::optional<TreeRow> chapter = queries.treeRow(treeId);
        if (!chapter) {
            qCWarning(lcChapter) << "chapter row" << treeId << "is gone";
            page.complete = false;
            return page;
        }
        page.chapterName = chapter->name;
        page.treeId = QString::number(chapter->id);
        for (const GroupRow &group : queries.groupsOfChapter(chapter->id)) {
            const QList<QuestionRow> questions = queries.questionsOfGroup(group.id, mode);
            if (questions.isEmpty() && mode != ViewMode::ChapterPractice)
                continue;
            composer.addGroup(readGroup(queries, group, questions));
        }
    } catch (const StoreError &error) {
        qCWarning(lcChapter) << "chapter page cut short:" << error.message();
        page.complete = false;
    }
    page.fragments = composer.takeFragments();
    return page;
}

} // namespace velkora
