#pragma once

#include "exam/paper/PaperDraw.h"

#include <QSqlDatabase>

namespace velkora {

class RandomSource;

// Gives every question of the bank the exam kind of its group's type, so
// that the choices a matching entry left in `question.lx` are cleared.
void retagExamClasses(const QSqlDatabase &db);

// The counts per kind from the four rows of `ts`, in stored order; a missing
// or non-numeric row counts 0.
ExamCounts readExamCounts(const QSqlDatabase &db);

// Replaces the rows of the paper table `sj` by `rows`, in their order.
void replacePaper(const QSqlDatabase &db, const QList<PaperRow> &rows);

struct AssembledPaper {
    ExamCounts counts{};
    QList<PaperRow> rows;
};

// Builds a fresh exam paper: re-tags the bank, reads the counts, draws and
// writes the paper and keeps it as the exam to resume, all in one
// transaction. Throws StoreError; after a failure the bank's tags, the old
// paper and what was kept of it are as they were.
class PaperAssembly {
public:
    PaperAssembly(const QSqlDatabase &db, RandomSource &random);

    AssembledPaper assemble();

private:
    QSqlDatabase m_db;
    RandomSource &m_random;
};

} // namespace velkora
