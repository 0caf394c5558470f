#include "search/SearchIndex.h"

#include "search/HtmlText.h"
#include "search/SearchQuery.h"
#include "store/Sql.h"
#include "store/StoreError.h"

#include <QHash>
#include <QLoggingCategory>
#include <QSqlError>
#include <algorithm>
#include <tuple>

namespace velkora {

Q_LOGGING_CATEGORY(lcSearchIndex, "velkora.search")

namespace {

// Raised by a build whose progress callback asked to stop; rolls it back.
struct BuildCancelled {};

// Bumped whenever the layout or the text of the index rows changes, so that
// older indexes are built again.
const QString indexFormat = QStringLiteral("3");

// The bank's tables and columns that the index rows are made of: texts,
// and what places a question in tree order. The learner's own columns
// (favourites, wrong questions, exam classes) are not among them, so
// marking them leaves the index current.
struct SourceTable {
    const char *name;
    const char *columns;
};
constexpr SourceTable sourceTables[] = {
    {"question", "id, readtextid, content, \"explain\""},
    {"opinion", "id, questionid, content"},
    {"readtext", "id, treeid, qtypeid, content"},
    {"tree", "id, parentid, code"},
};

// The index's own tables.
const QStringList indexTables = {QStringLiteral("velkora_search"),
                                 QStringLiteral("velkora_search_text"),
                                 QStringLiteral("velkora_search_state")};

// A trigger that takes the index's mark away when its table changes.
struct StalenessTrigger {
    QString name;
    QString definition; // after CREATE TRIGGER <schema>.<name>
};

QList<StalenessTrigger> stalenessTriggers() {
    QList<StalenessTrigger> triggers;
    for (const SourceTable &table : sourceTables) {
        const QString name = QLatin1String(table.name);
        const QString events[][2] = {{QStringLiteral("insert"), QStringLiteral("INSERT")},
                                     {QStringLiteral("delete"), QStringLiteral("DELETE")},
                                     {QStringLiteral("update"),
                                      QStringLiteral("UPDATE OF ") + QLatin1String(table.columns)}};
        for (const auto &[suffix, event] : events)
            triggers.append({QStringLiteral("velkora_search_%1_%2").arg(name, suffix),
                             QStringLiteral("AFTER %1 ON %2 BEGIN DELETE FROM "
                                            "velkora_search_state; END")
                                 .arg(event, name)});
    }
    return triggers;
}

constexpr qsizetype progressStep = 500;

// One statement prepared once and run for many rows; throws StoreError.
class RepeatedStatement {
public:
    RepeatedStatement(const QSqlDatabase &db, const QString &statement)
        : m_query(db), m_statement(statement) {
        if (!m_query.prepare(statement))
            throw StoreError(statement, m_query.lastError().text());
    }
    void run(std::initializer_list<QVariant> values) {
        for (const QVariant &value : values)
            m_query.addBindValue(value);
        if (!m_query.exec())
            throw StoreError(m_statement, m_query.lastError().text());
    }

private:
    QSqlQuery m_query;
    QString m_statement;
};

struct IndexRow {
    RowId question = 0;
    RowId group = 0;
    RowId chapter = 0;
    qsizetype chapterOrder = 0;
    qint64 groupType = 0;
    qint64 groupRow = 0;
    qint64 questionRow = 0;
    QString body;
};

// The place of every tree node in the order the navigation tree lists them:
// parts (code 1) in stored order, each followed by its descendants.
QHash<RowId, qsizetype> treeOrder(const QSqlDatabase &db) {
    QList<RowId> parts;
    QHash<RowId, QList<RowId>> children;
    QSqlQuery q =
        sql::run(db, QStringLiteral("SELECT id, parentid, code FROM tree ORDER BY rowid"));
    while (q.next()) {
        const RowId id = q.value(0).toLongLong();
        if (q.value(2).toInt() == 1)
            parts.append(id);
        else
            children[q.value(1).toLongLong()].append(id);
    }
    QHash<RowId, qsizetype> order;
    QList<RowId> pending(parts.crbegin(), parts.crend());
    while (!pending.isEmpty()) {
        const RowId id = pending.takeLast();
        if (order.contains(id))
            continue; // a loop in the parent ids
        order.insert(id, order.size());
        const QList<RowId> &below = children.value(id);
        for (auto it = below.crbegin(); it != below.crend(); ++it)
            pending.append(*it);
    }
    return order;
}

QHash<RowId, QString> optionTexts(const QSqlDatabase &db) {
    QHash<RowId, QString> texts;
    QSqlQuery q = sql::run(
        db, QStringLiteral("SELECT questionid, content FROM opinion ORDER BY questionid, rowid"));
    while (q.next()) {
        QString &text = texts[q.value(0).toLongLong()];
        text += QLatin1Char('\n') + html::visibleText(q.value(1).toString());
    }
    return texts;
}

} // namespace

bool SearchIndex::holdsCurrentIndex(const QString &schema) const {
    QStringList names = indexTables;
    for (const StalenessTrigger &trigger : stalenessTriggers())
        names.append(trigger.name);
    QSqlQuery present = sql::run(
        m_db,
        QStringLiteral("SELECT count(*) FROM %1.sqlite_master WHERE name IN (%2)")
            .arg(schema, QStringList(names.size(), QStringLiteral("?")).join(QLatin1Char(','))),
        QVariantList(names.cbegin(), names.cend()));
    if (!present.next() || present.value(0).toLongLong() != names.size())
        return false;
    QSqlQuery state =
        sql::run(m_db, QStringLiteral("SELECT format FROM %1.velkora_search_state").arg(schema));
    return state.next() && state.value(0).toString() == indexFormat;
}

bool SearchIndex::locate() {
    m_schema.clear();
    for (const QString &schema : {QStringLiteral("main"), QStringLiteral("temp")}) {
        if (holdsCurrentIndex(schema)) {
            m_schema = schema;
            return true;
        }
    }
    return false;
}

SearchIndex::BuildResult SearchIndex::build(const Progress &progress) {
    m_schema.clear();
    try {
        try {
            sql::inTransaction(m_db, [&] { fill(QStringLiteral("main"), progress); });
            m_schema = QStringLiteral("main");
        } catch (const StoreError &error) {
            // Most often a bank that cannot be written: index it for this
            // session only.
            qCWarning(lcSearchIndex)
                << "index not stored in the bank, kept for this session:" << error.message();
            sql::inTransaction(m_db, [&] { fill(QStringLiteral("temp"), progress); });
            m_schema = QStringLiteral("temp");
        }
    } catch (const BuildCancelled &) {
        qCInfo(lcSearchIndex) << "index build cancelled";
        return BuildResult::Cancelled;
    }
    return BuildResult::Built;
}

void SearchIndex::fill(const QString &schema, const Progress &progress) {
    const QHash<RowId, qsizetype> order = treeOrder(m_db);
    const QHash<RowId, QString> options = optionTexts(m_db);

    QList<IndexRow> rows;
    QSqlQuery q = sql::run(
        m_db, QStringLiteral("SELECT q.id, q.readtextid, r.treeid, r.qtypeid, r.rowid, q.rowid, "
                             "r.content, q.content, q.\"explain\" FROM question q "
                             "JOIN readtext r ON r.id = q.readtextid"));
    while (q.next()) {
        const RowId chapter = q.value(2).toLongLong();
        const auto place = order.constFind(chapter);
        if (place == order.cend())
            continue; // no chapter shows it
        const RowId question = q.value(0).toLongLong();
        rows.append({question, q.value(1).toLongLong(), chapter, *place, q.value(3).toLongLong(),
                     q.value(4).toLongLong(), q.value(5).toLongLong(),
                     foldedCase(html::visibleText(q.value(6).toString()) + QLatin1Char('\n') +
                                html::visibleText(q.value(7).toString()) + options.value(question) +
                                QLatin1Char('\n') + html::visibleText(q.value(8).toString()))});
    }
    // The order of the chapter pages: chapters in tree order, their groups
    // by type and stored order, the questions of a group in stored order.
    std::sort(rows.begin(), rows.end(), [](const IndexRow &a, const IndexRow &b) {
        return std::tie(a.chapterOrder, a.groupType, a.groupRow, a.questionRow) <
               std::tie(b.chapterOrder, b.groupType, b.groupRow, b.questionRow);
    });

    const QList<StalenessTrigger> triggers = stalenessTriggers();
    for (const StalenessTrigger &trigger : triggers)
        sql::run(m_db, QStringLiteral("DROP TRIGGER IF EXISTS %1.%2").arg(schema, trigger.name));
    for (const QString &table : indexTables)
        sql::run(m_db, QStringLiteral("DROP TABLE IF EXISTS %1.%2").arg(schema, table));
    // The texts sit in a plain table that short terms are scanned in; the
    // trigram index refers to it rather than keeping a copy. The texts are
    // case folded already, so the tokenizer takes them as they are.
    sql::run(m_db, QStringLiteral("CREATE TABLE %1.velkora_search_text (rowid INTEGER PRIMARY KEY, "
                                  "body TEXT, question INTEGER, grp INTEGER, chapter INTEGER)")
                       .arg(schema));
    sql::run(m_db, QStringLiteral("CREATE VIRTUAL TABLE %1.velkora_search USING fts5(body, "
                                  "content = 'velkora_search_text', content_rowid = 'rowid', "
                                  "tokenize = 'trigram case_sensitive 1')")
                       .arg(schema));
    sql::run(m_db,
             QStringLiteral("CREATE TABLE %1.velkora_search_state (format TEXT)").arg(schema));
    // In the temporary schema the triggers watch the bank's tables in the
    // main one.
    for (const StalenessTrigger &trigger : triggers)
        sql::run(m_db, QStringLiteral("CREATE TRIGGER %1.%2 %3")
                           .arg(schema, trigger.name, trigger.definition));

    RepeatedStatement addText(m_db, QStringLiteral("INSERT INTO %1.velkora_search_text (rowid, "
                                                   "body, question, grp, chapter) VALUES (?, ?, ?, "
                                                   "?, ?)")
                                        .arg(schema));
    // Indexed row by row rather than rebuilt at the end, so the progress
    // display follows the work.
    RepeatedStatement addToIndex(
        m_db,
        QStringLiteral("INSERT INTO %1.velkora_search (rowid, body) VALUES (?, ?)").arg(schema));
    const qsizetype total = rows.size();
    for (qsizetype i = 0; i < total; ++i) {
        if (i % progressStep == 0 && progress && !progress(i, total))
            throw BuildCancelled{};
        const IndexRow &row = rows.at(i);
        // The rowid is the place in tree order, so results sort by it.
        const qsizetype rowId = i + 1;
        addText.run({rowId, row.body, row.question, row.group, row.chapter});
        addToIndex.run({rowId, row.body});
    }
    sql::run(m_db, QStringLiteral("INSERT INTO %1.velkora_search_state VALUES (?)").arg(schema),
             {indexFormat});
    if (progress)
        progress(total, total);
}

} // namespace velkora
