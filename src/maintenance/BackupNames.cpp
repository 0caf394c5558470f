#include "maintenance/BackupNames.h"

namespace velkora::backupNames {

QString suggested(const QDate &day, const QLocale &locale) {
    QString date = locale.toString(day, QLocale::ShortFormat);
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar &c : date) {
        if (forbidden.contains(c) || c.category() == QChar::Other_Control)
            c = QLatin1Char('-');
    }
    return mark + date;
}

bool isBackupPath(const QString &path) {
    return path.contains(mark);
}

} // namespace velkora::backupNames
