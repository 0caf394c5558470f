#pragma once

#include "review/ReviewSchedule.h"
#include "store/ChapterFigures.h"
#include "store/ExamKinds.h"
#include "store/Records.h"

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <array>

namespace velkora {

struct ProgressNode {
    QString caption;
    int level = 1; // 1 part, 2 section, 3 chapter
    RowId id = 0;  // tree.id
    ProgressFigures figures;
    QList<ProgressNode> children;
};

struct ExamHistoryEntry {
    QDateTime takenAt;
    int right = 0;
    int entries = 0;
    int points = 0; // 得分 of the result table
    int durationSeconds = 0;

    int ratePercent() const;
};

struct StudyStatistics {
    QList<ProgressNode> parts; // in tree order, each with its sections and chapters
    ProgressFigures overall;
    QList<ExamHistoryEntry> exams;     // oldest first
    std::array<KindScore, 4> byKind{}; // over all exams, indexed by ExamClass
    QList<DayLoad> reviewLoad;         // the coming days of the daily review, today first

    bool hasPractice() const { return overall.practised > 0; }
    bool hasExams() const { return !exams.isEmpty(); }
    const KindScore &kindScore(ExamClass kind) const { return byKind[static_cast<int>(kind)]; }
};

// Reads the figures of the whole bank with a few grouped queries, whatever
// its size; reads only, so a read-only bank or one without the study log
// (all history then empty) is fine. Throws StoreError.
StudyStatistics readStudyStatistics(const QSqlDatabase &db, QDate today = QDate::currentDate());

// How many days of the daily review the figures look ahead.
inline constexpr int reviewLoadDays = 14;

// "45 分钟", or "12 分 30 秒" when the seconds are not whole minutes.
QString durationText(int seconds);

} // namespace velkora
