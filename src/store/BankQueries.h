#pragma once

#include "store/Records.h"
#include "store/ViewMode.h"

#include <QHash>
#include <QSqlDatabase>
#include <optional>

namespace velkora {

// A chapter's groups by type; the questions a view lists in each group (by
// group id) and their options (by question id), in stored order; and every
// question type of the bank.
struct ChapterContent {
    QList<GroupRow> groups;
    QHash<RowId, QList<QuestionRow>> questions;
    QHash<RowId, QList<OptionRow>> options;
    QHash<RowId, QuestionType> types;
};

// Read access to the question content. Every method throws StoreError when
// its statement fails. Rows come in stored order wherever the program relies
// on it (options of a question, questions of a group, nodes of the tree).
class BankQueries {
public:
    explicit BankQueries(const QSqlDatabase &db) : m_db(db) {}

    std::optional<Subject> subject() const;
    std::optional<QString> questionCount() const;

    QList<TreeRow> topLevelNodes() const;
    QList<TreeRow> childNodes(RowId parentId) const;
    // Chapters under a section as the view lists them.
    QList<TreeRow> chapters(RowId sectionId, ViewMode mode) const;
    std::optional<TreeRow> treeRow(RowId id) const;
    // The node and the nodes above it, the top one first.
    QList<TreeRow> pathTo(RowId id) const;

    QList<GroupRow> groupsOfChapter(RowId treeId) const; // by type id
    std::optional<GroupRow> group(RowId id) const;
    std::optional<QuestionType> questionType(RowId id) const;
    QList<QuestionRow> questionsOfGroup(RowId groupId, ViewMode mode) const;
    std::optional<QuestionRow> question(RowId id) const;
    QList<OptionRow> options(RowId questionId) const;
    // The questions of these ids that exist, in the order of `ids`.
    QList<QuestionRow> questions(const QList<RowId> &ids) const;
    // The options of several questions at once, each question's in stored order.
    QHash<RowId, QList<OptionRow>> optionsOf(const QList<RowId> &questionIds) const;

    // A whole chapter in four statements, however many groups it has.
    ChapterContent chapterContent(RowId treeId, ViewMode mode) const;
    // These questions (those that exist) as content of their groups, which
    // come in the order of their first question in `ids`; each group lists
    // its questions in that order too.
    ChapterContent questionsContent(const QList<RowId> &ids) const;

    bool anyQuestionFlagged(ViewMode mode) const;

private:
    QHash<RowId, QuestionType> questionTypes() const;
    QHash<RowId, QList<QuestionRow>> questionsOfChapter(RowId treeId, ViewMode mode) const;
    QHash<RowId, QList<OptionRow>> optionsOfChapter(RowId treeId, ViewMode mode) const;

    QSqlDatabase m_db;
};

} // namespace velkora
