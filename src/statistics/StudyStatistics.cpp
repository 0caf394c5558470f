#include "statistics/StudyStatistics.h"

#include "base/RatePercent.h"
#include "browse/NavigationTree.h"
#include "store/BankQueries.h"
#include "store/ChapterFigures.h"
#include "store/Sql.h"
#include "store/StudyLog.h"

#include <QHash>

namespace velkora {

namespace {

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

int ExamHistoryEntry::ratePercent() const {
    return velkora::ratePercent(right, entries);
}

StudyStatistics readStudyStatistics(const QSqlDatabase &db, QDate today) {
    StudyStatistics statistics;
    const QHash<RowId, ProgressFigures> byChapter = readChapterFigures(db);
    NavigationTree tree;
    buildNavigationTree(BankQueries(db), ViewMode::ChapterPractice, tree);
    for (const NavigationNode &part : tree.roots) {
        statistics.parts.append(progressNode(part, byChapter));
        statistics.overall.add(statistics.parts.last().figures);
    }
    if (StudyLog::isPresent(db))
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
