#pragma once

#include <QDate>
#include <QString>

namespace velkora {

// How backup files are named and recognised.
namespace backupNames {

// Every backup's name starts with this, followed by the day it was made.
inline const QString mark = QStringLiteral("数据备份");

// The name the backup dialog suggests: the mark and the day as
// "2026-12-09", which every file system holds and which sorts by date.
QString suggested(const QDate &day);

// Whether the path names a backup by its mark, in the file's name or in a
// folder's.
bool isBackupPath(const QString &path);

} // namespace backupNames
} // namespace velkora
