#pragma once

#include <QString>

namespace velkora {

// SQLite's full consistency check of a file, indexes against their tables
// included, on a read-only connection of its own. Whether a file is a
// question bank at all is BankConnection::bankFileProblem's to say.
class BankFileCheck {
public:
    // Empty when the file passes PRAGMA integrity_check, else the reason.
    static QString integrityProblem(const QString &filePath);
};

} // namespace velkora
