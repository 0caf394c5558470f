#pragma once

#include "store/Records.h"
#include <QSqlDatabase>
#include <QStringList>

namespace velkora {

// Writes question content into an empty bank: used by the bank tools that
// make the demo and synthetic banks, and by tests that need a bank of their
// own. Ids are handed out in insertion order. Throws StoreError on failure.
class BankWriter {
public:
    enum class Schema { Create, Existing };
    // With Schema::Create the tables are made in `db`, which must be empty.
    explicit BankWriter(const QSqlDatabase &db, Schema schema = Schema::Create);

    void setSubject(const QString &id, const QString &name);
    void setQuestionCount(const QString &count);
    void setExamSettings(const QList<int> &countsPerClass, int ownSingleChoiceCount);
    void addQuestionType(int id, int code, const QString &title);

    RowId addNode(const QString &name, RowId parentId, int code);
    RowId addGroup(RowId treeId, RowId typeId, const QString &content = {}, int optionCount = 0);
    // Options get the letters A, B, C, ... in the order given.
    RowId addQuestion(RowId groupId, const QString &stem, const QString &answer,
                      const QString &explanation = {}, const QStringList &options = {},
                      const QString &picture = {});

    int questionsWritten() const { return m_questions; }

private:
    QSqlDatabase m_db;
    int m_questions = 0;
};

} // namespace velkora
