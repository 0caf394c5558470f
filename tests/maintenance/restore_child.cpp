// Restores two backups in turn over a bank, forever, until it is killed:
// the restore test kills it at random moments and then checks the bank.
#include "maintenance/BankRestore.h"
#include "store/BankConnection.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

using namespace velkora;

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 3) {
        std::fputs("usage: velkora_restore_child BANK BACKUP_A BACKUP_B\n", stderr);
        return 2;
    }
    BankConnection bank(args[0]);
    bank.open();
    for (int round = 0;; ++round) {
        if (!BankRestore::replace(bank, args[1 + round % 2]))
            return 1;
    }
}
