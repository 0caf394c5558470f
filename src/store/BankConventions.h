#pragma once

#include "store/ViewMode.h"

#include <QList>
#include <QString>

namespace velkora {

// What the values of a bank mean, in one place.

// qtype.code: how the groups of a type are shown and answered.
namespace typecode {
inline constexpr int caseGroup = 8;     // a case text and its questions, check boxes
inline constexpr int sharedOptions = 9; // an option list, a drop-down per question
// One correct option, radio buttons.
inline bool singleAnswer(int code) {
    return code >= 1 && code <= 3;
}
// A group of one kind of question whose text is not shown; each stem is
// numbered on its own.
inline bool ownQuestion(int code) {
    return code >= 1 && code <= 7;
}
// Questions with option rows of their own (and a picture when they have one).
inline bool optionRows(int code) {
    return code >= 1 && code <= caseGroup;
}
} // namespace typecode

// The question and chapter flag a marked view lists: "scbt" for the
// favourites, "ct" for the wrong-question bank.
inline QString flagColumn(ViewMode mode) {
    return mode == ViewMode::Favourites ? QStringLiteral("scbt") : QStringLiteral("ct");
}

// Score titles whose rows a chapter submission merges into one, in merge
// order; `always`: the merged row is written even when no row had the title.
struct MergedScoreTitle {
    QString title;
    bool always = false;
};
inline const QList<MergedScoreTitle> &mergedScoreTitles() {
    static const QList<MergedScoreTitle> titles = {
        {QStringLiteral("五个公用备选多个题每题一个选项9"), false},
        {QStringLiteral("阅读案例多个问题8"), false},
        {QStringLiteral("B型题配伍选择题"), true},
        {QStringLiteral("A3/A4型题：每个案例至少有3个提问，每个提问有4-12个备选答案，"
                        "其中正确答案有一个或多个。"),
         true},
    };
    return titles;
}

} // namespace velkora
