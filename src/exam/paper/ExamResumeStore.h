#pragma once

#include "exam/paper/PaperDraw.h"

#include <QList>
#include <QSqlDatabase>
#include <QStringList>
#include <optional>

namespace velkora {

// What the bank keeps beside the paper in `sj` so that an exam that ended
// without 交 卷 (closed, crashed, power lost) can be taken up again.
struct KeptExam {
    int minutesLeft = 0;
    bool submitted = false;
    ExamCounts counts{};   // the counts the paper was drawn with: the answer sheet's numbering
    QString paperDigest;   // see paperDigest(): which paper this state belongs to
    QStringList leftEmpty; // answer-sheet buttons last left without an answer
};

// The kept exam in the program's own table `velkora_exam_resume`, one row,
// written with each new paper. The table is made by the first draw that
// needs it, so a bank without it opens and reads as ever. The writes during
// an exam are one small statement each, so every tick and move may write.
// Every method throws StoreError.
class ExamResumeStore {
public:
    static const QString table;

    explicit ExamResumeStore(const QSqlDatabase &db) : m_db(db) {}

    // A fresh paper of `rows` drawn with `counts`: its whole time left, not
    // submitted. Replaces what was kept before.
    void keepNewPaper(const ExamCounts &counts, const QList<PaperRow> &rows);
    void recordMinutes(int minutesLeft);
    void recordMove(int minutesLeft, const QStringList &leftEmpty);
    void markSubmitted();
    void discard();

    // None when the bank keeps no exam (no table, or no row).
    std::optional<KeptExam> read() const;

    // A digest of the entries' numbers, kinds and questions, in paper order:
    // a paper replaced, emptied or damaged behind the kept state no longer
    // has the digest kept with it.
    static QString paperDigest(const QList<PaperRow> &rows);

private:
    void createTable() const;
    bool tableExists() const;

    QSqlDatabase m_db;
};

} // namespace velkora
