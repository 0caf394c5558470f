// Times a backup of a large bank while it is open, and a restore of that
// backup, as the backup and restore windows run them: the copying and
// checking on a worker thread, the replacement and reopening of the bank on
// the window thread. Besides the time each takes, it reports the longest
// stretch in which the window thread handled no event: how long the window
// would stop painting.
//
//   velkora_maintenance_bench [SIZE_MIB]     (default 1024)
#include "BenchSupport.h"
#include "SyntheticBankFolder.h"
#include "maintenance/BankBackup.h"
#include "maintenance/BankRestore.h"
#include "maintenance/WorkerThread.h"
#include "store/BankConnection.h"
#include "store/Sql.h"
#include "store/StoreError.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>

using namespace velkora;

namespace {

constexpr int runs = 3;
constexpr qint64 mebibyte = 1 << 20;

// The longest time between two turns of the calling thread's event loop.
class StallWatch {
public:
    StallWatch() {
        m_sinceTick.start();
        m_tick.setInterval(5);
        QObject::connect(&m_tick, &QTimer::timeout,
                         [this] { m_longest = qMax(m_longest, m_sinceTick.restart()); });
        m_tick.start();
    }
    // Lets the timer see the stretch that ends now.
    double longestMs() {
        QCoreApplication::processEvents();
        return double(m_longest);
    }

private:
    QTimer m_tick;
    QElapsedTimer m_sinceTick;
    qint64 m_longest = 0;
};

// Fills the bank with answer texts until its file reaches `size` bytes.
bool growTo(BankConnection &bank, qint64 size) {
    const QString path = bank.filePath();
    try {
        while (QFileInfo(path).size() < size) {
            sql::inTransaction(bank.database(), [&] {
                sql::run(bank.database(),
                         "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                         "WHERE i < 100000) INSERT INTO opinion (questionid, code, content) "
                         "SELECT i, 'A', hex(randomblob(200)) FROM n");
            });
        }
    } catch (const StoreError &error) {
        std::fprintf(stderr, "bank not grown: %s\n", qPrintable(error.message()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const qint64 size = (argc > 1 ? QByteArray(argv[1]).toLongLong() : 1024) * mebibyte;
    bench::SyntheticBankFolder synthetic(bench::fiftyThousandQuestions);
    if (!synthetic.isOpen() || !growTo(synthetic.bank(), size))
        return 1;
    BankConnection &bank = synthetic.bank();
    const QString bankPath = synthetic.bankPath();
    std::printf("bank of %d questions, %.1f MiB\n", synthetic.questions(),
                double(QFileInfo(bankPath).size()) / mebibyte);

    const QString backupPath =
        QDir(synthetic.folder()).filePath(QStringLiteral("数据备份.mdb.bak"));
    QList<double> backups, backupStalls, restores, restoreStalls;
    for (int i = 0; i < runs; ++i) {
        StallWatch backupWatch;
        QElapsedTimer clock;
        clock.start();
        bool written = false;
        runOnWorkerThread([&] { written = BankBackup::write(bankPath, backupPath); });
        if (!written)
            return 1;
        backups << double(clock.elapsed());
        backupStalls << backupWatch.longestMs();

        StallWatch restoreWatch;
        clock.restart();
        BankRestore restore(backupPath, bankPath);
        BankRestore::Outcome outcome = BankRestore::Outcome::Failed;
        runOnWorkerThread([&] { outcome = restore.stage(); });
        if (outcome != BankRestore::Outcome::Staged ||
            restore.install(bank) != BankRestore::Outcome::Restored)
            return 1;
        restores << double(clock.elapsed());
        restoreStalls << restoreWatch.longestMs();
    }
    bench::report("backup of the open bank (median)", bench::median(backups), "ms");
    bench::report("  longest stall of the window thread (median)", bench::median(backupStalls),
                  "ms");
    bench::report("restore: copy, check, replace, reopen (median)", bench::median(restores), "ms");
    bench::report("  longest stall of the window thread (median)", bench::median(restoreStalls),
                  "ms");
    return 0;
}
