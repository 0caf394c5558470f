#pragma once

#include "exam/paper/ExamClass.h"
#include "exam/paper/PaperAssembly.h"
#include "exam/paper/PaperDraw.h"

#include <QList>
#include <QRect>
#include <QString>

namespace velkora {

struct SheetHeading {
    ExamClass kind;
    QString text;
    QRect geometry;
};

struct SheetButton {
    ExamClass kind;
    QString name;    // "a7", "a21f2"
    QString caption; // the paper number: "7", "21.2"
    QRect geometry;
};

struct AnswerSheet {
    QList<SheetHeading> headings;
    QList<SheetButton> buttons;
};

// Where the headings and numbered buttons of the answer sheet go, in pixels
// inside its scroll area. A kind with count 0 has no block. Buttons of
// single choice, multiple choice and matching are numbered by the counts
// (not by the rows actually drawn); a case gets one button per paper row
// of its questions, `caseTids` in paper order.
AnswerSheet layOutAnswerSheet(const ExamCounts &counts, const QStringList &caseTids);
// The answer sheet of a drawn paper, by its counts and its case rows.
AnswerSheet layOutAnswerSheet(const AssembledPaper &paper);

} // namespace velkora
