// Times the program's cold start as a learner meets it: a new process, from
// exec to its first chapter page laid out, then the memory of the program
// and its page processes. Once over the demo bank, once over a bank whose
// first chapter holds 2,000 questions. Medians of several starts.
#include "BenchSupport.h"
#include "SyntheticBank.h"
#include "store/BankFile.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

using namespace velkora;

namespace {

constexpr int starts = 5;
constexpr int patienceMs = 60000;

struct Start {
    double laidOutMs = -1;
    double memoryMiB = 0;
};

bool copyFolder(const QString &from, const QString &to) {
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        if (!QFile::copy(source, target))
            return false;
        QFile::setPermissions(target, QFile::permissions(source));
    }
    return true;
}

// Starts the program in `folder` and waits for the log line of its first
// page; the program is ended afterwards.
Start timeStart(const QString &folder, const QString &home) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"),
                       QStringLiteral("velkora.page.info=true"));
    environment.insert(QStringLiteral("HOME"), home);
    program.setProcessEnvironment(environment);
    program.setProgram(QDir(folder).filePath(QStringLiteral("velkora")));

    Start start;
    QEventLoop loop;
    QElapsedTimer clock;
    QByteArray log;
    QObject::connect(&program, &QProcess::readyReadStandardError, &loop, [&] {
        log += program.readAllStandardError();
        if (start.laidOutMs < 0 && log.contains("laid out in")) {
            start.laidOutMs = clock.nsecsElapsed() / 1e6;
            start.memoryMiB = bench::familyMemoryKiB(program.processId()) / 1024.0;
            loop.quit();
        }
    });
    QObject::connect(&program, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(patienceMs, &loop, &QEventLoop::quit);
    clock.start();
    program.start();
    loop.exec();
    if (start.laidOutMs < 0)
        std::fprintf(stderr, "no page within %d ms:\n%s\n", patienceMs, log.constData());
    program.kill();
    program.waitForFinished();
    return start;
}

void report(const char *title, const QString &folder) {
    const QTemporaryDir home;
    timeStart(folder, home.path()); // the first start fills the disk cache
    QList<double> times, memory;
    for (int i = 0; i < starts; ++i) {
        const Start start = timeStart(folder, home.path());
        times << start.laidOutMs;
        memory << start.memoryMiB;
    }
    std::printf("\n%s, median of %d starts\n", title, starts);
    bench::report("exec to the first chapter page laid out", bench::median(times), "ms");
    bench::report("memory of all processes (PSS) then", bench::median(memory), "MiB");
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QString programDir = QStringLiteral(VELKORA_PROGRAM_DIR);

    const QTemporaryDir demo;
    if (!copyFolder(programDir, demo.path())) {
        std::fprintf(stderr, "could not copy the program folder\n");
        return 1;
    }
    report("demo bank", demo.path());

    const QTemporaryDir large;
    copyFolder(programDir, large.path());
    const QString bank = QDir(large.path()).filePath(QStringLiteral("Data/med.mdb"));
    QFile::remove(bank);
    writeBankFile(bank, [](BankWriter &writer) { writeSyntheticBank(writer, {1, 1, 1, 2000}); });
    report("bank whose first chapter has 2000 questions", large.path());
    return 0;
}
