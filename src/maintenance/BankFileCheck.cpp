#include "maintenance/BankFileCheck.h"

#include "store/BankConnection.h"
#include "store/ScopedDatabase.h"

#include <QSqlQuery>

namespace velkora {

QString BankFileCheck::integrityProblem(const QString &filePath) {
    if (const QString header = BankConnection::fileProblem(filePath); !header.isEmpty())
        return header;
    const ScopedDatabase file = ScopedDatabase::readOnlySqlite(filePath);
    if (!file.database().open())
        return QStringLiteral("cannot open %1: %2").arg(filePath, file.lastErrorText());
    QSqlQuery check(file.database());
    if (!check.exec(QStringLiteral("PRAGMA integrity_check")) || !check.next())
        return QStringLiteral("%1 fails its consistency check").arg(filePath);
    if (const QString verdict = check.value(0).toString(); verdict != QLatin1String("ok"))
        return QStringLiteral("%1 is damaged: %2").arg(filePath, verdict);
    return {};
}

} // namespace velkora
