#pragma once

#include "maintenance/StagingFile.h"

#include <QString>

namespace velkora {

class BankConnection;

// Puts a backup in the place of the program's bank, in two steps. stage()
// copies the chosen file into a staging file beside the bank and checks
// that copy, the very bytes that will become the bank: a file is taken only
// when it is, on its own, a whole and undamaged question bank. It needs no
// connection, so it may run on any thread. install() then closes the
// connection, renames the copy over the bank in one step and opens the bank
// again. Whenever the process stops, the bank is either the old one or the
// new one, whole.
class BankRestore {
public:
    enum class Outcome {
        Staged,            // the checked copy waits to be installed
        Restored,          // the bank is the backup now, and open
        RestoredNotOpened, // the bank is the backup now, but it does not open
        Missing,           // no file at that path; nothing changed
        NotABank,          // not a whole question bank on its own; nothing changed
        Failed,            // reading, copying or replacing failed; nothing changed
    };

    BankRestore(QString backupPath, QString bankPath);

    Outcome stage();
    // After stage() returned Staged; on the thread of the bank's connection.
    Outcome install(BankConnection &bank);
    // The checked copy that install() puts in place; empty before stage().
    QString stagedPath() const { return m_staged.path(); }

    // Both steps at once, on the thread of the bank's connection.
    static Outcome replace(BankConnection &bank, const QString &backupPath);

private:
    Outcome copyAndCheck();

    QString m_backupPath;
    QString m_bankPath;
    StagingFile m_staged;
};

} // namespace velkora
