#pragma once

#include "feedback/FeedbackServer.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace velkora::test {

// A feedback database in a local SQLite file, with the table `yiyao` the
// real server has, reached through the same upload code.
class FeedbackTestServer {
public:
    FeedbackTestServer() {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connectionName());
        db.setDatabaseName(path());
        db.open();
        QSqlQuery(db).exec(
            "CREATE TABLE yiyao (kemu TEXT, tihao TEXT, tigan TEXT, tupian TEXT, kaoshidg TEXT, "
            "xueke TEXT, chenjiu TEXT, cuobiezi TEXT, silutigan TEXT, silutp TEXT, "
            "siluddaan TEXT, silucbz TEXT, shiticf TEXT, shuoming TEXT)");
    }
    ~FeedbackTestServer() {
        QSqlDatabase::database(connectionName(), false).close();
        QSqlDatabase::removeDatabase(connectionName());
    }

    FeedbackServer server() const { return {.driver = "QSQLITE", .databaseName = path()}; }
    // Every row sent, each as its fourteen texts in column order.
    QList<QStringList> rows() const {
        QList<QStringList> rows;
        QSqlQuery q(QSqlDatabase::database(connectionName()));
        q.exec("SELECT * FROM yiyao ORDER BY rowid");
        while (q.next()) {
            QStringList row;
            for (int i = 0; i < 14; ++i)
                row << q.value(i).toString();
            rows << row;
        }
        return rows;
    }
    void dropTable() const {
        QSqlQuery(QSqlDatabase::database(connectionName())).exec("DROP TABLE yiyao");
    }

private:
    QString path() const { return QDir(m_dir.path()).filePath("feedback.db"); }
    QString connectionName() const { return "feedback-server-" + m_dir.path(); }

    QTemporaryDir m_dir;
};

} // namespace velkora::test
