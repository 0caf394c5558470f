#include "store/BankFile.h"

#include "store/BankWriter.h"
#include "store/ScopedDatabase.h"
#include "store/Sql.h"
#include "store/StoreError.h"

namespace velkora {

void writeBankFile(const QString &path, const std::function<void(BankWriter &)> &fill) {
    ScopedDatabase file(QStringLiteral("QSQLITE"), path);
    if (!file.open())
        throw StoreError(QStringLiteral("cannot create %1").arg(path), file.lastErrorText());
    sql::inTransaction(file.database(), [&] {
        BankWriter writer(file.database());
        if (fill)
            fill(writer);
    });
}

} // namespace velkora
