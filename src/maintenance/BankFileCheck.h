#pragma once

#include <QString>

namespace velkora {

// Checks of a SQLite file on a read-only connection of their own. The file
// is opened by SQLite by name, so it must have no "-wal" or "-journal" of
// its own beside it that SQLite would read with it: these checks are meant
// for files this program has just written.
class BankFileCheck {
public:
    // Empty when the file passes SQLite's full consistency check, indexes
    // against their tables included (PRAGMA integrity_check); else the
    // reason.
    static QString integrityProblem(const QString &filePath);
    // Empty when the file is a whole question bank: undamaged, with every
    // table and column a bank needs as real tables (not views), and at
    // least one question; else the reason.
    static QString bankProblem(const QString &filePath);
};

} // namespace velkora
