#pragma once

#include "store/Records.h"
#include "store/ViewMode.h"

#include <QList>
#include <QString>

namespace velkora {

// Where a booklet prints the answers and explanations.
enum class AnswerPlacement { AtEnd, AfterEachQuestion };

// What the learner takes away on paper: any list of question rows, from a
// view of the bank or a search.
struct BookletRequest {
    QString title;            // what the questions are: "收藏试题", "错题题库", ...
    QList<RowId> questionIds; // question rows, in the order they are listed
    AnswerPlacement placement = AnswerPlacement::AtEnd;
};

// The title of a booklet of a view's questions.
inline QString bookletTitle(ViewMode mode) {
    switch (mode) {
    case ViewMode::Favourites:
        return QStringLiteral("收藏试题");
    case ViewMode::WrongQuestions:
        return QStringLiteral("错题题库");
    case ViewMode::ChapterPractice:
        break;
    }
    return QStringLiteral("章节练习");
}

} // namespace velkora
