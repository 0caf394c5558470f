#pragma once

#include "base/ProgramFolder.h"

#include <QString>

namespace velkora {

// Decides where the learner's own files live. A program folder that can be
// written (the build's program folder, a portable copy) keeps them beside
// the program. An installed folder that cannot be written leaves them to a
// folder of the user's: the bank that came with the program is copied there
// on the first start, with its data date, and never again, so later starts
// keep the learner's favourites, wrong-question marks and papers. (Newer data
// that comes with a later program is offered at start, see PackagedBankOffer.)
class DataLocation {
public:
    enum class Access { Writable, ReadOnly };

    // Whether the program folder and its bank's folder take new files: a
    // real probe, since the permission bits do not tell what root or a
    // read-only mount allow. SQLite keeps its journal beside the bank, and a
    // restore stages the new bank there.
    static Access probe(const ProgramFolder &installed);

    // `userDataDir` takes the learner's files when the program folder is
    // read-only; made when needed.
    static DataLocation resolve(const ProgramFolder &installed, Access access,
                                const QString &userDataDir);
    // Probes the folder and uses the user's data folder of this application.
    static DataLocation ofApplication(const ProgramFolder &installed);

    // The program folder with the learner's files where they belong.
    const ProgramFolder &folder() const { return m_folder; }
    // Learner-readable reason why the bank could not be put into the user's
    // data folder; empty when nothing went wrong.
    QString problem() const { return m_problem; }

private:
    explicit DataLocation(ProgramFolder folder) : m_folder(std::move(folder)) {}
    void seedBank();

    ProgramFolder m_folder;
    QString m_problem;
};

} // namespace velkora
