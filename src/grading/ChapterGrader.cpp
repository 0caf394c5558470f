#include "grading/ChapterGrader.h"

#include "grading/AnswerText.h"
#include "grading/PageAnswers.h"
#include "store/BankConventions.h"
#include "store/BankQueries.h"

namespace velkora {

ChapterGrade gradeChapter(const BankQueries &queries, RowId treeId, ViewMode mode,
                          const PageAnswers &answers) {
    return gradeContent(queries.chapterContent(treeId, mode), answers);
}

ChapterGrade gradeContent(const ChapterContent &content, const PageAnswers &answers) {
    ChapterGrade grade;
    for (const GroupRow &group : content.groups) {
        const QuestionType type = content.types.value(group.typeId);
        GroupScore score{type.title};
        for (const QuestionRow &question : content.questions.value(group.id)) {
            ++score.questions;
            const QList<OptionRow> options = type.code == typecode::sharedOptions
                                                 ? QList<OptionRow>{}
                                                 : content.options.value(question.id);
            const std::optional<QString> given = answers.given(type.code, question.id, options);
            if (!given)
                throw MissingAnswerControls(question.id);
            if (cleanedAnswer(*given).isEmpty() || *given == nothingChosen)
                grade.blankQuestions.append(question.id);
            if (answersMatch(question.answer, *given)) {
                ++score.correct;
                grade.rightQuestions.append(question.id);
            } else {
                grade.wrongQuestions.append(question.id);
            }
        }
        grade.groups.append(score);
    }
    return grade;
}

} // namespace velkora
