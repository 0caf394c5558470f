#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace velkora::dataDates {

// The data date of an update file ("predate.ini", "tmp.ini"): key "Date"
// of section "File1", written "yyyy-mm-dd"; nothing when the file, the
// section or the key is missing.
std::optional<QString> read(const QString &iniPath);

// The date of the installed data, today when the file does not say.
QString installed(const QString &iniPath, const QDate &today = QDate::currentDate());

// Published data is newer when its date text is greater byte by byte,
// which for "yyyy-mm-dd" is the calendar order.
bool isNewer(const QString &published, const QString &installed);

} // namespace velkora::dataDates
