#pragma once

#include <QString>

namespace velkora {

// Writes a consistent copy of the bank to a file of the learner's choice,
// even while the program holds the bank open. The copy is made beside the
// target, checked, and only then renamed over the chosen name, so a failure
// leaves no partial file there and an earlier file of that name intact.
class BankBackup {
public:
    // False (and logged) on any failure.
    static bool write(const QString &bankPath, const QString &targetPath);
};

} // namespace velkora
