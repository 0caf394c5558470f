// Times a chapter page of 200 mixed questions from click to complete page:
// once appended fragment by fragment with a round trip to the page for each
// (the way a page built through single appends and waits behaves), once
// through the batched presenter the program uses. Also times start-up to
// the first chapter page of the demo bank and reports peak memory.
#include "BenchSupport.h"
#include "SyntheticBank.h"
#include "SyntheticChapter.h"
#include "base/Messages.h"
#include "base/ProgramFolder.h"
#include "browse/ChapterPage.h"
#include "browse/MainWindow.h"
#include "page/PagePresenter.h"
#include "page/WebPageView.h"
#include "store/BankConnection.h"
#include "store/BankQueries.h"
#include "store/BankWriter.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QTemporaryDir>

using namespace velkora;

namespace {

constexpr int runs = 7;

class SilentMessages : public Messages {
public:
    void show(const QString &, const QString &) override {}
    bool ask(const QString &, const QString &, Choice) override { return true; }
};

// One script call and one wait per fragment.
double buildOneByOne(WebPageView &view, const QString &templatePath, const QStringList &fragments) {
    QElapsedTimer clock;
    clock.start();
    view.load(templatePath);
    for (const QString &fragment : fragments)
        view.appendHtml({fragment});
    view.setTextZoom(1);
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[]) {
    bench::useOffscreenPageView();
    QApplication app(argc, argv);
    const QString programDir = QStringLiteral(VELKORA_PROGRAM_DIR);

    const bench::SyntheticChapter chapter;
    const BankQueries queries(chapter.bank().database());
    const RowId chapterId = chapter.chapterId();
    const QString templatePath = chapter.templatePath();

    WebPageView view;
    view.resize(1000, 700);
    view.show();
    PagePresenter presenter(view, templatePath);

    QList<double> oneByOne, batched;
    int fragmentCount = 0;
    for (int i = 0; i < runs; ++i) {
        NumberingState numbering;
        QElapsedTimer clock;
        clock.start();
        const ChapterPage page =
            composeChapterPage(queries, chapterId, ViewMode::ChapterPractice, numbering);
        presenter.show(page.fragments);
        batched << clock.nsecsElapsed() / 1e6;
        fragmentCount = int(page.fragments.size());

        NumberingState again;
        const ChapterPage slow =
            composeChapterPage(queries, chapterId, ViewMode::ChapterPractice, again);
        oneByOne << buildOneByOne(view, templatePath, slow.fragments);
    }
    std::printf("chapter of 200 questions, %d fragments, median of %d builds\n", fragmentCount,
                runs);
    bench::report("(a) one script call and wait per fragment", bench::median(oneByOne), "ms");
    bench::report("(b) batched build, click to complete page", bench::median(batched), "ms");
    bench::report("ratio (a) / (b)", bench::median(oneByOne) / bench::median(batched), "x");

    // A large real chapter: 2,000 questions, still fragment by fragment.
    {
        const bench::SyntheticChapter large(2000);
        const BankQueries largeQueries(large.bank().database());
        QList<double> builds;
        long memory = 0;
        int largeFragments = 0;
        for (int i = 0; i < 3; ++i) {
            NumberingState numbering;
            QElapsedTimer clock;
            clock.start();
            const ChapterPage page = composeChapterPage(largeQueries, large.chapterId(),
                                                        ViewMode::ChapterPractice, numbering);
            presenter.show(page.fragments);
            builds << clock.nsecsElapsed() / 1e6;
            largeFragments = int(page.fragments.size());
            memory = qMax(memory, bench::familyMemoryKiB());
        }
        std::printf("chapter of 2000 questions, %d fragments, median of 3 builds\n",
                    largeFragments);
        bench::report("batched build of 2000 questions, click to complete page",
                      bench::median(builds), "ms");
        bench::report("memory of all processes (PSS) with that page", memory / 1024.0, "MiB");
    }

    // Start-up over the demo bank: window made, tree filled, first page complete.
    const ProgramFolder demo(programDir);
    BankConnection demoBank(demo.bankPath(), "bench-demo");
    SilentMessages messages;
    QElapsedTimer clock;
    clock.start();
    MainWindow window(demo, demoBank, messages);
    window.start();
    bench::report("start-up to first chapter page complete (demo bank)", clock.nsecsElapsed() / 1e6,
                  "ms");
    bench::report("peak resident memory of this process", bench::peakMemoryKiB() / 1024.0, "MiB");
    return 0;
}
