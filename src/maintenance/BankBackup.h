#pragma once

#include <QString>

namespace velkora {

// Writes a consistent copy of the bank to a file of the learner's choice,
// even while the program holds the bank open. The copy is made in a staging
// file beside the target, put on disk and checked, and only then renamed
// over the chosen name, so a failure leaves no partial file there and an
// earlier file of that name intact. Staging files that killed backups left
// in the target's folder are removed first. Needs no connection of the
// caller's, so it may run on any thread.
class BankBackup {
public:
    // False (and logged) on any failure.
    static bool write(const QString &bankPath, const QString &targetPath);
};

} // namespace velkora
