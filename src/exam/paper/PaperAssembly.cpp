#include "exam/paper/PaperAssembly.h"

#include "exam/paper/ExamResumeStore.h"
#include "store/Sql.h"
#include "store/StoreError.h"

#include <QSqlError>

namespace velkora {

void retagExamClasses(const QSqlDatabase &db) {
    for (ExamClass kind : examClasses) {
        const QVariantList typeIds = sql::listValues(examTypeIds(kind));
        // Only tags that differ are written; the index on (readtextid, lx)
        // holds the tags, so the rows that keep theirs are never read.
        sql::run(db,
                 QStringLiteral("UPDATE question SET lx=? WHERE lx IS NOT ? AND readtextid IN "
                                "(SELECT id FROM readtext WHERE qtypeid IN (%1))")
                     .arg(sql::placeholders(typeIds.size())),
                 QVariantList{lxCode(kind), lxCode(kind)} + typeIds);
    }
}

ExamCounts readExamCounts(const QSqlDatabase &db) {
    ExamCounts counts{};
    QSqlQuery q = sql::run(db, QStringLiteral("SELECT txs FROM ts ORDER BY rowid LIMIT 4"));
    for (int &count : counts) {
        if (!q.next())
            break;
        count = qMax(0, q.value(0).toInt());
    }
    return counts;
}

void replacePaper(const QSqlDatabase &db, const QList<PaperRow> &rows) {
    sql::run(db, QStringLiteral("DELETE FROM sj"));
    const QString statement = QStringLiteral("INSERT INTO sj (tid, lx, tg, tgid, da, tp, alt, xx) "
                                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    QSqlQuery insert(db);
    if (!insert.prepare(statement))
        throw StoreError(statement, insert.lastError().text());
    for (const PaperRow &row : rows) {
        for (const QString *value : {&row.tid, &row.lx, &row.stem, &row.sourceId, &row.answer,
                                     &row.picture, &row.groupText, &row.optionCount})
            insert.addBindValue(*value);
        if (!insert.exec())
            throw StoreError(statement, insert.lastError().text());
    }
}

PaperAssembly::PaperAssembly(const QSqlDatabase &db, RandomSource &random)
    : m_db(db), m_random(random) {}

AssembledPaper PaperAssembly::assemble() {
    AssembledPaper paper;
    sql::inTransaction(m_db, [&] {
        retagExamClasses(m_db);
        paper.counts = readExamCounts(m_db);
        paper.rows = PaperDraw(m_db, m_random).draw(paper.counts);
        replacePaper(m_db, paper.rows);
        ExamResumeStore(m_db).keepNewPaper(paper.counts, paper.rows);
    });
    return paper;
}

} // namespace velkora
