#pragma once

#include "base/WallClock.h"
#include "store/Records.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>

namespace velkora {

// A question of a chapter submission that the learner answered.
struct PracticeAnswer {
    RowId questionId = 0;
    bool correct = false;
};

// A chapter submission as the log keeps it: the answered questions only, in
// the order they are logged.
struct PracticeRecord {
    RowId chapterId = 0;
    QList<PracticeAnswer> answers;
};

// One kind of entry in a submitted exam: its `lx` code ("a1" .. "a4") and
// the counts of its right and wrong answers.
struct ExamKindRecord {
    QString kind;
    int right = 0;
    int wrong = 0;
};

// A submitted exam as the log keeps it: its totals (`points` is the 得分 of
// the result table, `entries` its 试题数) and a record per kind it held.
struct ExamRecord {
    int right = 0;
    int entries = 0;
    int points = 0;
    int durationSeconds = 0;
    QList<ExamKindRecord> kinds;
};

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

    explicit StudyLog(const QSqlDatabase &db, WallClock clock = systemTime)
        : m_db(db), m_clock(std::move(clock)) {}

    // Whether the bank holds the history tables (read-only: never creates them).
    static bool isPresent(const QSqlDatabase &db);
    // Creates the history tables where they are missing.
    void createTables() const;

    void recordPractice(const PracticeRecord &practice) const;
    void recordExam(const ExamRecord &exam) const;

private:
    QString now() const;

    QSqlDatabase m_db;
    WallClock m_clock;
};

} // namespace velkora
