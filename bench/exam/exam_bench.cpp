// Times the exam on a synthetic bank of 50,000 questions of every kind:
// the paper assembly with counts 50/50/20/20, once with one commit per
// re-tagged question and per paper row, once as the program does it (one
// transaction), the latter also on banks of 200,000 questions and of the
// size given as the second argument (e.g. 500000); the time from opening
// the exam window to its first entry
// on the page (without the wait box's pause and the message boxes); and,
// on a paper of 200 rows, the step to the next entry and the submission,
// each also done with one store query or page call per option, per row and
// per answer-sheet button lookup.
#include "BenchSupport.h"
#include "SyntheticBank.h"
#include "base/Messages.h"
#include "exam/paper/PaperAssembly.h"
#include "exam/paper/RandomSource.h"
#include "exam/session/ExamCountdown.h"
#include "exam/session/PaperScoring.h"
#include "exam/windows/AnswerSheetBox.h"
#include "exam/windows/ExamWindow.h"
#include "page/WebPageView.h"
#include "store/BankConnection.h"
#include "store/BankFile.h"
#include "store/BankWriter.h"
#include "store/Sql.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <algorithm>
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
        writeBankFile(path, [&](BankWriter &writer) { writeSyntheticBank(writer, size); });
        m_bank = std::make_unique<BankConnection>(path, "bench-" + m_dir.path());
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

// A bank of `questions` in chapters of 500: 5 parts of 5 sections.
SyntheticBankSize bankOf(int questions) {
    return {5, 5, std::max(1, questions / (25 * 500)), 500};
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

struct AssemblyTimes {
    double first = 0; // on the bank as written, no question tagged yet
    double median = 0;
    int rows = 0;
};

// Assemblies as the program does them; before each but the first, the
// matching items of the paper get choices, as an exam taken leaves them.
AssemblyTimes timeAssembly(const BenchFolder &folder, RandomSource &random) {
    AssemblyTimes times;
    QList<double> later;
    const auto assemble = [&] {
        return millisecondsOf(
            [&] { times.rows = int(PaperAssembly(folder.db(), random).assemble().rows.size()); });
    };
    times.first = assemble();
    for (int i = 0; i < assemblyRuns; ++i) {
        sql::run(folder.db(), "UPDATE question SET lx='B' WHERE readtextid IN "
                              "(SELECT tgid FROM sj WHERE lx='a4')");
        later << assemble();
    }
    times.median = bench::median(later);
    return times;
}

AssemblyTimes reportAssembly(const BenchFolder &folder, RandomSource &random) {
    folder.setCounts({50, 50, 20, 20});
    const AssemblyTimes times = timeAssembly(folder, random);
    const QString bank = scalar(folder.db(), "SELECT count(*) FROM question");
    std::printf("bank of %s questions, paper counts 50/50/20/20: %d paper rows\n", qPrintable(bank),
                times.rows);
    bench::report("  first assembly, every question tagged anew", times.first, "ms");
    bench::report("  assembly, one transaction (median)", times.median, "ms");
    return times;
}

// The answer-sheet button found by walking the window's children.
void colourByLookup(ExamWindow &window, const QString &tid, SheetColour colour) {
    if (window.findChild<QPushButton *>(sheetButtonName(tid)))
        window.findChild<AnswerSheetBox *>("ScrollBox1")->setColour({sheetButtonName(tid), colour});
}

bool kindHasRow(const QSqlDatabase &db, const QString &lx, bool answered) {
    QSqlQuery q = sql::run(db, "SELECT tjda FROM sj WHERE lx=?", {lx});
    while (q.next()) {
        if (q.value(0).toString().isEmpty() != answered)
            return true;
    }
    return false;
}

// Next from the single-choice entry `tid`: saves by one page call per
// option, checks the kind by walking rows, renders with one page call per
// fragment and per preselected option. Returns the new position.
QString stepWithRoundTrips(ExamWindow &window, const QSqlDatabase &db, const QString &templatePath,
                           const QString &tid) {
    WebPageView &view = *window.findChild<WebPageView *>("WebBrowser1");
    scalar(db, "SELECT count(*) FROM sj WHERE tjda<>''");
    QSqlQuery row = sql::run(db, "SELECT lx, tgid FROM sj WHERE tid=?", {tid});
    row.next();
    const QString lx = row.value(0).toString();
    QString letters;
    QSqlQuery options = sql::run(db, "SELECT id, code FROM opinion WHERE questionid=?",
                                 {row.value(1).toLongLong()});
    while (options.next()) {
        if (view.evaluate(QString("document.getElementById('%1').checked")
                              .arg(options.value(0).toString()))
                .toBool())
            letters += options.value(1).toString();
    }
    if (!letters.isEmpty())
        sql::run(db, "UPDATE sj SET tjda=? WHERE tid=?", {letters, tid});
    colourByLookup(window, tid, letters.isEmpty() ? SheetColour::ActiveBorder : SheetColour::Blue);
    kindHasRow(db, lx, false);

    QString target = tid;
    QSqlQuery walk = sql::run(db, "SELECT tid FROM sj ORDER BY rowid");
    while (walk.next()) {
        if (walk.value(0).toString() == tid) {
            if (walk.next())
                target = walk.value(0).toString();
            break;
        }
    }
    QSqlQuery next = sql::run(db, "SELECT lx, tgid, tg, tjda FROM sj WHERE tid=?", {target});
    next.next();
    kindHasRow(db, next.value(0).toString(), true);
    colourByLookup(window, target, SheetColour::Red);

    view.load(templatePath);
    view.appendHtml({"<br>" + target + "." + next.value(2).toString() + "<br>"});
    QSqlQuery targetOptions =
        sql::run(db, "SELECT id, questionid, code, content FROM opinion WHERE questionid=?",
                 {next.value(1).toLongLong()});
    while (targetOptions.next()) {
        const QString id = targetOptions.value(0).toString();
        view.appendHtml({"<br>"});
        view.appendHtml({" <input type=\"radio\" id=\"" + id + "\"  name=\"" +
                         targetOptions.value(1).toString() + "\" value=\"" +
                         targetOptions.value(2).toString() + "\">" +
                         targetOptions.value(2).toString() + ":" +
                         targetOptions.value(3).toString() + "<br>"});
        view.appendHtml({"<br>"});
        if (next.value(3).toString().contains(targetOptions.value(2).toString()))
            view.evaluate(QString("document.getElementById('%1').checked=true").arg(id));
    }
    return target;
}

// Grades row by row, one query per matching group and one button lookup
// per row, then shows the result page.
void submitWithRoundTrips(ExamWindow &window, const QSqlDatabase &db, const QString &templatePath) {
    PaperGrade grade;
    QSqlQuery rows = sql::run(db, "SELECT tid, lx, tgid, da, tjda FROM sj");
    while (rows.next()) {
        const QString tid = rows.value(0).toString();
        const std::optional<ExamClass> kind = examClassOfLx(rows.value(1).toString());
        if (!kind)
            continue;
        KindScore &score = grade.byKind[static_cast<int>(*kind)];
        if (*kind != ExamClass::Matching) {
            const bool right = rows.value(3).toString() == rows.value(4).toString();
            ++(right ? score.right : score.wrong);
            colourByLookup(window, tid, right ? SheetColour::Blue : SheetColour::Red);
            continue;
        }
        colourByLookup(window, tid, SheetColour::Blue);
        QSqlQuery items = sql::run(db, "SELECT answer, lx FROM question WHERE readtextid=?",
                                   {rows.value(2).toLongLong()});
        while (items.next()) {
            const bool right = items.value(0).toString() == items.value(1).toString();
            ++(right ? score.right : score.wrong);
            if (!right)
                colourByLookup(window, tid, SheetColour::Red);
        }
    }
    WebPageView &view = *window.findChild<WebPageView *>("WebBrowser1");
    view.load(templatePath);
    view.appendHtml({resultPageFragment(grade)});
}

std::unique_ptr<ExamWindow> openExam(const BenchFolder &folder, RandomSource &random,
                                     Messages &messages) {
    ExamWindow::Setup setup;
    setup.pause = [](int) {};
    auto window = std::make_unique<ExamWindow>(folder.bank(), messages, ProgramFolder(folder.dir()),
                                               random, new IdleTicker, setup);
    window->show();
    window->drawPaperOnce();
    return window;
}

} // namespace

int main(int argc, char *argv[]) {
    bench::useOffscreenPageView();
    QApplication app(argc, argv);
    // The row-by-row assembly takes minutes on this bank; 0 runs leave it out.
    const int rowByRowRuns = argc > 1 ? std::max(0, std::atoi(argv[1])) : 1;
    const int extraBank = argc > 2 ? std::atoi(argv[2]) : 0;
    SeededRandom random(2024);
    SilentMessages messages;

    const BenchFolder large(bankOf(50000));
    const double oneTransaction = reportAssembly(large, random).median;
    QList<int> largerBanks = {200000};
    if (extraBank > 0)
        largerBanks << extraBank;
    for (int size : largerBanks)
        reportAssembly(BenchFolder(bankOf(size)), random);

    QList<double> rowByRow, firstEntry;
    for (int i = 0; i < rowByRowRuns; ++i)
        rowByRow << millisecondsOf([&] { assembleRowByRow(large.db(), random); });
    if (!rowByRow.isEmpty()) {
        bench::report("assembly, one commit per row (median)", bench::median(rowByRow), "ms");
        bench::report("ratio to one transaction", bench::median(rowByRow) / oneTransaction, "x");
    }

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
    QList<double> stepTimes, roundTripSteps;
    for (int i = 0; i < steps; ++i)
        stepTimes << millisecondsOf([&] { next->trigger(); });
    const QString templatePath = ProgramFolder(large.dir()).templatePath();
    QString position = QString::number(1 + steps); // where the steps above ended
    for (int i = 0; i < steps; ++i)                // still within single choice
        roundTripSteps << millisecondsOf(
            [&] { position = stepWithRoundTrips(*window, large.db(), templatePath, position); });
    const double step = bench::median(stepTimes), roundTripStep = bench::median(roundTripSteps);
    bench::report("step, round trip per option and button (median)", roundTripStep, "ms");
    bench::report("step to the next entry (median)", step, "ms");
    bench::report("ratio", roundTripStep / step, "x");

    const double roundTripSubmission =
        millisecondsOf([&] { submitWithRoundTrips(*window, large.db(), templatePath); });
    QAction *submit = window->findChild<QAction *>("BitBtn5");
    const double submission = millisecondsOf([&] { submit->trigger(); });
    bench::report("submission, query per group and lookup per button", roundTripSubmission, "ms");
    bench::report("submission of 200 rows", submission, "ms");
    bench::report("ratio", roundTripSubmission / submission, "x");
    bench::report("peak memory", bench::peakMemoryKiB() / 1024.0, "MiB");
    return 0;
}
