#include "grading/ScoreSheet.h"

#include "store/BankConventions.h"

#include "store/Sql.h"

#include <QSqlQuery>

namespace velkora {

void ScoreSheet::clear() {
    sql::run(m_db, QStringLiteral("DELETE FROM fenshu"));
}

void ScoreSheet::append(const ScoreRow &row) {
    sql::run(m_db, QStringLiteral("INSERT INTO fenshu (tx, sts, dd) VALUES (?, ?, ?)"),
             {row.title, QString::number(row.questions), QString::number(row.correct)});
}

void ScoreSheet::merge(const QString &title, Merge when) {
    QSqlQuery q = sql::run(m_db, QStringLiteral("SELECT sts, dd FROM fenshu WHERE tx=?"), {title});
    ScoreRow sum{title};
    bool found = false;
    while (q.next()) {
        found = true;
        sum.questions += q.value(0).toString().toInt();
        sum.correct += q.value(1).toString().toInt();
    }
    q.finish();
    if (!found && when == Merge::IfFound)
        return;
    sql::run(m_db, QStringLiteral("DELETE FROM fenshu WHERE tx=?"), {title});
    append(sum);
}

void ScoreSheet::mergeSubmissionTitles() {
    for (const MergedScoreTitle &m : mergedScoreTitles())
        merge(m.title, m.always ? Merge::Always : Merge::IfFound);
}

void ScoreSheet::dropEmptyRows() {
    sql::run(m_db, QStringLiteral("DELETE FROM fenshu WHERE sts=?"), {QStringLiteral("0")});
}

QList<ScoreRow> ScoreSheet::rows() const {
    QSqlQuery q = sql::run(m_db, QStringLiteral("SELECT tx, sts, dd FROM fenshu ORDER BY rowid"));
    QList<ScoreRow> rows;
    while (q.next())
        rows.append(
            {q.value(0).toString(), q.value(1).toString().toInt(), q.value(2).toString().toInt()});
    return rows;
}

} // namespace velkora
