#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace velkora {

// How backup files are named and recognised.
namespace backupNames {

// Every backup's name starts with this; restore accepts only paths that
// contain it anywhere, so any file in a folder of that name will do.
inline const QString mark = QStringLiteral("数据备份");

// The name the backup dialog suggests: the mark and the day in the
// locale's short date format, with the characters a file name cannot hold
// ("2026/12/9") replaced by '-'.
QString suggested(const QDate &day, const QLocale &locale = QLocale::system());

bool isBackupPath(const QString &path);

} // namespace backupNames
} // namespace velkora
