#include "statistics/StudyLog.h"

#include "store/Sql.h"

#include <QSet>

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

void StudyLog::recordPractice(RowId chapterId, const ChapterGrade &grade) const {
    createTables();
    const QString when = now();
    const QString insert = QStringLiteral("INSERT INTO velkora_practice_log "
                                          "(answered_at, chapter_id, question_id, correct) "
                                          "VALUES (?, ?, ?, ?)");
    // A question left blank was not practised: it neither counts as done
    // nor turns a question answered right before into a wrong one.
    const QSet<RowId> blank(grade.blankQuestions.cbegin(), grade.blankQuestions.cend());
    const auto log = [&](const QList<RowId> &questions, int correct) {
        for (RowId id : questions)
            if (!blank.contains(id))
                sql::run(m_db, insert, {when, chapterId, id, correct});
    };
    log(grade.rightQuestions, 1);
    log(grade.wrongQuestions, 0);
}

void StudyLog::recordExam(const PaperGrade &grade, int durationSeconds) const {
    createTables();
    const KindScore totals = grade.totals();
    // Every entry is worth one point, as the result table counts them.
    const QSqlQuery exam =
        sql::run(m_db,
                 QStringLiteral("INSERT INTO velkora_exam_log (taken_at, right_count, entry_count, "
                                "points, duration_seconds) VALUES (?, ?, ?, ?, ?)"),
                 {now(), totals.right, totals.total(), totals.right, durationSeconds});
    const QVariant examId = exam.lastInsertId();
    for (ExamClass kind : examClasses) {
        const KindScore &score = grade.score(kind);
        if (score.total() == 0)
            continue;
        sql::run(m_db,
                 QStringLiteral("INSERT INTO velkora_exam_kind_log (exam_id, kind, right_count, "
                                "wrong_count) VALUES (?, ?, ?, ?)"),
                 {examId, lxCode(kind), score.right, score.wrong});
    }
}

} // namespace velkora
