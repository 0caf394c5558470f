#include "exam/paper/ExamResumeStore.h"

#include "exam/paper/ExamSettings.h"
#include "store/Sql.h"

#include <QCryptographicHash>

namespace velkora {

const QString ExamResumeStore::table = QStringLiteral("velkora_exam_resume");

namespace {
// `left_empty` holds button names parted by blanks; the row's id is always 1.
const char *const createStatement =
    "CREATE TABLE IF NOT EXISTS velkora_exam_resume (id INTEGER PRIMARY KEY CHECK (id = 1), "
    "minutes_left INTEGER NOT NULL, submitted INTEGER NOT NULL, "
    "single_count INTEGER NOT NULL, multiple_count INTEGER NOT NULL, "
    "case_count INTEGER NOT NULL, matching_count INTEGER NOT NULL, "
    "paper_digest TEXT NOT NULL, left_empty TEXT NOT NULL)";
} // namespace

void ExamResumeStore::createTable() const {
    sql::run(m_db, QString::fromLatin1(createStatement));
}

bool ExamResumeStore::tableExists() const {
    QSqlQuery q = sql::run(
        m_db, QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND name=?"), {table});
    return q.next();
}

void ExamResumeStore::keepNewPaper(const ExamCounts &counts, const QList<PaperRow> &rows) {
    createTable();
    sql::run(m_db,
             QStringLiteral("INSERT OR REPLACE INTO velkora_exam_resume (id, minutes_left, "
                            "submitted, single_count, multiple_count, case_count, matching_count, "
                            "paper_digest, left_empty) VALUES (1, ?, 0, ?, ?, ?, ?, ?, '')"),
             {examMinutes, counts[0], counts[1], counts[2], counts[3], paperDigest(rows)});
}

void ExamResumeStore::recordMinutes(int minutesLeft) {
    sql::run(m_db, QStringLiteral("UPDATE velkora_exam_resume SET minutes_left=? WHERE id=1"),
             {minutesLeft});
}

void ExamResumeStore::recordMove(int minutesLeft, const QStringList &leftEmpty) {
    sql::run(m_db,
             // An empty list joins to a null text.
             QStringLiteral("UPDATE velkora_exam_resume SET minutes_left=?, "
                            "left_empty=coalesce(?, '') WHERE id=1"),
             {minutesLeft, leftEmpty.join(QLatin1Char(' '))});
}

void ExamResumeStore::markSubmitted() {
    // A paper drawn before the table existed is submitted all the same.
    createTable();
    sql::run(m_db, QStringLiteral("UPDATE velkora_exam_resume SET submitted=1 WHERE id=1"));
}

void ExamResumeStore::discard() {
    if (tableExists())
        sql::run(m_db, QStringLiteral("DELETE FROM velkora_exam_resume"));
}

std::optional<KeptExam> ExamResumeStore::read() const {
    if (!tableExists())
        return std::nullopt;
    QSqlQuery q = sql::run(m_db, QStringLiteral("SELECT minutes_left, submitted, single_count, "
                                                "multiple_count, case_count, matching_count, "
                                                "paper_digest, left_empty FROM velkora_exam_resume "
                                                "WHERE id=1"));
    if (!q.next())
        return std::nullopt;
    KeptExam kept;
    kept.minutesLeft = q.value(0).toInt();
    kept.submitted = q.value(1).toInt() != 0;
    for (int kind = 0; kind < 4; ++kind)
        kept.counts[kind] = q.value(2 + kind).toInt();
    kept.paperDigest = q.value(6).toString();
    kept.leftEmpty = q.value(7).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return kept;
}

QString ExamResumeStore::paperDigest(const QList<PaperRow> &rows) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const PaperRow &row : rows)
        hash.addData(QStringList{row.tid, row.lx, row.sourceId}.join(QLatin1Char('\t')).toUtf8() +
                     '\n');
    return QString::fromLatin1(hash.result().toHex());
}

} // namespace velkora
