#pragma once

#include "base/ProgramFolder.h"

#include <QDate>
#include <optional>

namespace velkora {

class Messages;

// An installed program keeps the learner's bank in the learner's own
// folder, copied from the bank that came with it. When a later program
// brings newer data than that copy, the learner is asked once whether to
// carry their records into it (BankHandover); a No keeps the copy and is
// remembered for that data, so the question is not put again.
class PackagedBankOffer {
public:
    explicit PackagedBankOffer(ProgramFolder folder) : m_folder(std::move(folder)) {}

    // The date of the program's data when it is newer than the learner's
    // copy and was not declined; nothing for a program whose learner's
    // files live in the program folder itself.
    std::optional<QDate> due() const;

    // Asks and carries out the answer; call before the learner's bank is
    // opened, holding the program's lock. True when the bank was replaced.
    bool offer(Messages &messages);

private:
    ProgramFolder m_folder;
};

} // namespace velkora
