#include "maintenance/BankFileCheck.h"

#include "maintenance/ScopedDatabase.h"
#include "store/BankConnection.h"
#include "store/Schema.h"

#include <QFileInfo>
#include <QSqlQuery>

namespace velkora {

namespace {

// Tables a bank may lack: the pages never read them, and opening a bank
// accepts it without them.
bool isOptional(const QString &missingPart) {
    const QString table = missingPart.section(QLatin1Char('.'), 0, 0);
    return table == QLatin1String("kemu") || table == QLatin1String("geshu");
}

} // namespace

QString BankFileCheck::problemOf(const QString &filePath, Depth depth) {
    if (QFileInfo(filePath).isDir())
        return QStringLiteral("%1 is a folder").arg(filePath);
    if (const QString header = BankConnection::fileProblem(filePath); !header.isEmpty())
        return header;
    const ScopedDatabase file = ScopedDatabase::readOnlySqlite(filePath);
    if (!file.database().open())
        return QStringLiteral("cannot open %1: %2").arg(filePath, file.lastErrorText());
    {
        QSqlQuery check(file.database());
        const QString pragma = depth == Depth::Full ? QStringLiteral("PRAGMA integrity_check")
                                                    : QStringLiteral("PRAGMA quick_check");
        if (!check.exec(pragma) || !check.next())
            return QStringLiteral("%1 fails its consistency check").arg(filePath);
        if (const QString verdict = check.value(0).toString(); verdict != QLatin1String("ok"))
            return QStringLiteral("%1 is damaged: %2").arg(filePath, verdict);
    }
    QStringList missing = schema::missingParts(file.database());
    missing.removeIf(isOptional);
    if (!missing.isEmpty())
        return QStringLiteral("%1 is not a question bank, it lacks %2")
            .arg(filePath, missing.join(QLatin1String(", ")));
    return {};
}

} // namespace velkora
