#pragma once

#include "grading/ScoreSheet.h"

#include <QStringList>

namespace velkora {

// One table row of the score report, the totals row when `title` is the
// totals caption; its rate is ratePercent().
QString scoreRowMarkup(const QString &title, int questions, int correct);
// The whole report table: a row per score row, then the totals.
QString scoreTableMarkup(const QList<ScoreRow> &rows);
// What the score window appends to its page: the caption, then the table.
QStringList scoreReportFragments(const QList<ScoreRow> &rows);

} // namespace velkora
