#pragma once

#include "base/ProgramFolder.h"

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

// The date of the learner's bank. A copy made before copies were dated
// counts as old as the data that came with the program.
QDate learners(const ProgramFolder &folder, const QDate &today = QDate::currentDate());

// Sets `key` of section "File1" of an update file to `date`, keeping its
// other keys; the file is replaced in one step. False (and logged) when it
// cannot be written.
bool record(const QString &iniPath, const QString &key, const QDate &date);
inline const QString dateKey = QStringLiteral("Date");

} // namespace velkora::dataDates
