#pragma once

#include <QString>

namespace velkora {

// Whether a file can serve as the question bank: a SQLite file that opens
// for reading, passes SQLite's own consistency check and holds the bank's
// tables and columns. Nothing is written to the file.
class BankFileCheck {
public:
    enum class Depth {
        Quick, // PRAGMA quick_check: structure, fast enough for any restore
        Full   // PRAGMA integrity_check: also indexes against their tables
    };

    // Empty when the file is a usable bank, else the reason (for the log).
    static QString problemOf(const QString &filePath, Depth depth = Depth::Quick);
};

} // namespace velkora
