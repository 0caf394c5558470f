#include "store/BankConnection.h"

#include "store/Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlQuery>

namespace velkora {

Q_LOGGING_CATEGORY(lcBank, "velkora.store")

BankConnection::BankConnection(QString filePath, QString connectionName)
    : m_filePath(std::move(filePath)), m_connectionName(std::move(connectionName)) {}

BankConnection::~BankConnection() {
    close();
    QSqlDatabase::removeDatabase(m_connectionName);
}

QString BankConnection::fileProblem(const QString &filePath) {
    const QFileInfo info(filePath);
    if (!info.exists())
        return QStringLiteral("找不到题库文件 %1。").arg(QDir::toNativeSeparators(filePath));
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("题库文件 %1 无法读取：%2。")
            .arg(QDir::toNativeSeparators(filePath), file.errorString());
    static const QByteArray magic("SQLite format 3\0", 16);
    if (file.read(magic.size()) != magic)
        return QStringLiteral("文件 %1 不是有效的题库文件。")
            .arg(QDir::toNativeSeparators(filePath));
    return {};
}

bool BankConnection::open() {
    close();
    m_problem = fileProblem(m_filePath);
    if (!m_problem.isEmpty()) {
        qCWarning(lcBank) << "bank not opened:" << m_problem;
        return false;
    }
    QSqlDatabase db = QSqlDatabase::contains(m_connectionName)
                          ? QSqlDatabase::database(m_connectionName, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(m_filePath);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
    if (!db.open()) {
        m_problem = QStringLiteral("题库文件无法打开：%1。").arg(db.lastError().text());
        qCWarning(lcBank) << "bank not opened:" << m_problem;
        return false;
    }
    // A damaged file passes the header check but fails its first real read.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        m_problem = QStringLiteral("题库文件已损坏：%1。").arg(probe.lastError().text());
        qCWarning(lcBank) << "bank not opened:" << m_problem;
        db.close();
        return false;
    }
    const QStringList missing = schema::missingParts(db);
    if (!missing.isEmpty())
        qCWarning(lcBank) << "bank lacks" << missing.join(QLatin1String(", "));
    schema::ensureIndexes(db);
    return true;
}

void BankConnection::close() {
    if (QSqlDatabase::contains(m_connectionName))
        QSqlDatabase::database(m_connectionName, false).close();
}

bool BankConnection::isOpen() const {
    return QSqlDatabase::contains(m_connectionName) &&
           QSqlDatabase::database(m_connectionName, false).isOpen();
}

QSqlDatabase BankConnection::database() const {
    return QSqlDatabase::database(m_connectionName, false);
}

} // namespace velkora
