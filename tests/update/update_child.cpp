// Puts two new banks in turn in the place of a learner's bank, carrying the
// learner's records each time, until it is killed: the kill test kills it at
// random moments and then checks what it left.
//   velkora_update_child PROGRAM_FOLDER BANK_A BANK_B
#include "base/ProgramFolder.h"
#include "update/BankHandover.h"

#include <QCoreApplication>
#include <QDate>
#include <cstdio>

using namespace velkora;

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 3) {
        std::fputs("usage: velkora_update_child PROGRAM_FOLDER BANK_A BANK_B\n", stderr);
        return 2;
    }
    const ProgramFolder folder(args[0]);
    for (int round = 0;; ++round) {
        BankHandover handover(folder);
        if (handover.stage(args[1 + round % 2]) != BankHandover::Outcome::Staged ||
            handover.install(QDate(2026, 12, 1).addDays(round)) !=
                BankHandover::Outcome::Installed) {
            std::fprintf(stderr, "%s\n", qPrintable(handover.problem()));
            return 1;
        }
    }
}
