#pragma once

#include "base/WallClock.h"
#include "exam/PaperScoring.h"
#include "grading/ChapterGrader.h"

#include <QSqlDatabase>

namespace velkora {

// The learner's history in the program's own tables of the bank: a row per
// answered question of every chapter submission, and a row per exam with its
// counts per kind. The tables are made on the first write, so a bank from
// before them opens and reads as ever. Every write joins the transaction
// that is open; every method throws StoreError.
class StudyLog {
public:
    static const QString practiceTable;
    static const QString examTable;
    static const QString examKindTable;

    explicit StudyLog(QSqlDatabase db, WallClock clock = systemTime)
        : m_db(std::move(db)), m_clock(std::move(clock)) {}

    // Whether the bank holds the history tables (read-only: never creates them).
    static bool isPresent(const QSqlDatabase &db);
    // Creates the history tables where they are missing.
    void createTables() const;

    void recordPractice(RowId chapterId, const ChapterGrade &grade) const;
    void recordExam(const PaperGrade &grade, int durationSeconds) const;

private:
    QString now() const;

    QSqlDatabase m_db;
    WallClock m_clock;
};

} // namespace velkora
