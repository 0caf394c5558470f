#pragma once

#include <QString>

class QFile;

namespace velkora {

// Opens a file that the learner named for reading, but only an ordinary
// file: a named pipe or a device would block the reader or answer with
// endless data, so it is refused without waiting for it.
class RegularFile {
public:
    enum class Access { Opened, Missing, NotRegular, Unreadable };

    // On Opened, `file` is open for reading.
    static Access open(QFile &file, const QString &path);
    // Whether `path` is an ordinary file that starts as a SQLite database.
    static bool startsAsSqlite(const QString &path);
};

} // namespace velkora
