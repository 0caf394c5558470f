#include "update/RecordCarrier.h"

#include "store/Sql.h"

#include <QSet>
#include <QStringList>

namespace velkora {

namespace {

const QString learner = QStringLiteral("learner");

// Learner flags by id; the new bank's own values (normally empty) are
// cleared first, so that only the learner's marks stand.
void carryFlags(const QSqlDatabase &db, const QString &table, const QStringList &flags) {
    QStringList clear, anySet, copy, learnerSet;
    for (const QString &flag : flags) {
        clear << flag + QStringLiteral(" = ''");
        anySet << QStringLiteral("coalesce(%1, '') <> ''").arg(flag);
        copy << QStringLiteral("%1 = l.%1").arg(flag);
        learnerSet << QStringLiteral("l.%1 = '1'").arg(flag);
    }
    const QString or_ = QStringLiteral(" OR ");
    sql::run(db, QStringLiteral("UPDATE main.%1 SET %2 WHERE %3")
                     .arg(table, clear.join(QStringLiteral(", ")), anySet.join(or_)));
    sql::run(db, QStringLiteral("UPDATE main.%1 SET %2 FROM %3.%1 AS l "
                                "WHERE l.id = main.%1.id AND (%4)")
                     .arg(table, copy.join(QStringLiteral(", ")), learner, learnerSet.join(or_)));
}

// Tables kept by position (`ts`, `fenshu`) replace the new bank's rows.
void carryWhole(const QSqlDatabase &db, const QString &table, const QString &columns) {
    sql::run(db, QStringLiteral("DELETE FROM main.%1").arg(table));
    sql::run(db, QStringLiteral("INSERT INTO main.%1 (%2) SELECT %2 FROM %3.%1 ORDER BY rowid")
                     .arg(table, columns, learner));
}

// The paper stays only when the new bank still has everything it names:
// its questions, and for matching items ("a4") their group.
void carryPaper(const QSqlDatabase &db) {
    QSqlQuery lost = sql::run(
        db, QStringLiteral("SELECT EXISTS (SELECT 1 FROM %1.sj s WHERE NOT CASE WHEN s.lx = 'a4' "
                           "THEN EXISTS (SELECT 1 FROM main.readtext r WHERE r.id = s.tgid) "
                           "ELSE EXISTS (SELECT 1 FROM main.question q WHERE q.id = s.tgid) END)")
                .arg(learner));
    sql::run(db, QStringLiteral("DELETE FROM main.sj"));
    if (lost.next() && lost.value(0).toBool())
        return;
    carryWhole(db, QStringLiteral("sj"),
               QStringLiteral("tid, lx, tg, tgid, da, tp, alt, xx, tjda"));
    // The letters chosen for a matching group live in its questions' class.
    sql::run(db, QStringLiteral("UPDATE main.question SET lx = l.lx FROM %1.question AS l "
                                "WHERE l.id = main.question.id AND l.lx IS NOT main.question.lx")
                     .arg(learner));
}

QStringList columnsOf(const QSqlDatabase &db, const QString &schema, const QString &table) {
    QSqlQuery info =
        sql::run(db, QStringLiteral("SELECT name FROM pragma_table_info(?, ?)"), {table, schema});
    QStringList columns;
    while (info.next())
        columns << info.value(0).toString();
    return columns;
}

QString quoted(const QString &name) {
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

// One of the program's own tables: made as the learner's bank has it, with
// its indexes, when the new bank lacks it; its rows then replace the new
// bank's, those of questions the new bank lacks left out.
void carryOwnTable(const QSqlDatabase &db, const QString &table, const QString &definition) {
    QStringList present = columnsOf(db, QStringLiteral("main"), table);
    if (present.isEmpty()) {
        sql::run(db, definition); // unqualified: made in the main schema
        QSqlQuery indexes = sql::run(db,
                                     QStringLiteral("SELECT sql FROM %1.sqlite_master WHERE "
                                                    "type = 'index' AND tbl_name = ? AND sql "
                                                    "IS NOT NULL")
                                         .arg(learner),
                                     {table});
        while (indexes.next())
            sql::run(db, indexes.value(0).toString());
        present = columnsOf(db, QStringLiteral("main"), table);
    }
    QStringList shared;
    const QSet<QString> presentSet(present.cbegin(), present.cend());
    for (const QString &column : columnsOf(db, learner, table)) {
        if (presentSet.contains(column))
            shared << quoted(column);
    }
    const QString columns = shared.join(QStringLiteral(", "));
    const QString keptRows = shared.contains(QStringLiteral("\"question_id\""))
                                 ? QStringLiteral(" WHERE question_id IS NULL OR question_id IN "
                                                  "(SELECT id FROM main.question)")
                                 : QString();
    sql::run(db, QStringLiteral("DELETE FROM main.%1").arg(quoted(table)));
    sql::run(db, QStringLiteral("INSERT INTO main.%1 (%2) SELECT %2 FROM %3.%1%4")
                     .arg(quoted(table), columns, learner, keptRows));
}

void carryOwnTables(const QSqlDatabase &db) {
    QSqlQuery own = sql::run(
        db, QStringLiteral("SELECT name, sql FROM %1.sqlite_master WHERE type = 'table' "
                           "AND name LIKE 'velkora\\_%' ESCAPE '\\' "
                           "AND name NOT LIKE 'velkora\\_search%' ESCAPE '\\' ORDER BY rootpage")
                .arg(learner));
    QList<std::pair<QString, QString>> tables;
    while (own.next())
        tables.append({own.value(0).toString(), own.value(1).toString()});
    for (const auto &[table, definition] : tables)
        carryOwnTable(db, table, definition);
}

} // namespace

void RecordCarrier::carry(const QSqlDatabase &into, const QString &learnerBankPath) {
    sql::run(into, QStringLiteral("ATTACH DATABASE ? AS %1").arg(learner), {learnerBankPath});
    try {
        sql::inTransaction(into, [&] {
            carryFlags(into, QStringLiteral("question"),
                       {QStringLiteral("scbt"), QStringLiteral("ct"), QStringLiteral("ct1")});
            carryFlags(into, QStringLiteral("tree"),
                       {QStringLiteral("scbt"), QStringLiteral("ct")});
            carryWhole(into, QStringLiteral("ts"), QStringLiteral("txs, fg"));
            carryWhole(into, QStringLiteral("fenshu"), QStringLiteral("tx, sts, dd"));
            carryPaper(into);
            carryOwnTables(into);
        });
    } catch (...) {
        sql::run(into, QStringLiteral("DETACH DATABASE %1").arg(learner));
        throw;
    }
    sql::run(into, QStringLiteral("DETACH DATABASE %1").arg(learner));
}

} // namespace velkora
