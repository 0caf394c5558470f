#include "maintenance/BackupNames.h"

namespace velkora::backupNames {

QString suggested(const QDate &day) {
    return mark + day.toString(Qt::ISODate);
}

bool isBackupPath(const QString &path) {
    return path.contains(mark);
}

} // namespace velkora::backupNames
