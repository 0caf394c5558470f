#include "store/Schema.h"

#include "store/Sql.h"
#include "store/StoreError.h"

#include <QLoggingCategory>
#include <QSet>
#include <QSqlQuery>

namespace velkora::schema {

Q_LOGGING_CATEGORY(lcSchema, "velkora.store")

namespace {

// Column kinds: identifiers are integers, flags and counts kept as text.
const char *const createStatements[] = {
    "CREATE TABLE tree (id INTEGER PRIMARY KEY, nodename TEXT, parentid INTEGER, "
    "code INTEGER, scbt TEXT DEFAULT '', ct TEXT DEFAULT '')",
    "CREATE TABLE readtext (id INTEGER PRIMARY KEY, treeid INTEGER, qtypeid INTEGER, "
    "content TEXT, itemnum TEXT, opnum INTEGER)",
    "CREATE TABLE qtype (id INTEGER PRIMARY KEY, code TEXT, title TEXT)",
    "CREATE TABLE question (id INTEGER PRIMARY KEY, readtextid INTEGER, content TEXT, "
    "picurl TEXT DEFAULT '', answer TEXT, \"explain\" TEXT, itemnum TEXT, lx TEXT DEFAULT '', "
    "scbt TEXT DEFAULT '', ct TEXT DEFAULT '', ct1 TEXT DEFAULT '')",
    "CREATE TABLE opinion (id INTEGER PRIMARY KEY, questionid INTEGER, code TEXT, content TEXT)",
    "CREATE TABLE kemu (ID TEXT, mz TEXT)",
    "CREATE TABLE geshu (kemugeshu TEXT)",
    "CREATE TABLE ts (txs TEXT, fg TEXT)",
    "CREATE TABLE sj (tid TEXT, lx TEXT, tg TEXT, tgid TEXT, da TEXT, tp TEXT, alt TEXT, "
    "xx TEXT, tjda TEXT DEFAULT '')",
    "CREATE TABLE fenshu (tx TEXT, sts TEXT, dd TEXT)",
};

const char *const indexStatements[] = {
    "CREATE INDEX IF NOT EXISTS tree_parentid ON tree (parentid)",
    "CREATE INDEX IF NOT EXISTS tree_code ON tree (code)",
    "CREATE INDEX IF NOT EXISTS readtext_treeid ON readtext (treeid, qtypeid)",
    "CREATE INDEX IF NOT EXISTS question_readtextid ON question (readtextid)",
    "CREATE INDEX IF NOT EXISTS question_scbt ON question (scbt)",
    "CREATE INDEX IF NOT EXISTS question_ct ON question (ct)",
    "CREATE INDEX IF NOT EXISTS question_ct1 ON question (ct1)",
    "CREATE INDEX IF NOT EXISTS opinion_questionid ON opinion (questionid)",
    // The exam paper's candidates of each kind, and its re-tag of the bank.
    "CREATE INDEX IF NOT EXISTS readtext_qtypeid ON readtext (qtypeid)",
    "CREATE INDEX IF NOT EXISTS question_lx ON question (lx)",
    "CREATE INDEX IF NOT EXISTS question_readtextid_lx ON question (readtextid, lx)",
};

} // namespace

const QList<Table> &tables() {
    static const QList<Table> all = {
        {"tree", {"id", "nodename", "parentid", "code", "scbt", "ct"}},
        {"readtext", {"id", "treeid", "qtypeid", "content", "itemnum", "opnum"}},
        {"qtype", {"id", "code", "title"}},
        {"question",
         {"id", "readtextid", "content", "picurl", "answer", "explain", "itemnum", "lx", "scbt",
          "ct", "ct1"}},
        {"opinion", {"id", "questionid", "code", "content"}},
        {"kemu", {"ID", "mz"}},
        {"geshu", {"kemugeshu"}},
        {"ts", {"txs", "fg"}},
        {"sj", {"tid", "lx", "tg", "tgid", "da", "tp", "alt", "xx", "tjda"}},
        {"fenshu", {"tx", "sts", "dd"}},
    };
    return all;
}

void create(const QSqlDatabase &db) {
    for (const char *statement : createStatements)
        sql::run(db, QString::fromLatin1(statement));
    ensureIndexes(db);
}

bool ensureIndexes(const QSqlDatabase &db) {
    try {
        for (const char *statement : indexStatements)
            sql::run(db, QString::fromLatin1(statement));
        return true;
    } catch (const StoreError &error) {
        qCWarning(lcSchema) << "indexes not added:" << error.message();
        return false;
    }
}

QStringList missingParts(const QSqlDatabase &db) {
    QStringList missing;
    for (const Table &table : tables()) {
        QSqlQuery info(db);
        QSet<QString> present;
        if (info.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table.name))) {
            while (info.next())
                present.insert(info.value(1).toString().toLower());
        }
        if (present.isEmpty()) {
            missing << table.name;
            continue;
        }
        for (const QString &column : table.columns) {
            if (!present.contains(column.toLower()))
                missing << table.name + QLatin1Char('.') + column;
        }
    }
    return missing;
}

QStringList missingRequiredParts(const QSqlDatabase &db) {
    QStringList missing = missingParts(db);
    missing.removeIf([](const QString &part) {
        const QString table = part.section(QLatin1Char('.'), 0, 0);
        return table == QLatin1String("kemu") || table == QLatin1String("geshu");
    });
    return missing;
}

} // namespace velkora::schema
