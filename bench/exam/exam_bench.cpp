// Times the exam on a synthetic bank of 50,000 questions of every kind:
// the paper assembly with counts 50/50/20/20, once with one commit per
// re-tagged question and per paper row, once as the program does it (one
// transaction); the time from opening the exam window to its first entry
// on the page (without the wait box's pause and the message boxes); and,
// on a paper of 200 rows, the step to the next entry and the submission.
#include "BenchSupport.h"
#include "SyntheticBank.h"
#include "app/Messages.h"
#include "exam/ExamCountdown.h"
#include "exam/ExamWindow.h"
#include "exam/PaperAssembly.h"
#include "exam/RandomSource.h"
#include "store/BankConnection.h"
#include "store/BankWriter.h"
#include "store/Sql.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

using namespace velkora;

namespace {

constexpr int assemblyRuns = 7;
constexpr int windowRuns = 5;
constexpr int steps = 40;

class SilentMessages : public Messages {
public:
    void show(const QString &, const QString &) override {}
    bool ask(const QString &, const QString &, Choice) override { return true; }
};

class IdleTicker : public Ticker {
public:
    void start() override {}
    void stop() override {}
};

// A program folder with the page template and a synthetic bank.
class BenchFolder {
public:
    explicit BenchFolder(const SyntheticBankSize &size) {
        QFile::copy(QStringLiteral(VELKORA_PROGRAM_DIR "/yk.html"), m_dir.filePath("yk.html"));
        QDir(m_dir.path()).mkpath("Data");
        const QString path = m_dir.filePath("Data/med.mdb");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "bench-make");
            db.setDatabaseName(path);
            db.open();
            sql::inTransaction(db, [&] {
                BankWriter writer(db);
                writeSyntheticBank(writer, size);
            });
            db.close();
        }
        QSqlDatabase::removeDatabase("bench-make");
        m_bank = std::make_unique<BankConnection>(path, "bench");
        m_bank->open();
    }

    QString dir() const { return m_dir.path(); }
    BankConnection &bank() const { return *m_bank; }
    QSqlDatabase db() const { return m_bank->database(); }
    void setCounts(const QList<int> &counts) const {
        sql::inTransaction(db(), [&] {
            BankWriter(db(), BankWriter::Schema::Existing).setExamSettings(counts, counts[0]);
        });
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<BankConnection> m_bank;
};

// Re-tags question by question, each update its own commit, then writes
// the paper row by row, each insert its own commit.
int assembleRowByRow(const QSqlDatabase &db, RandomSource &random) {
    for (ExamClass kind : examClasses) {
        for (int typeId : examTypeIds(kind)) {
            QSqlQuery groups =
                sql::run(db, "SELECT id FROM readtext WHERE qtypeid=? ORDER BY rowid", {typeId});
            QList<qint64> groupIds;
            while (groups.next())
                groupIds << groups.value(0).toLongLong();
            for (qint64 group : groupIds) {
                QSqlQuery questions =
                    sql::run(db, "SELECT id FROM question WHERE readtextid=?", {group});
                QList<qint64> ids;
                while (questions.next())
                    ids << questions.value(0).toLongLong();
                for (qint64 id : ids)
                    sql::run(db, "UPDATE question SET lx=? WHERE id=?", {lxCode(kind), id});
            }
        }
    }
    const QList<PaperRow> rows = PaperDraw(db, random).draw(readExamCounts(db));
    replacePaper(db, rows); // outside a transaction: one commit per statement
    return int(rows.size());
}

QString scalar(const QSqlDatabase &db, const QString &query) {
    QSqlQuery q = sql::run(db, query);
    return q.next() ? q.value(0).toString() : QString();
}

double millisecondsOf(const std::function<void()> &work) {
    QElapsedTimer clock;
    clock.start();
    work();
    return clock.nsecsElapsed() / 1e6;
}

std::unique_ptr<ExamWindow> openExam(const BenchFolder &folder, RandomSource &random,
                                     Messages &messages) {
    ExamWindow::Setup setup;
    setup.pause = [](int) {};
    auto window = std::make_unique<ExamWindow>(folder.bank(), messages, ProgramFolder(folder.dir()),
                                               random, new IdleTicker, setup);
    window->show();
    window->formActivate();
    return window;
}

} // namespace

int main(int argc, char *argv[]) {
    bench::useOffscreenPageView();
    QApplication app(argc, argv);
    const int rowByRowRuns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    SeededRandom random(2024);
    SilentMessages messages;

    const BenchFolder large({5, 5, 4, 500});
    large.setCounts({50, 50, 20, 20});
    std::printf("bank: %s questions, paper counts 50/50/20/20\n",
                qPrintable(scalar(large.db(), "SELECT count(*) FROM question")));

    QList<double> rowByRow, oneTransaction, firstEntry;
    int rows = 0;
    for (int i = 0; i < rowByRowRuns; ++i)
        rowByRow << millisecondsOf([&] { rows = assembleRowByRow(large.db(), random); });
    for (int i = 0; i < assemblyRuns; ++i)
        oneTransaction << millisecondsOf([&] { PaperAssembly(large.db(), random).assemble(); });
    const double a = bench::median(rowByRow), b = bench::median(oneTransaction);
    std::printf("paper rows drawn: %d\n", rows);
    bench::report("assembly, one commit per row (median)", a, "ms");
    bench::report("assembly, one transaction (median)", b, "ms");
    bench::report("ratio", a / b, "x");

    for (int i = 0; i < windowRuns; ++i) {
        std::unique_ptr<ExamWindow> window;
        firstEntry << millisecondsOf([&] { window = openExam(large, random, messages); });
    }
    bench::report("exam window opened to first entry shown (median)", bench::median(firstEntry),
                  "ms");

    // A paper of 200 rows: 100 single, 60 multiple, 5 cases of 4, 20 matching.
    large.setCounts({100, 60, 5, 20});
    std::unique_ptr<ExamWindow> window = openExam(large, random, messages);
    std::printf("paper rows for steps and submission: %s\n",
                qPrintable(scalar(large.db(), "SELECT count(*) FROM sj")));
    QAction *next = window->findChild<QAction *>("BitBtn2");
    QList<double> stepTimes;
    for (int i = 0; i < steps; ++i)
        stepTimes << millisecondsOf([&] { next->trigger(); });
    bench::report("step to the next entry (median)", bench::median(stepTimes), "ms");
    QAction *submit = window->findChild<QAction *>("BitBtn5");
    bench::report("submission of 200 rows", millisecondsOf([&] { submit->trigger(); }), "ms");
    bench::report("peak memory", bench::peakMemoryKiB() / 1024.0, "MiB");
    return 0;
}
