// Backs up or restores a bank again and again until it is killed: the kill
// tests kill it at random moments and then check what it left.
//   velkora_maintenance_child backup BANK TARGET
//   velkora_maintenance_child restore BANK BACKUP_A BACKUP_B   (in turn)
#include "maintenance/BankBackup.h"
#include "maintenance/BankRestore.h"
#include "store/BankConnection.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

using namespace velkora;

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 3 && args[0] == QLatin1String("backup")) {
        while (BankBackup::write(args[1], args[2])) {
        }
        return 1;
    }
    if (args.size() == 4 && args[0] == QLatin1String("restore")) {
        BankConnection bank(args[1]);
        bank.open();
        for (int round = 0;; ++round) {
            if (BankRestore::replace(bank, args[2 + round % 2]) != BankRestore::Outcome::Restored)
                return 1;
        }
    }
    std::fputs("usage: velkora_maintenance_child backup BANK TARGET\n"
               "       velkora_maintenance_child restore BANK BACKUP_A BACKUP_B\n",
               stderr);
    return 2;
}
