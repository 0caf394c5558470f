#include "store/BankWriter.h"

#include "store/Schema.h"
#include "store/Sql.h"

#include <QSqlQuery>

namespace velkora {

namespace {
RowId insertedId(const QSqlQuery &q) {
    return q.lastInsertId().toLongLong();
}
} // namespace

BankWriter::BankWriter(const QSqlDatabase &db, Schema schema) : m_db(db) {
    if (schema == Schema::Create)
        schema::create(m_db);
}

void BankWriter::setSubject(const QString &id, const QString &name) {
    sql::run(m_db, QStringLiteral("DELETE FROM kemu"));
    sql::run(m_db, QStringLiteral("INSERT INTO kemu (ID, mz) VALUES (?, ?)"), {id, name});
}

void BankWriter::setQuestionCount(const QString &count) {
    sql::run(m_db, QStringLiteral("DELETE FROM geshu"));
    sql::run(m_db, QStringLiteral("INSERT INTO geshu (kemugeshu) VALUES (?)"), {count});
}

void BankWriter::setExamSettings(const QList<int> &countsPerClass, int ownSingleChoiceCount) {
    sql::run(m_db, QStringLiteral("DELETE FROM ts"));
    for (qsizetype row = 0; row < countsPerClass.size(); ++row) {
        const QVariant own = row == 0 ? QVariant(ownSingleChoiceCount) : QVariant(0);
        sql::run(m_db, QStringLiteral("INSERT INTO ts (txs, fg) VALUES (?, ?)"),
                 {countsPerClass[row], own});
    }
}

void BankWriter::addQuestionType(int id, int code, const QString &title) {
    sql::run(m_db, QStringLiteral("INSERT INTO qtype (id, code, title) VALUES (?, ?, ?)"),
             {id, QString::number(code), title});
}

RowId BankWriter::addNode(const QString &name, RowId parentId, int code) {
    return insertedId(sql::run(
        m_db, QStringLiteral("INSERT INTO tree (nodename, parentid, code) VALUES (?, ?, ?)"),
        {name, parentId, code}));
}

RowId BankWriter::addGroup(RowId treeId, RowId typeId, const QString &content, int optionCount) {
    return insertedId(sql::run(m_db,
                               QStringLiteral("INSERT INTO readtext (treeid, qtypeid, content, "
                                              "itemnum, opnum) VALUES (?, ?, ?, '', ?)"),
                               {treeId, typeId, content, optionCount}));
}

RowId BankWriter::addQuestion(RowId groupId, const QString &stem, const QString &answer,
                              const QString &explanation, const QStringList &options,
                              const QString &picture) {
    QSqlQuery count = sql::run(
        m_db, QStringLiteral("SELECT count(*) FROM question WHERE readtextid=?"), {groupId});
    const int itemNumber = count.next() ? count.value(0).toInt() + 1 : 1;
    count.finish();
    const RowId id = insertedId(sql::run(
        m_db,
        QStringLiteral("INSERT INTO question (readtextid, content, picurl, answer, \"explain\", "
                       "itemnum) VALUES (?, ?, ?, ?, ?, ?)"),
        {groupId, stem, picture, answer, explanation, QString::number(itemNumber)}));
    for (qsizetype i = 0; i < options.size(); ++i) {
        sql::run(m_db,
                 QStringLiteral("INSERT INTO opinion (questionid, code, content) VALUES (?, ?, ?)"),
                 {id, QString(QChar(char16_t(u'A' + i))), options[i]});
    }
    ++m_questions;
    return id;
}

} // namespace velkora
