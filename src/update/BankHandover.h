#pragma once

#include "maintenance/BankRestore.h"

#include <QDate>
#include <QString>

namespace velkora {

class ProgramFolder;

// Puts a newer bank of the same subject in the place of the learner's bank,
// with the learner's records carried into it (RecordCarrier). stage() copies
// and checks the new bank beside the learner's, as a restore does, and may
// run while the program has the learner's bank open. install() must run
// while no program has it open (the caller holds the program's lock): it
// reads the learner's bank as it is then, carries the records into the
// staged copy, checks it, replaces the learner's bank in one step and only
// then dates the learner's data. Whenever the process stops, the bank is the
// old one or the new one with the records, whole; on any failure the old
// bank stays, and problem() tells the learner why.
class BankHandover {
public:
    enum class Outcome {
        Staged,
        Installed,
        NotABank,     // the new file is no whole question bank
        OtherSubject, // it is a bank of another subject
        Failed,       // reading, carrying, checking or replacing failed
    };

    explicit BankHandover(const ProgramFolder &folder);

    Outcome stage(const QString &newBankPath);
    // After stage() returned Staged.
    Outcome install(const QDate &dataDate);

    // Learner-readable reason of the last failure.
    QString problem() const { return m_problem; }

    // The subject (`kemu.mz`) of a bank file, read-only; empty when it has
    // none or does not open.
    static QString subjectOf(const QString &bankPath);

private:
    Outcome fail(Outcome outcome, const QString &problem);

    QString m_bankPath;
    QString m_datePath;
    BankRestore m_restore;
    QString m_problem;
};

} // namespace velkora
