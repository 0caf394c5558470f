#include "store/BankConnection.h"

#include "store/Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlQuery>
#include <utility>

namespace velkora {

Q_LOGGING_CATEGORY(lcBank, "velkora.store")

BankConnection::BankConnection(QString filePath, QString connectionName, QObject *parent)
    : QObject(parent), m_filePath(std::move(filePath)),
      m_connectionName(std::move(connectionName)) {}

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

namespace {
// What makes an open database unfit as a bank: damage anywhere in the file,
// or a table or column that the pages need. Empty when it is fit.
QString contentProblem(const QSqlDatabase &db, const QString &filePath) {
    const QString shown = QDir::toNativeSeparators(filePath);
    QSqlQuery check(db);
    if (!check.exec(QStringLiteral("PRAGMA quick_check")) || !check.next() ||
        check.value(0).toString() != QLatin1String("ok")) {
        qCWarning(lcBank) << "quick_check of" << filePath << "failed:"
                          << (check.lastError().isValid() ? check.lastError().text()
                                                          : check.value(0).toString());
        return QStringLiteral("题库文件 %1 已损坏，无法读取。").arg(shown);
    }
    const QStringList missing = schema::missingRequiredParts(db);
    if (!missing.isEmpty())
        return QStringLiteral("题库文件 %1 缺少试题所需的表或列（%2），不是完整的题库。")
            .arg(shown, missing.join(QStringLiteral("、")));
    return {};
}
} // namespace

QString BankConnection::bankFileProblem(const QString &filePath) {
    if (QString problem = fileProblem(filePath); !problem.isEmpty())
        return problem;
    const QString name = QStringLiteral("velkora-check-%1").arg(quintptr(&filePath));
    QString problem;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(filePath);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        problem =
            db.open()
                ? contentProblem(db, filePath)
                : QStringLiteral("题库文件 %1 无法打开。").arg(QDir::toNativeSeparators(filePath));
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return problem;
}

bool BankConnection::open() {
    const bool reopening = std::exchange(m_openedBefore, true);
    const bool opened = openFile();
    if (reopening)
        emit reopened();
    return opened;
}

bool BankConnection::openFile() {
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
        qCWarning(lcBank) << "driver refused" << m_filePath << db.lastError().text();
        m_problem =
            QStringLiteral("题库文件 %1 无法打开。").arg(QDir::toNativeSeparators(m_filePath));
        qCWarning(lcBank) << "bank not opened:" << m_problem;
        return false;
    }
    m_problem = contentProblem(db, m_filePath);
    if (!m_problem.isEmpty()) {
        qCWarning(lcBank) << "bank not opened:" << m_problem;
        db.close();
        return false;
    }
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
