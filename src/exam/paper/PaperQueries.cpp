#include "exam/paper/PaperQueries.h"

#include "store/Sql.h"

namespace velkora {

namespace {

const QString rowColumns = QStringLiteral("tid, lx, tg, tgid, da, tp, alt, xx, tjda");

PaperRow paperRow(const QSqlQuery &q) {
    return {sql::text(q, "tid"),  sql::text(q, "lx"), sql::text(q, "tg"),
            sql::text(q, "tgid"), sql::text(q, "da"), sql::text(q, "tp"),
            sql::text(q, "alt"),  sql::text(q, "xx"), sql::text(q, "tjda")};
}

} // namespace

QList<PaperRow> PaperQueries::rows() const {
    QSqlQuery q =
        sql::run(m_db, QStringLiteral("SELECT %1 FROM sj ORDER BY rowid").arg(rowColumns));
    QList<PaperRow> rows;
    while (q.next())
        rows << paperRow(q);
    return rows;
}

std::optional<PaperRow> PaperQueries::row(const QString &tid) const {
    QSqlQuery q = sql::run(
        m_db,
        QStringLiteral("SELECT %1 FROM sj WHERE tid=? ORDER BY rowid LIMIT 1").arg(rowColumns),
        {tid});
    if (!q.next())
        return std::nullopt;
    return paperRow(q);
}

QList<ExamOption> PaperQueries::options(qint64 questionId) const {
    QSqlQuery q = sql::run(m_db,
                           QStringLiteral("SELECT id, questionid, code, content FROM opinion "
                                          "WHERE questionid=? ORDER BY rowid"),
                           {questionId});
    QList<ExamOption> options;
    while (q.next())
        options.append({sql::text(q, "id"), q.value(1).toLongLong(), sql::text(q, "code"),
                        sql::text(q, "content")});
    return options;
}

QList<MatchingItem> PaperQueries::items(qint64 groupId) const {
    QSqlQuery q = sql::run(m_db,
                           QStringLiteral("SELECT id, itemnum, content, answer, lx FROM question "
                                          "WHERE readtextid=? ORDER BY rowid"),
                           {groupId});
    QList<MatchingItem> items;
    while (q.next())
        items.append({q.value(0).toLongLong(), sql::text(q, "itemnum"), sql::text(q, "content"),
                      sql::text(q, "answer"), sql::text(q, "lx")});
    return items;
}

} // namespace velkora
