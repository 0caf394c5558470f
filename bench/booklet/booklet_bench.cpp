// Times a booklet of 200 and of 1,000 mixed questions: reading them from the
// bank, composing the document, and printing it to PDF on the off-screen
// page (loading and laying out included).
#include "BenchSupport.h"
#include "SyntheticBankFolder.h"
#include "booklet/BookletComposer.h"
#include "booklet/BookletContent.h"
#include "booklet/BookletPrinter.h"
#include "store/BankConnection.h"
#include "store/BankQueries.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryFile>

using namespace velkora;

namespace {

constexpr int runs = 3;

struct Timing {
    double readMs = 0;
    double composeMs = 0;
    double printMs = 0;
    qsizetype pdfBytes = 0;
    int printed = 0; // chosen questions and the rest of their groups
};

// Prints the document; the PDF's size, or -1 when it failed.
qsizetype print(const QString &html) {
    QTemporaryFile document(QDir(QDir::tempPath()).filePath("booklet-bench-XXXXXX.html"));
    if (!document.open() || document.write(html.toUtf8()) < 0 || !document.flush())
        return -1;
    BookletPrinter printer;
    QEventLoop loop;
    qsizetype size = -1;
    QObject::connect(&printer, &BookletPrinter::printed, &loop, [&](const QByteArray &pdf) {
        size = pdf.size();
        loop.quit();
    });
    QObject::connect(&printer, &BookletPrinter::failed, &loop, &QEventLoop::quit);
    printer.print(QUrl::fromLocalFile(document.fileName()));
    loop.exec();
    return size;
}

Timing timeBooklet(const BankQueries &queries, const QList<RowId> &ids, const QString &folder) {
    Timing timing;
    QElapsedTimer clock;
    clock.start();
    const BookletContent content = readBookletContent(queries, ids);
    timing.readMs = clock.nsecsElapsed() / 1e6;
    timing.printed = content.questionCount();
    clock.restart();
    const QString html = BookletComposer({QStringLiteral("职业病"), QStringLiteral("错题题库"),
                                          QDate::currentDate()},
                                         AnswerPlacement::AtEnd, QUrl::fromLocalFile(folder))
                             .compose(content);
    timing.composeMs = clock.nsecsElapsed() / 1e6;
    clock.restart();
    timing.pdfBytes = print(html);
    timing.printMs = clock.nsecsElapsed() / 1e6;
    return timing;
}

} // namespace

int main(int argc, char *argv[]) {
    bench::useOffscreenPageView();
    QApplication app(argc, argv);
    bench::SyntheticBankFolder synthetic({1, 2, 3, 200});
    if (!synthetic.isOpen())
        return 1;
    BankConnection &bank = synthetic.bank();
    const BankQueries queries(bank.database());
    const QList<RowId> all = viewQuestions(queries, ViewMode::ChapterPractice);

    for (int count : {200, 1000}) {
        // The first questions in tree order; the last group comes out whole.
        const QList<RowId> ids = all.mid(0, count);
        QList<double> reads, composes, prints;
        Timing last;
        for (int run = 0; run < runs; ++run) {
            last = timeBooklet(queries, ids, synthetic.folder() + QLatin1Char('/'));
            if (last.pdfBytes < 0) {
                std::fprintf(stderr, "booklet of %d questions not printed\n", count);
                return 1;
            }
            reads << last.readMs;
            composes << last.composeMs;
            prints << last.printMs;
        }
        std::printf("booklet of %d chosen questions (%d printed): read %.0f ms, compose %.1f ms, "
                    "print to PDF %.0f ms (median of %d); PDF %.1f MiB\n",
                    count, last.printed, bench::median(reads), bench::median(composes),
                    bench::median(prints), runs, last.pdfBytes / 1048576.0);
    }
    return 0;
}
