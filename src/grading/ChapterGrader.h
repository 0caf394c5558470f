#pragma once

#include "store/BankQueries.h"
#include "store/Records.h"
#include "store/ViewMode.h"

#include <QList>
#include <QString>
#include <stdexcept>

namespace velkora {

class PageAnswers;

// Questions and correct answers of one group, under its type's title.
struct GroupScore {
    QString title;
    int questions = 0;
    int correct = 0;
};

struct ChapterGrade {
    QList<GroupScore> groups; // one per group, in page order
    QList<RowId> rightQuestions;
    QList<RowId> wrongQuestions; // unanswered ones included
    QList<RowId> blankQuestions; // left unanswered, whichever list they are in
};

// A question the view lists has no controls on the page, so its answer
// cannot be read: the page is not the one the bank describes.
class MissingAnswerControls : public std::runtime_error {
public:
    explicit MissingAnswerControls(RowId questionId)
        : std::runtime_error("no answer controls on the page for question " +
                             std::to_string(questionId)),
          m_questionId(questionId) {}
    RowId questionId() const { return m_questionId; }

private:
    RowId m_questionId;
};

// Grades the questions of a chapter that the view lists against the answers
// on the page. Reads only; throws StoreError or MissingAnswerControls.
ChapterGrade gradeChapter(const BankQueries &queries, RowId treeId, ViewMode mode,
                          const PageAnswers &answers);

// Grades the questions of `content`, group by group; throws MissingAnswerControls.
ChapterGrade gradeContent(const ChapterContent &content, const PageAnswers &answers);

} // namespace velkora
