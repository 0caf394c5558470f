#include "browse/ChapterPage.h"

#include "store/BankQueries.h"
#include "store/StoreError.h"

#include <QLoggingCategory>

namespace velkora {

Q_LOGGING_CATEGORY(lcChapter, "velkora.browse")

std::optional<GroupContent> readGroup(const BankQueries &queries, const GroupRow &group,
                                      const QList<QuestionRow> &questions,
                                      const PictureLocator &pictures) {
    const std::optional<QuestionType> type = queries.questionType(group.typeId);
    if (!type) {
        qCWarning(lcChapter) << "group" << group.id << "has type" << group.typeId
                             << "which the bank does not define; it is left out";
        return std::nullopt;
    }
    GroupContent content;
    content.group = group;
    content.type = *type;
    QList<RowId> ids;
    for (const QuestionRow &question : questions)
        ids.append(question.id);
    const QHash<RowId, QList<OptionRow>> options = queries.optionsOf(ids);
    for (QuestionRow question : questions) {
        if (pictures)
            question.picture = pictures(question.picture);
        content.items.append({question, options.value(question.id)});
    }
    return content;
}

ChapterPage composeChapterPage(const BankQueries &queries, RowId treeId, ViewMode mode,
                               NumberingState &numbering, const PictureLocator &pictures) {
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
        page.chapterFound = true;
        for (const GroupRow &group : queries.groupsOfChapter(chapter->id)) {
            const QList<QuestionRow> questions = queries.questionsOfGroup(group.id, mode);
            if (questions.isEmpty() && mode != ViewMode::ChapterPractice)
                continue;
            if (const std::optional<GroupContent> content =
                    readGroup(queries, group, questions, pictures))
                composer.addGroup(*content);
        }
    } catch (const StoreError &error) {
        qCWarning(lcChapter) << "chapter page cut short:" << error.message();
        page.complete = false;
    }
    page.fragments = composer.takeFragments();
    return page;
}

} // namespace velkora
