// Builds a question bank file: the demo bank from its source, or a
// synthetic bank of a given size. The file is written beside the target and
// renamed over it only when complete.
#include "DemoBankImport.h"
#include "SyntheticBank.h"
#include "store/BankFile.h"
#include "store/BankWriter.h"
#include "store/Sql.h"
#include "store/StoreError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <cstdio>

using namespace velkora;

namespace {

int usage() {
    std::fputs("usage: velkora_bankgen demo SOURCE_DIR OUT.mdb\n"
               "       velkora_bankgen synthetic PARTS SECTIONS CHAPTERS QUESTIONS OUT.mdb\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const bool demo = args.size() == 3 && args[0] == QLatin1String("demo");
    const bool synthetic = args.size() == 6 && args[0] == QLatin1String("synthetic");
    if (!demo && !synthetic)
        return usage();

    const QString target = QFileInfo(args.last()).absoluteFilePath();
    QDir().mkpath(QFileInfo(target).absolutePath());
    const QString partial = target + QStringLiteral(".partial");
    QFile::remove(partial);
    QString problem;
    try {
        writeBankFile(partial, [&](BankWriter &writer) {
            if (demo) {
                problem = importBankSource(args[1], writer);
            } else {
                writeSyntheticBank(
                    writer, {args[1].toInt(), args[2].toInt(), args[3].toInt(), args[4].toInt()});
            }
        });
    } catch (const StoreError &error) {
        problem = error.message();
    }
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "bank not written: %s\n", qPrintable(problem));
        QFile::remove(partial);
        return 1;
    }
    QFile::remove(target);
    if (!QFile::rename(partial, target)) {
        std::fprintf(stderr, "cannot move %s into place\n", qPrintable(partial));
        return 1;
    }
    return 0;
}
