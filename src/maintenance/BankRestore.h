#pragma once

#include <QString>

namespace velkora {

class BankConnection;

// Puts a backup in the place of the program's bank. The chosen file is
// first checked to be a question bank; then it is copied into a temporary
// file beside the bank, the connection is closed, the copy is renamed over
// the bank in one step and the bank is opened again. Whenever the process
// stops, the bank is either the old one or the new one, whole.
class BankRestore {
public:
    // False (and logged) on any failure; the bank is then unchanged and
    // open again if it was usable before.
    static bool replace(BankConnection &bank, const QString &backupPath);
};

} // namespace velkora
