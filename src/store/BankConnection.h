#pragma once

#include <QSqlDatabase>
#include <QString>

namespace velkora {

// The process's one connection to the question bank (a SQLite file).
// Opening checks that the file is there, readable, really a SQLite
// database, undamaged and laid out as a bank, so a damaged or foreign file
// is refused with a reason the learner can read.
class BankConnection {
public:
    explicit BankConnection(QString filePath,
                            QString connectionName = QStringLiteral("velkora-bank"));
    ~BankConnection();
    BankConnection(const BankConnection &) = delete;
    BankConnection &operator=(const BankConnection &) = delete;

    // Opens (or re-opens) the file; false with problem() set on failure.
    bool open();
    void close();
    bool isOpen() const;

    QSqlDatabase database() const;
    QString filePath() const { return m_filePath; }
    // Learner-readable reason of the last failed open, empty after success.
    QString problem() const { return m_problem; }

    // Checks a file without opening a connection on it: empty when it looks
    // like a SQLite database, else the reason.
    static QString fileProblem(const QString &filePath);
    // Checks a file thoroughly, read-only, as opening does: a SQLite file,
    // undamaged, with every table and column of a bank. Empty when it is one.
    static QString bankFileProblem(const QString &filePath);

private:
    QString m_filePath;
    QString m_connectionName;
    QString m_problem;
};

} // namespace velkora
