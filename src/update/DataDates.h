#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace velkora::dataDates {

// A data date as the update files write it: year, month and day joined by
// hyphens, month and day with or without a leading zero ("2026-2-1" is
// the first of February), blanks around it ignored. Nothing when the text
// is no such date of the calendar.
std::optional<QDate> parse(const QString &text);

// The data date of an update file ("predate.ini", "tmp.ini"): key "Date"
// of section "File1"; nothing when the file, the section or the key is
// missing or the value is no date.
std::optional<QDate> read(const QString &iniPath);

// The date of the installed data, today when the file does not give one.
QDate installed(const QString &iniPath, const QDate &today = QDate::currentDate());

} // namespace velkora::dataDates
