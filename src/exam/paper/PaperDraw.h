#pragma once

#include "exam/paper/ExamClass.h"

#include <QList>
#include <QSqlDatabase>
#include <array>

namespace velkora {

class RandomSource;

// How many entries of each kind the paper asks for, in paper order (the
// `txs` of the four rows of `ts`).
using ExamCounts = std::array<int, 4>;

// The candidates of one kind a draw puts on the paper, as positions in the
// candidate list, in the order they are taken (which is increasing).
//
// A cursor walks the list in strides of about candidates / count, taking
// one candidate per stride at a random offset; it never goes past the last
// candidate, and the walk ends once a move would. `firstNumber` is the paper
// number the first pick would get: the very first pick of a paper may take
// the first candidate, any later one never does. Picks stop once the paper
// number would pass `quota`, the counts summed up to this kind, so a kind
// may use numbers an earlier kind left over.
QList<int> drawPositions(int candidates, int count, int quota, int firstNumber,
                         RandomSource &random);

// Draws a paper from the bank as its questions are tagged now. Only reads;
// throws StoreError when a read fails.
class PaperDraw {
public:
    PaperDraw(const QSqlDatabase &db, RandomSource &random);

    // The paper rows in paper order: numbered 1, 2, ... per entry, the
    // questions of a case numbered "n.item".
    QList<PaperRow> draw(const ExamCounts &counts);

private:
    QList<PaperRow> rowsOf(ExamClass kind, qint64 candidateId, int number) const;

    QSqlDatabase m_db;
    RandomSource &m_random;
};

} // namespace velkora
