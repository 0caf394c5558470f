#pragma once

#include "store/BankConnection.h"
#include "store/BankWriter.h"

#include <QTemporaryDir>
#include <memory>

namespace velkora::test {

// Type ids of the banks the tests make, one per display code 1..9.
enum TypeId {
    SingleA1 = 3,      // code 1
    SingleA2 = 4,      // code 2
    SingleB = 5,       // code 3, title "B型题配伍选择题"
    MultiX = 6,        // code 4
    MultiA3A4 = 7,     // code 5, the long A3/A4 title
    Multi6 = 8,        // code 6
    Multi7 = 9,        // code 7
    Case = 10,         // code 8
    SharedOptions = 11 // code 9
};

QString typeTitle(int typeId);

// A bank file in a temporary folder, laid out like a program folder
// (Data/med.mdb), open on its own connection and ready to be filled.
class TestBank {
public:
    TestBank();
    ~TestBank();

    BankWriter &writer() { return *m_writer; }
    BankConnection &connection() { return *m_connection; }
    QSqlDatabase db() const { return m_connection->database(); }
    QString folder() const { return m_dir.path(); }
    QString filePath() const;

    // The nine question types with the titles grading relies on.
    void addStandardTypes();
    // One part, one section, one chapter; returns the chapter's id.
    RowId addChapterPath(const QString &chapter = QStringLiteral("第一节"));
    // A question with five options A..E.
    RowId addChoice(RowId groupId, const QString &stem, const QString &answer);

    void exec(const QString &statement) const;
    QString scalar(const QString &query) const;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<BankConnection> m_connection;
    std::unique_ptr<BankWriter> m_writer;
};

} // namespace velkora::test
