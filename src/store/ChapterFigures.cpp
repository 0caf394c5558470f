#include "store/ChapterFigures.h"

#include "base/RatePercent.h"
#include "store/BankConventions.h"
#include "store/Sql.h"
#include "store/StudyLog.h"

namespace velkora {

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

QHash<RowId, ProgressFigures> readChapterFigures(const QSqlDatabase &db) {
    // The latest answer of a question is its log row of the highest id:
    // SQLite takes the bare column `correct` from the row that gives max(id).
    const QString latestAnswers =
        StudyLog::isPresent(db)
            ? QStringLiteral("SELECT question_id, correct, max(id) FROM velkora_practice_log "
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

QHash<RowId, ChapterProgress> readChapterProgress(const QSqlDatabase &db) {
    const QString practised =
        StudyLog::isPresent(db) ? QStringLiteral("sum(EXISTS (SELECT 1 FROM velkora_practice_log l "
                                                 "WHERE l.question_id = q.id))")
                                : QStringLiteral("0");
    QSqlQuery q = sql::run(db, QStringLiteral("SELECT r.treeid, count(*), %1 FROM question q "
                                              "JOIN readtext r ON r.id = q.readtextid "
                                              "GROUP BY r.treeid")
                                   .arg(practised));
    QHash<RowId, ChapterProgress> byChapter;
    while (q.next())
        byChapter.insert(q.value(0).toLongLong(), {q.value(1).toInt(), q.value(2).toInt()});
    return byChapter;
}

} // namespace velkora
