#include "browse/ChapterPage.h"

#include "store/BankQueries.h"
#include "store/StoreError.h"

#include <QLoggingCategory>

namespace velkora {

Q_LOGGING_CATEGORY(lcChapter, "velkora.browse")

namespace {

std::optional<GroupContent> assembleGroup(const GroupRow &group,
                                          const std::optional<QuestionType> &type,
                                          const QList<QuestionRow> &questions,
                                          const QHash<RowId, QList<OptionRow>> &options,
                                          const PictureLocator &pictures) {
    if (!type) {
        qCWarning(lcChapter) << "group" << group.id << "has type" << group.typeId
                             << "which the bank does not define; it is left out";
        return std::nullopt;
    }
    GroupContent content;
    content.group = group;
    content.type = *type;
    for (QuestionRow question : questions) {
        if (pictures)
            question.picture = pictures(question.picture);
        content.items.append({question, options.value(question.id)});
    }
    return content;
}

} // namespace

std::optional<GroupContent> readGroup(const BankQueries &queries, const GroupRow &group,
                                      const QList<QuestionRow> &questions,
                                      const PictureLocator &pictures) {
    QList<RowId> ids;
    for (const QuestionRow &question : questions)
        ids.append(question.id);
    return assembleGroup(group, queries.questionType(group.typeId), questions,
                         queries.optionsOf(ids), pictures);
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
        const ChapterContent content = queries.chapterContent(chapter->id, mode);
        for (const GroupRow &group : content.groups) {
            const QList<QuestionRow> listed = content.questions.value(group.id);
            if (listed.isEmpty() && mode != ViewMode::ChapterPractice)
                continue;
            const auto type = content.types.constFind(group.typeId);
            if (const std::optional<GroupContent> assembled = assembleGroup(
                    group, type == content.types.cend() ? std::nullopt : std::optional(*type),
                    listed, content.options, pictures))
                composer.addGroup(*assembled);
        }
    } catch (const StoreError &error) {
        qCWarning(lcChapter) << "chapter page cut short:" << error.message();
        page.complete = false;
    }
    page.fragments = composer.takeFragments();
    return page;
}

namespace {
QString pathHeading(const QList<TreeRow> &path) {
    QStringList names;
    for (const TreeRow &node : path)
        names.append(node.name.toHtmlEscaped());
    return QStringLiteral("<div class=\"vk-chapter-path\" style=\"margin:20px 0 10px;"
                          "padding:4px 8px;border-left:4px solid #1b6f80;background:#e9f3f5;"
                          "font-weight:bold;color:#1b5e6b\">") +
           names.join(QStringLiteral(" › ")) + QStringLiteral("</div>");
}
} // namespace

QStringList composeQuestionList(const BankQueries &queries, const QList<PlacedQuestion> &placed,
                                NumberingState &numbering, const PictureLocator &pictures) {
    QStringList fragments;
    PageComposer composer(numbering);
    try {
        QList<RowId> ids;
        for (const PlacedQuestion &question : placed)
            ids.append(question.question);
        QHash<RowId, QuestionRow> questionsById;
        for (const QuestionRow &question : queries.questions(ids))
            questionsById.insert(question.id, question);
        for (qsizetype i = 0; i < placed.size();) {
            const PlacedQuestion &first = placed.at(i);
            if (i == 0 || placed.at(i - 1).chapter != first.chapter) {
                fragments += composer.takeFragments();
                fragments.append(pathHeading(queries.pathTo(first.chapter)));
                // Each chapter explains its case and shared-option groups anew.
                numbering.caseHeaderDone = 0;
                numbering.optionsHeaderDone = 0;
            }
            QList<QuestionRow> questions;
            for (; i < placed.size() && placed.at(i).group == first.group &&
                   placed.at(i).chapter == first.chapter;
                 ++i) {
                if (const auto question = questionsById.constFind(placed.at(i).question);
                    question != questionsById.cend())
                    questions.append(*question);
            }
            const std::optional<GroupRow> group = queries.group(first.group);
            if (!group || questions.isEmpty())
                continue;
            if (const std::optional<GroupContent> content =
                    readGroup(queries, *group, questions, pictures))
                composer.addGroup(*content);
        }
    } catch (const StoreError &error) {
        qCWarning(lcChapter) << "list page cut short:" << error.message();
    }
    fragments += composer.takeFragments();
    return fragments;
}

} // namespace velkora
