#include "browse/ReportedQuestion.h"

#include "browse/ChapterPage.h"
#include "store/BankQueries.h"

namespace velkora {

ReportPreview composeReportPreview(const BankQueries &queries, RowId questionId,
                                   NumberingState &numbering, const PictureLocator &pictures) {
    ReportPreview preview;
    numbering.reset();
    const std::optional<QuestionRow> question = queries.question(questionId);
    if (!question)
        return preview;
    const std::optional<GroupRow> group = queries.group(question->groupId);
    if (!group)
        return preview;
    PageComposer composer(numbering, PageStyle::ReportPreview);
    if (const std::optional<GroupContent> content =
            readGroup(queries, *group, {*question}, pictures))
        composer.addGroup(*content);
    preview.fragments = composer.takeFragments();
    preview.questionText = question->content;
    preview.questionId = QString::number(question->id);
    if (const std::optional<Subject> subject = queries.subject())
        preview.subject = subject->name;
    return preview;
}

} // namespace velkora
