#pragma once

#include "page/Fragments.h"
#include "page/PageComposer.h"
#include "store/Records.h"
#include "store/ViewMode.h"

#include <QStringList>
#include <functional>
#include <optional>

namespace velkora {

class BankQueries;

struct ChapterPage {
    QString chapterName;       // tree.nodename, empty when the chapter row is gone
    bool chapterFound = false; // false when the chapter row is gone
    QStringList fragments;
    bool complete = true; // false when a read failed part-way (logged)
};

// Composes the page of one chapter for a view: its groups by type, and in
// each group the questions the view lists. In the favourites and
// wrong-question views a group with no listed question writes nothing; in
// chapter practice it still shows its heading.
ChapterPage composeChapterPage(const BankQueries &queries, RowId treeId, ViewMode mode,
                               NumberingState &numbering, const PictureLocator &pictures = {});

// A question where the bank keeps it: its group and its chapter.
struct PlacedQuestion {
    RowId question = 0;
    RowId group = 0;
    RowId chapter = 0;
};

// Composes questions of many chapters, given in the order chapter pages show
// them, in the markup of a chapter page, so numbering, answers, 收藏本题 and
// 错题反馈 work as they do there: the questions of each chapter under its
// path, a group's heading and case text with the first of its questions;
// its questions not given are left out.
QStringList composeQuestionList(const BankQueries &queries, const QList<PlacedQuestion> &placed,
                                NumberingState &numbering, const PictureLocator &pictures = {});

// Reads one group with its listed questions and their options; nothing (and
// a log line) when the group's type is not in the bank, since such a group
// has no heading, markup or answers to show.
std::optional<GroupContent> readGroup(const BankQueries &queries, const GroupRow &group,
                                      const QList<QuestionRow> &questions,
                                      const PictureLocator &pictures = {});

} // namespace velkora
