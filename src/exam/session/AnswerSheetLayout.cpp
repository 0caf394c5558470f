#include "exam/session/AnswerSheetLayout.h"

namespace velkora {

namespace {

constexpr int headingWidth = 200;
constexpr int rowHeight = 23;
constexpr int numberWidth = 28;
constexpr int caseNumberWidth = 30;
constexpr int buttonsPerRow = 6;

} // namespace

AnswerSheet layOutAnswerSheet(const ExamCounts &counts, const QStringList &caseTids) {
    AnswerSheet sheet;
    int row = 1;           // L
    int extraGap = 0;      // G
    int headingShift = 40; // H
    int numbered = 0;      // counts of the kinds laid out so far
    for (ExamClass kind : examClasses) {
        const int count = counts[examPosition(kind) - 1];
        if (count == 0)
            continue;
        sheet.headings.append(
            {kind, sheetHeading(kind),
             QRect(30, row * 25 + headingShift + extraGap, headingWidth, rowHeight)});
        headingShift += 50;

        QStringList captions;
        if (kind == ExamClass::Case) {
            captions = caseTids;
        } else {
            for (int k = 1; k <= count; ++k)
                captions << QString::number(numbered + k);
        }
        const int width = kind == ExamClass::Case ? caseNumberWidth : numberWidth;
        int column = 0; // U
        for (const QString &caption : captions) {
            sheet.buttons.append({kind, sheetButtonName(caption), caption,
                                  QRect(column * 35 + 10, row * 25 + extraGap + headingShift - 30,
                                        width, rowHeight)});
            if (column == buttonsPerRow - 1) {
                column = 0;
                ++row;
                extraGap += 5;
            } else {
                ++column;
            }
        }
        numbered += count;
    }
    return sheet;
}

AnswerSheet layOutAnswerSheet(const AssembledPaper &paper) {
    QStringList caseTids;
    for (const PaperRow &row : paper.rows) {
        if (row.lx == lxCode(ExamClass::Case))
            caseTids << row.tid;
    }
    return layOutAnswerSheet(paper.counts, caseTids);
}

} // namespace velkora
