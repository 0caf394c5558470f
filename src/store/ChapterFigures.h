#pragma once

#include "store/Records.h"

#include <QHash>
#include <QSqlDatabase>

namespace velkora {

// The learner's figures for a part, section or chapter. The right rate
// counts each practised question once, by its latest answer: it tells how
// many of the questions the learner would get right now, and a question
// answered wrong five times and then right counts as right.
struct ProgressFigures {
    int questions = 0;
    int practised = 0;   // answered at least once
    int rightLatest = 0; // practised questions whose latest answer was right
    int favourites = 0;
    int wrongBank = 0; // questions in the wrong-question bank

    void add(const ProgressFigures &other);
    // Percent, rounded as the score report rounds; 0 when none was practised.
    int rightRatePercent() const;
};

// How far the learner got in a chapter: questions answered at least once.
struct ChapterProgress {
    int questions = 0;
    int practised = 0;
};

// Every chapter's figures by its tree id, in one pass over the questions; a
// question counts for the chapter that holds it now. Reads only, so a bank
// without the study log reads as never practised. Throws StoreError.
QHash<RowId, ProgressFigures> readChapterFigures(const QSqlDatabase &db);
// Only the progress of every chapter, as the figures count it, in a
// fraction of their time: the tree shows it after every submission.
QHash<RowId, ChapterProgress> readChapterProgress(const QSqlDatabase &db);

} // namespace velkora
