#include "store/StudyLog.h"

#include "store/Sql.h"

namespace velkora {

const QString StudyLog::practiceTable = QStringLiteral("velkora_practice_log");
const QString StudyLog::examTable = QStringLiteral("velkora_exam_log");
const QString StudyLog::examKindTable = QStringLiteral("velkora_exam_kind_log");

namespace {
// Times are local ISO text ("2024-05-01T09:30:00"), so they sort as text.
const char *const createStatements[] = {
    "CREATE TABLE IF NOT EXISTS velkora_practice_log (id INTEGER PRIMARY KEY, "
    "answered_at TEXT NOT NULL, chapter_id INTEGER NOT NULL, question_id INTEGER NOT NULL, "
    "correct INTEGER NOT NULL)",
    // Covers the lookup of each question's latest answer: an index holds the row id too.
    "CREATE INDEX IF NOT EXISTS velkora_practice_log_question "
    "ON velkora_practice_log (question_id, correct)",
    // `points` is the 得分 of the result table; `entry_count` its 试题数.
    "CREATE TABLE IF NOT EXISTS velkora_exam_log (id INTEGER PRIMARY KEY, "
    "taken_at TEXT NOT NULL, right_count INTEGER NOT NULL, entry_count INTEGER NOT NULL, "
    "points INTEGER NOT NULL, duration_seconds INTEGER NOT NULL)",
    // `kind` is the paper's lx code of the kind, "a1" .. "a4".
    "CREATE TABLE IF NOT EXISTS velkora_exam_kind_log (exam_id INTEGER NOT NULL "
    "REFERENCES velkora_exam_log (id), kind TEXT NOT NULL, right_count INTEGER NOT NULL, "
    "wrong_count INTEGER NOT NULL)",
};
} // namespace

bool StudyLog::isPresent(const QSqlDatabase &db) {
    QSqlQuery q = sql::run(db,
                           QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table' "
                                          "AND name IN (?, ?, ?)"),
                           {practiceTable, examTable, examKindTable});
    return q.next() && q.value(0).toInt() == 3;
}

void StudyLog::createTables() const {
    for (const char *statement : createStatements)
        sql::run(m_db, QString::fromLatin1(statement));
}

QString StudyLog::now() const {
    return m_clock().toString(Qt::ISODate);
}

void StudyLog::recordPractice(const PracticeRecord &practice) const {
    createTables();
    const QString when = now();
    for (const PracticeAnswer &answer : practice.answers)
        sql::run(m_db,
                 QStringLiteral("INSERT INTO velkora_practice_log "
                                "(answered_at, chapter_id, question_id, correct) "
                                "VALUES (?, ?, ?, ?)"),
                 {when, practice.chapterId, answer.questionId, answer.correct ? 1 : 0});
}

void StudyLog::recordExam(const ExamRecord &exam) const {
    createTables();
    const QVariant examId =
        sql::run(m_db,
                 QStringLiteral("INSERT INTO velkora_exam_log (taken_at, right_count, entry_count, "
                                "points, duration_seconds) VALUES (?, ?, ?, ?, ?)"),
                 {now(), exam.right, exam.entries, exam.points, exam.durationSeconds})
            .lastInsertId();
    for (const ExamKindRecord &kind : exam.kinds)
        sql::run(m_db,
                 QStringLiteral("INSERT INTO velkora_exam_kind_log (exam_id, kind, right_count, "
                                "wrong_count) VALUES (?, ?, ?, ?)"),
                 {examId, kind.kind, kind.right, kind.wrong});
}

} // namespace velkora
