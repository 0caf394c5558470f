#include "review/ReviewSchedule.h"

#include "store/BankConventions.h"
#include "store/Sql.h"

#include <QSqlQuery>
#include <algorithm>

namespace velkora {

const QString ReviewSchedule::table = QStringLiteral("velkora_review");

namespace {

// Dates are kept as ISO text, whose order is the order of the days.
QString dayText(QDate day) {
    return day.toString(Qt::ISODate);
}

// A question of the wrong-question bank or a favourite.
QString flagged() {
    return QStringLiteral("(question.%1='1' OR question.%2='1')")
        .arg(flagColumn(ViewMode::WrongQuestions), flagColumn(ViewMode::Favourites));
}

// The order chapter pages show questions in; `question`, `readtext` joined.
const QString pageOrder =
    QStringLiteral("readtext.treeid, readtext.qtypeid, readtext.rowid, question.rowid");
const QString placedColumns = QStringLiteral(
    "question.id AS id, question.readtextid AS grp, readtext.treeid AS chapter, "
    "readtext.qtypeid AS kind, readtext.rowid AS grprow, question.rowid AS questionrow");

} // namespace

bool ReviewSchedule::isPresent() const {
    QSqlQuery q = sql::run(
        m_db, QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND name=?"), {table});
    return q.next();
}

void ReviewSchedule::createTable() const {
    // `due` is the day the question is shown again; `first_reviewed` counts
    // the new questions a day has taken.
    sql::run(m_db, QStringLiteral("CREATE TABLE IF NOT EXISTS velkora_review ("
                                  "question_id INTEGER PRIMARY KEY, repetitions INTEGER NOT NULL, "
                                  "easiness REAL NOT NULL, interval_days INTEGER NOT NULL, "
                                  "due TEXT NOT NULL, first_reviewed TEXT NOT NULL, "
                                  "last_reviewed TEXT NOT NULL)"));
    sql::run(m_db, QStringLiteral("CREATE INDEX IF NOT EXISTS velkora_review_due "
                                  "ON velkora_review (due)"));
    sql::run(m_db, QStringLiteral("CREATE INDEX IF NOT EXISTS velkora_review_first "
                                  "ON velkora_review (first_reviewed)"));
}

int ReviewSchedule::newLeftToday() const {
    if (!isPresent())
        return newPerDay;
    QSqlQuery q =
        sql::run(m_db, QStringLiteral("SELECT count(*) FROM velkora_review WHERE first_reviewed=?"),
                 {dayText(m_today)});
    return std::max(0, newPerDay - (q.next() ? q.value(0).toInt() : 0));
}

int ReviewSchedule::unscheduledCount() const {
    const QString unscheduled =
        isPresent() ? QStringLiteral(" AND NOT EXISTS (SELECT 1 FROM velkora_review WHERE "
                                     "velkora_review.question_id=question.id)")
                    : QString();
    QSqlQuery q = sql::run(m_db, QStringLiteral("SELECT count(*) FROM question WHERE ") +
                                     flagged() + unscheduled);
    return q.next() ? q.value(0).toInt() : 0;
}

QList<PlacedQuestion> ReviewSchedule::due() const {
    const int newShare = newLeftToday();
    QString statement;
    QVariantList values;
    if (isPresent()) {
        statement = QStringLiteral(
                        "SELECT id, grp, chapter FROM (SELECT %1 FROM velkora_review "
                        "JOIN question ON question.id=velkora_review.question_id "
                        "JOIN readtext ON readtext.id=question.readtextid "
                        "WHERE velkora_review.due<=? AND %2 UNION ALL SELECT * FROM ("
                        "SELECT %1 FROM question JOIN readtext ON readtext.id=question.readtextid "
                        "WHERE %2 AND NOT EXISTS (SELECT 1 FROM velkora_review WHERE "
                        "velkora_review.question_id=question.id) ORDER BY %3 LIMIT ?)) "
                        "ORDER BY chapter, kind, grprow, questionrow")
                        .arg(placedColumns, flagged(), pageOrder);
        values = {dayText(m_today), newShare};
    } else {
        statement = QStringLiteral("SELECT question.id, question.readtextid, readtext.treeid "
                                   "FROM question JOIN readtext ON "
                                   "readtext.id=question.readtextid WHERE %1 ORDER BY %2 LIMIT ?")
                        .arg(flagged(), pageOrder);
        values = {newShare};
    }
    QSqlQuery q = sql::run(m_db, statement, values);
    QList<PlacedQuestion> questions;
    while (q.next())
        questions.append(
            {q.value(0).toLongLong(), q.value(1).toLongLong(), q.value(2).toLongLong()});
    return questions;
}

int ReviewSchedule::dueCount() const {
    return int(due().size());
}

std::optional<QDate> ReviewSchedule::nextDay() const {
    // New questions past today's share start tomorrow.
    if (unscheduledCount() > 0)
        return m_today.addDays(1);
    if (!isPresent())
        return std::nullopt;
    QSqlQuery q = sql::run(m_db,
                           QStringLiteral("SELECT min(due) FROM velkora_review JOIN question ON "
                                          "question.id=velkora_review.question_id "
                                          "WHERE due>? AND ") +
                               flagged(),
                           {dayText(m_today)});
    if (!q.next() || q.value(0).isNull())
        return std::nullopt;
    return QDate::fromString(q.value(0).toString(), Qt::ISODate);
}

QList<DayLoad> ReviewSchedule::load(int days) const {
    QList<DayLoad> load;
    for (int i = 0; i < days; ++i)
        load.append({m_today.addDays(i), 0});
    if (days <= 0)
        return load;
    if (isPresent()) {
        QSqlQuery q = sql::run(m_db,
                               QStringLiteral("SELECT max(due, ?), count(*) FROM velkora_review "
                                              "JOIN question ON "
                                              "question.id=velkora_review.question_id "
                                              "WHERE due<? AND ") +
                                   flagged() + QStringLiteral(" GROUP BY 1"),
                               {dayText(m_today), dayText(m_today.addDays(days))});
        while (q.next()) {
            const qint64 day =
                m_today.daysTo(QDate::fromString(q.value(0).toString(), Qt::ISODate));
            if (day >= 0 && day < days)
                load[day].questions += q.value(1).toInt();
        }
    }
    // The new questions, a day's share at a time.
    int unscheduled = unscheduledCount();
    for (int i = 0; i < days && unscheduled > 0; ++i) {
        const int share = std::min(unscheduled, i == 0 ? newLeftToday() : newPerDay);
        load[i].questions += share;
        unscheduled -= share;
    }
    return load;
}

void ReviewSchedule::record(const QList<PracticeAnswer> &answers) const {
    createTable();
    const QString today = dayText(m_today);
    for (const PracticeAnswer &answer : answers) {
        const RecallState next =
            state(answer.questionId).value_or(RecallState{}).after(answer.correct);
        sql::run(
            m_db,
            QStringLiteral("INSERT INTO velkora_review (question_id, repetitions, easiness, "
                           "interval_days, due, first_reviewed, last_reviewed) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?) ON CONFLICT (question_id) DO UPDATE SET "
                           "repetitions=excluded.repetitions, easiness=excluded.easiness, "
                           "interval_days=excluded.interval_days, due=excluded.due, "
                           "last_reviewed=excluded.last_reviewed"),
            {answer.questionId, next.repetitions, next.easiness, next.intervalDays,
             dayText(m_today.addDays(next.intervalDays)), today, today});
    }
}

std::optional<RecallState> ReviewSchedule::state(RowId questionId) const {
    if (!isPresent())
        return std::nullopt;
    QSqlQuery q = sql::run(m_db,
                           QStringLiteral("SELECT repetitions, easiness, interval_days "
                                          "FROM velkora_review WHERE question_id=?"),
                           {questionId});
    if (!q.next())
        return std::nullopt;
    return RecallState{q.value(0).toInt(), q.value(1).toDouble(), q.value(2).toInt()};
}

std::optional<QDate> ReviewSchedule::dueDate(RowId questionId) const {
    if (!isPresent())
        return std::nullopt;
    QSqlQuery q = sql::run(
        m_db, QStringLiteral("SELECT due FROM velkora_review WHERE question_id=?"), {questionId});
    if (!q.next())
        return std::nullopt;
    return QDate::fromString(q.value(0).toString(), Qt::ISODate);
}

} // namespace velkora
