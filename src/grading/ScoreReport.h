#pragma once

#include "grading/ScoreSheet.h"

#include <QStringList>

namespace velkora {

// Share of correct answers in percent: correct / questions rounded to two
// decimals, half away from zero, times 100; 0 when there are no questions.
// Exact: worked in integers, never in binary fractions.
int ratePercent(int correct, int questions);

// One table row of the score report, the totals row when `title` is the
// totals caption.
QString scoreRowMarkup(const QString &title, int questions, int correct);
// The whole report table: a row per score row, then the totals.
QString scoreTableMarkup(const QList<ScoreRow> &rows);
// What the score window appends to its page: the caption, then the table.
QStringList scoreReportFragments(const QList<ScoreRow> &rows);

} // namespace velkora
