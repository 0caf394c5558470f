#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>

namespace velkora {

// The process's one connection to the question bank (a SQLite file).
// Opening checks that the file is there, readable, really a SQLite
// database, undamaged and laid out as a bank, so a damaged or foreign file
// is refused with a reason the learner can read. Whoever keeps what it read
// from the bank listens to reopened() to read it afresh.
class BankConnection : public QObject {
    Q_OBJECT
public:
    explicit BankConnection(QString filePath,
                            QString connectionName = QStringLiteral("velkora-bank"),
                            QObject *parent = nullptr);
    ~BankConnection() override;

    // Opens (or re-opens) the file; false with problem() set on failure.
    // Every call after the first ends in reopened().
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

signals:
    // open() ran again, as after a restore put another file in the bank's
    // place: what was read from the bank is to be read afresh. isOpen()
    // tells whether the connection stands (a file that no longer opens
    // leaves it closed, with problem() set).
    void reopened();

private:
    // The checks and the opening itself; false with problem() set.
    bool openFile();

    QString m_filePath;
    QString m_connectionName;
    QString m_problem;
    bool m_openedBefore = false; // open() was called at least once
};

} // namespace velkora
