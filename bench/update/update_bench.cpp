// Times the updater's work on a bank of 50,000 questions whose learner has
// 2,000 favourites and 5,000 logged answers: staging the new bank (copy and
// check, while the program may still run) and installing it (carrying the
// records, checking, replacing), and the carrying of the records alone.
//
//   velkora_update_bench
#include "BenchSupport.h"
#include "SyntheticBankFolder.h"
#include "base/ProgramFolder.h"
#include "store/ScopedDatabase.h"
#include "store/Sql.h"
#include "store/StoreError.h"
#include "store/StudyLog.h"
#include "update/BankHandover.h"
#include "update/RecordCarrier.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

using namespace velkora;

namespace {

constexpr int runs = 3;
constexpr int favourites = 2000;
constexpr int loggedAnswers = 5000;

// Spreads the learner's favourites and answers over the whole bank.
void addLearnersRecords(const QSqlDatabase &db, int questions) {
    sql::inTransaction(db, [&] {
        const int favouriteStep = questions / favourites;
        sql::run(db, QStringLiteral("UPDATE question SET scbt = '1', ct = '1' WHERE id % %1 = 0")
                         .arg(favouriteStep));
        StudyLog log(db);
        log.createTables();
        PracticeRecord practice{1, {}};
        const int answerStep = questions / loggedAnswers;
        for (int i = 1; i <= loggedAnswers; ++i)
            practice.answers.append({RowId(i) * answerStep, i % 3 != 0});
        log.recordPractice(practice);
    });
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    bench::SyntheticBankFolder learners(bench::fiftyThousandQuestions);
    bench::SyntheticBankFolder published(bench::fiftyThousandQuestions);
    if (!learners.isOpen() || !published.isOpen())
        return 1;
    try {
        addLearnersRecords(learners.bank().database(), learners.questions());
    } catch (const StoreError &error) {
        std::fprintf(stderr, "records not added: %s\n", qPrintable(error.message()));
        return 1;
    }
    learners.bank().close();
    published.bank().close();
    std::printf("bank of %d questions, %d favourites, %d logged answers\n", learners.questions(),
                favourites, loggedAnswers);

    const ProgramFolder folder(learners.folder());
    QList<double> stages, installs, carries;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        BankHandover handover(folder);
        if (handover.stage(published.bankPath()) != BankHandover::Outcome::Staged)
            return 1;
        stages << double(clock.restart());
        if (handover.install(QDate(2026, 12, 1)) != BankHandover::Outcome::Installed) {
            std::fprintf(stderr, "%s\n", qPrintable(handover.problem()));
            return 1;
        }
        installs << double(clock.elapsed());
    }
    const QString copy = published.folder() + QStringLiteral("/copy.mdb");
    for (int i = 0; i < runs; ++i) {
        QFile::remove(copy);
        QFile::copy(published.bankPath(), copy);
        const ScopedDatabase into(QStringLiteral("QSQLITE"), copy);
        if (!into.database().open())
            return 1;
        QElapsedTimer clock;
        clock.start();
        RecordCarrier::carry(into.database(), learners.bankPath());
        carries << double(clock.elapsed());
    }
    bench::report("stage: copy and check the new bank (median)", bench::median(stages), "ms");
    bench::report("install: carry, check, replace, reopen (median)", bench::median(installs), "ms");
    bench::report("  of which carrying the records (median)", bench::median(carries), "ms");
    return 0;
}
