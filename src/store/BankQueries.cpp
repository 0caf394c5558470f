#include "store/BankQueries.h"

#include "store/BankConventions.h"

#include "store/Sql.h"

#include <QSqlQuery>
#include <algorithm>

namespace velkora {

namespace {

TreeRow treeRowOf(const QSqlQuery &q) {
    return {q.value("id").toLongLong(), sql::text(q, "nodename")};
}

QList<TreeRow> treeRows(QSqlQuery q) {
    QList<TreeRow> rows;
    while (q.next())
        rows.append(treeRowOf(q));
    return rows;
}

OptionRow optionOf(const QSqlQuery &q) {
    return {sql::text(q, "id"), q.value("questionid").toLongLong(), sql::text(q, "code"),
            sql::text(q, "content")};
}

// The condition a question meets to be listed in a view, as " AND ..."; none
// in chapter practice, which lists every question.
QString listedBy(ViewMode mode, const QString &table = {}) {
    if (mode == ViewMode::ChapterPractice)
        return {};
    return QStringLiteral(" AND %1%2='1'").arg(table, flagColumn(mode));
}

GroupRow groupOf(const QSqlQuery &q) {
    return {q.value("id").toLongLong(), q.value("treeid").toLongLong(),
            q.value("qtypeid").toLongLong(), sql::text(q, "content"), q.value("opnum").toInt()};
}

QuestionRow questionOf(const QSqlQuery &q) {
    QuestionRow row;
    row.id = q.value("id").toLongLong();
    row.groupId = q.value("readtextid").toLongLong();
    row.content = sql::text(q, "content");
    row.picture = sql::text(q, "picurl");
    row.answer = sql::text(q, "answer");
    row.explanation = sql::text(q, "explain");
    row.itemNumber = sql::text(q, "itemnum");
    row.favourite = sql::isFlagSet(q.value("scbt"));
    row.wrong = sql::isFlagSet(q.value("ct"));
    return row;
}

} // namespace

std::optional<Subject> BankQueries::subject() const {
    QSqlQuery q = sql::run(m_db, QStringLiteral("SELECT * FROM kemu ORDER BY rowid LIMIT 1"));
    if (!q.next())
        return std::nullopt;
    return Subject{sql::text(q, "ID"), sql::text(q, "mz")};
}

std::optional<QString> BankQueries::questionCount() const {
    QSqlQuery q = sql::run(m_db, QStringLiteral("SELECT * FROM geshu ORDER BY rowid LIMIT 1"));
    if (!q.next())
        return std::nullopt;
    return sql::text(q, "kemugeshu");
}

QList<TreeRow> BankQueries::topLevelNodes() const {
    return treeRows(
        sql::run(m_db, QStringLiteral("SELECT * FROM tree WHERE code=1 ORDER BY rowid")));
}

QList<TreeRow> BankQueries::childNodes(RowId parentId) const {
    return treeRows(sql::run(
        m_db, QStringLiteral("SELECT * FROM tree WHERE parentid=? ORDER BY rowid"), {parentId}));
}

QList<TreeRow> BankQueries::chapters(RowId sectionId, ViewMode mode) const {
    if (mode == ViewMode::ChapterPractice)
        return childNodes(sectionId);
    return treeRows(sql::run(m_db,
                             QStringLiteral("SELECT * FROM tree WHERE parentid=? AND %1='1' "
                                            "ORDER BY rowid")
                                 .arg(flagColumn(mode)),
                             {sectionId}));
}

std::optional<TreeRow> BankQueries::treeRow(RowId id) const {
    QSqlQuery q = sql::run(m_db, QStringLiteral("SELECT * FROM tree WHERE id=?"), {id});
    if (!q.next())
        return std::nullopt;
    return treeRowOf(q);
}

QList<TreeRow> BankQueries::pathTo(RowId id) const {
    QList<TreeRow> path;
    std::optional<RowId> next = id;
    while (next) {
        QSqlQuery q = sql::run(
            m_db, QStringLiteral("SELECT id, nodename, parentid FROM tree WHERE id=?"), {*next});
        if (!q.next())
            break;
        const TreeRow row = treeRowOf(q);
        if (std::any_of(path.cbegin(), path.cend(),
                        [&](const TreeRow &seen) { return seen.id == row.id; }))
            break; // a loop in the parent ids
        path.prepend(row);
        next = q.value("parentid").isNull() ? std::nullopt
                                            : std::optional(q.value("parentid").toLongLong());
    }
    return path;
}

QList<GroupRow> BankQueries::groupsOfChapter(RowId treeId) const {
    QSqlQuery q = sql::run(
        m_db, QStringLiteral("SELECT * FROM readtext WHERE treeid=? ORDER BY qtypeid, rowid"),
        {treeId});
    QList<GroupRow> rows;
    while (q.next())
        rows.append(groupOf(q));
    return rows;
}

std::optional<GroupRow> BankQueries::group(RowId id) const {
    QSqlQuery q = sql::run(m_db, QStringLiteral("SELECT * FROM readtext WHERE id=?"), {id});
    if (!q.next())
        return std::nullopt;
    return groupOf(q);
}

std::optional<QuestionType> BankQueries::questionType(RowId id) const {
    QSqlQuery q = sql::run(m_db, QStringLiteral("SELECT * FROM qtype WHERE id=?"), {id});
    if (!q.next())
        return std::nullopt;
    return QuestionType{q.value("code").toInt(), sql::text(q, "title")};
}

QList<QuestionRow> BankQueries::questionsOfGroup(RowId groupId, ViewMode mode) const {
    const QString filter = listedBy(mode);
    QSqlQuery q = sql::run(
        m_db,
        QStringLiteral("SELECT * FROM question WHERE readtextid=?%1 ORDER BY rowid").arg(filter),
        {groupId});
    QList<QuestionRow> rows;
    while (q.next())
        rows.append(questionOf(q));
    return rows;
}

std::optional<QuestionRow> BankQueries::question(RowId id) const {
    QSqlQuery q = sql::run(m_db, QStringLiteral("SELECT * FROM question WHERE id=?"), {id});
    if (!q.next())
        return std::nullopt;
    return questionOf(q);
}

QList<OptionRow> BankQueries::options(RowId questionId) const {
    QSqlQuery q =
        sql::run(m_db, QStringLiteral("SELECT * FROM opinion WHERE questionid=? ORDER BY rowid"),
                 {questionId});
    QList<OptionRow> rows;
    while (q.next())
        rows.append(optionOf(q));
    return rows;
}

QList<QuestionRow> BankQueries::questions(const QList<RowId> &ids) const {
    QHash<RowId, QuestionRow> byId;
    QSqlQuery q = sql::run(m_db,
                           QStringLiteral("SELECT * FROM question WHERE id IN (%1)")
                               .arg(sql::placeholders(ids.size())),
                           sql::listValues(ids));
    while (q.next()) {
        const QuestionRow row = questionOf(q);
        byId.insert(row.id, row);
    }
    QList<QuestionRow> rows;
    for (RowId id : ids)
        if (const auto found = byId.constFind(id); found != byId.cend())
            rows.append(*found);
    return rows;
}

QHash<RowId, QList<OptionRow>> BankQueries::optionsOf(const QList<RowId> &questionIds) const {
    QHash<RowId, QList<OptionRow>> options;
    QSqlQuery q = sql::run(m_db,
                           QStringLiteral("SELECT * FROM opinion WHERE questionid IN (%1) "
                                          "ORDER BY rowid")
                               .arg(sql::placeholders(questionIds.size())),
                           sql::listValues(questionIds));
    while (q.next()) {
        const OptionRow row = optionOf(q);
        options[row.questionId].append(row);
    }
    return options;
}

ChapterContent BankQueries::chapterContent(RowId treeId, ViewMode mode) const {
    return {groupsOfChapter(treeId), questionsOfChapter(treeId, mode),
            optionsOfChapter(treeId, mode), questionTypes()};
}

ChapterContent BankQueries::questionsContent(const QList<RowId> &ids) const {
    ChapterContent content;
    QList<RowId> groupIds;
    for (const QuestionRow &question : questions(ids)) {
        if (!content.questions.contains(question.groupId))
            groupIds.append(question.groupId);
        content.questions[question.groupId].append(question);
    }
    QHash<RowId, GroupRow> groups;
    QSqlQuery q = sql::run(m_db,
                           QStringLiteral("SELECT * FROM readtext WHERE id IN (%1)")
                               .arg(sql::placeholders(groupIds.size())),
                           sql::listValues(groupIds));
    while (q.next()) {
        const GroupRow group = groupOf(q);
        groups.insert(group.id, group);
    }
    for (RowId id : std::as_const(groupIds))
        if (const auto group = groups.constFind(id); group != groups.cend())
            content.groups.append(*group);
    content.options = optionsOf(ids);
    content.types = questionTypes();
    return content;
}

QHash<RowId, QuestionType> BankQueries::questionTypes() const {
    QSqlQuery q = sql::run(m_db, QStringLiteral("SELECT * FROM qtype"));
    QHash<RowId, QuestionType> types;
    while (q.next())
        types.insert(q.value("id").toLongLong(),
                     QuestionType{q.value("code").toInt(), sql::text(q, "title")});
    return types;
}

QHash<RowId, QList<QuestionRow>> BankQueries::questionsOfChapter(RowId treeId,
                                                                 ViewMode mode) const {
    QSqlQuery q =
        sql::run(m_db,
                 QStringLiteral("SELECT question.* FROM readtext JOIN question ON "
                                "question.readtextid=readtext.id WHERE readtext.treeid=?%1 "
                                "ORDER BY question.rowid")
                     .arg(listedBy(mode, QStringLiteral("question."))),
                 {treeId});
    QHash<RowId, QList<QuestionRow>> byGroup;
    while (q.next()) {
        const QuestionRow row = questionOf(q);
        byGroup[row.groupId].append(row);
    }
    return byGroup;
}

QHash<RowId, QList<OptionRow>> BankQueries::optionsOfChapter(RowId treeId, ViewMode mode) const {
    QSqlQuery q =
        sql::run(m_db,
                 QStringLiteral("SELECT opinion.* FROM readtext JOIN question ON "
                                "question.readtextid=readtext.id JOIN opinion ON "
                                "opinion.questionid=question.id WHERE readtext.treeid=?%1 "
                                "ORDER BY opinion.rowid")
                     .arg(listedBy(mode, QStringLiteral("question."))),
                 {treeId});
    QHash<RowId, QList<OptionRow>> byQuestion;
    while (q.next()) {
        const OptionRow row = optionOf(q);
        byQuestion[row.questionId].append(row);
    }
    return byQuestion;
}

bool BankQueries::anyQuestionFlagged(ViewMode mode) const {
    QSqlQuery q = sql::run(
        m_db, QStringLiteral("SELECT 1 FROM question WHERE %1='1' LIMIT 1").arg(flagColumn(mode)));
    return q.next();
}

} // namespace velkora
