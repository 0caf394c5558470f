#include "statistics/StudyStatistics.h"

#include "base/RatePercent.h"
#include "browse/NavigationTree.h"
#include "store/BankConventions.h"
#include "store/BankQueries.h"
#include "store/Sql.h"
#include "store/StudyLog.h"

#include <QHash>

namespace velkora {

namespace {

// One pass over the questions, grouped by chapter. The latest answer of a
// question is its log row of the highest id: SQLite takes the bare column
// `correct` from the row that gives max(id).
QHash<RowId, ProgressFigures> chapterFigures(const QSqlDatabase &db, bool logged) {
    const QString latestAnswers =
        logged ? QStringLiteral("SELECT question_id, correct, max(id) FROM velkora_practice_log "
                                "GROUP BY question_id")
               : QStringLiteral("SELECT NULL AS question_id, NULL AS correct WHERE 0");
    QSqlQuery q =
        sql::run(db, QStringLiteral("SELECT r.treeid, count(*), count(l.question_id), "
                                    "coalesce(sum(l.correct), 0), sum(q.%1 = '1'), sum(q.%2 = '1') "
                                    "FROM question q JOIN readtext r ON r.id = q.readtextid "
                                    "LEFT JOIN (%3) l ON l.question_id = q.id GROUP BY r.treeid")
                         .arg(flagColumn(ViewMode::Favourites),
                              flagColumn(ViewMode::WrongQuestions), latestAnswers));
    QHash<RowId, ProgressFigures> byChapter;
    while (q.next()) {
        byChapter.insert(q.value(0).toLongLong(),
                         {q.value(1).toInt(), q.value(2).toInt(), q.value(3).toInt(),
                          q.value(4).toInt(), q.value(5).toInt()});
    }
    return byChapter;
}

// A chapter's figures from the table, those above summed from below.
ProgressNode progressNode(const NavigationNode &node,
                          const QHash<RowId, ProgressFigures> &byChapter) {
    ProgressNode progress{node.caption, node.level, node.rowId, {}, {}};
    if (node.level == 3)
        progress.figures = byChapter.value(node.rowId);
    for (const NavigationNode &child : node.children) {
        progress.children.append(progressNode(child, byChapter));
        progress.figures.add(progress.children.last().figures);
    }
    return progress;
}

void readExamHistory(const QSqlDatabase &db, StudyStatistics &statistics) {
    QSqlQuery exams = sql::run(db, QStringLiteral("SELECT taken_at, right_count, entry_count, "
                                                  "points, duration_seconds "
                                                  "FROM velkora_exam_log ORDER BY id"));
    while (exams.next()) {
        statistics.exams.append({QDateTime::fromString(exams.value(0).toString(), Qt::ISODate),
                                 exams.value(1).toInt(), exams.value(2).toInt(),
                                 exams.value(3).toInt(), exams.value(4).toInt()});
    }
    QSqlQuery kinds = sql::run(db, QStringLiteral("SELECT kind, sum(right_count), "
                                                  "sum(wrong_count) FROM velkora_exam_kind_log "
                                                  "GROUP BY kind"));
    while (kinds.next()) {
        if (const std::optional<ExamClass> kind = examClassOfLx(kinds.value(0).toString()))
            statistics.byKind[static_cast<int>(*kind)] = {kinds.value(1).toInt(),
                                                          kinds.value(2).toInt()};
    }
}

} // namespace

void ProgressFigures::add(const ProgressFigures &other) {
    questions += other.questions;
    practised += other.practised;
    rightLatest += other.rightLatest;
    favourites += other.favourites;
    wrongBank += other.wrongBank;
}

int ProgressFigures::rightRatePercent() const {
    return ratePercent(rightLatest, practised);
}

int ExamHistoryEntry::ratePercent() const {
    return velkora::ratePercent(right, entries);
}

StudyStatistics readStudyStatistics(const QSqlDatabase &db, QDate today) {
    StudyStatistics statistics;
    const bool logged = StudyLog::isPresent(db);
    const QHash<RowId, ProgressFigures> byChapter = chapterFigures(db, logged);
    NavigationTree tree;
    buildNavigationTree(BankQueries(db), ViewMode::ChapterPractice, tree);
    for (const NavigationNode &part : tree.roots) {
        statistics.parts.append(progressNode(part, byChapter));
        statistics.overall.add(statistics.parts.last().figures);
    }
    if (logged)
        readExamHistory(db, statistics);
    statistics.reviewLoad = ReviewSchedule(db, today).load(reviewLoadDays);
    return statistics;
}

QString durationText(int seconds) {
    const int minutes = seconds / 60;
    if (seconds % 60 == 0)
        return QStringLiteral("%1 分钟").arg(minutes);
    return QStringLiteral("%1 分 %2 秒").arg(minutes).arg(seconds % 60);
}

} // namespace velkora
