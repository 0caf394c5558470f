// Times a backup of a 50,000-question bank while it is open, and a restore
// of that backup: the check of the chosen file, the replacement of the bank
// and its reopening.
#include "BenchSupport.h"
#include "SyntheticBankFolder.h"
#include "maintenance/BankBackup.h"
#include "maintenance/BankRestore.h"
#include "store/BankConnection.h"
#include "store/Sql.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>

using namespace velkora;

namespace {

constexpr int runs = 5;

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    bench::SyntheticBankFolder synthetic(bench::fiftyThousandQuestions);
    if (!synthetic.isOpen())
        return 1;
    BankConnection &bank = synthetic.bank();
    const QString bankPath = synthetic.bankPath();
    const int questions = synthetic.questions();
    std::printf("bank of %d questions, %.1f MiB\n", questions,
                QFileInfo(bankPath).size() / 1048576.0);

    const QString backupPath =
        QDir(synthetic.folder()).filePath(QStringLiteral("数据备份.mdb.bak"));
    QList<double> backups, restores;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        if (!BankBackup::write(bankPath, backupPath))
            return 1;
        backups << clock.nsecsElapsed() / 1e6;

        clock.restart();
        if (!BankRestore::replace(bank, backupPath))
            return 1;
        restores << clock.nsecsElapsed() / 1e6;
    }
    bench::report("backup of the open bank (median)", bench::median(backups), "ms");
    bench::report("restore: check, replace, reopen (median)", bench::median(restores), "ms");
    return 0;
}
