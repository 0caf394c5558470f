// Times what the learner waits for when a chapter is opened: from the
// command to the page laid out in the renderer and to its first paint of
// questions, for chapters of 200, 2,000 and 5,000 mixed questions. Every
// build starts with the previous page settled. A reference build that makes
// one script call and wait per fragment is timed the same way.
#include "BenchSupport.h"
#include "PageTiming.h"
#include "SyntheticChapter.h"
#include "browse/ChapterPage.h"
#include "page/PagePresenter.h"
#include "page/WebPageView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>

using namespace velkora;

namespace {

struct Build {
    double laidOut = 0;    // command to the whole page laid out
    double firstPaint = 0; // command to the first paint of questions
};

struct Figures {
    QList<double> laidOut, firstPaint;
    void add(const Build &build) {
        laidOut << build.laidOut;
        firstPaint << build.firstPaint;
    }
};

Build timeBuild(WebPageView &view, const std::function<void()> &show) {
    bench::settle();
    const qint64 commandAt = bench::nowMs();
    QElapsedTimer clock;
    clock.start();
    show();
    bench::layOut(view);
    Build build;
    build.laidOut = clock.nsecsElapsed() / 1e6;
    build.firstPaint = bench::firstContentfulPaint(view, commandAt);
    return build;
}

// One script call, one parser run and one wait per fragment.
void showOneByOne(WebPageView &view, const QString &templatePath, const QStringList &fragments) {
    view.load(templatePath);
    view.setTextZoom(1);
    for (const QString &fragment : fragments) {
        const QByteArray text = QJsonDocument(QJsonArray{fragment}).toJson(QJsonDocument::Compact);
        view.evaluate(QStringLiteral("document.body.insertAdjacentHTML('beforeend',%1[0])")
                          .arg(QString::fromUtf8(text)));
    }
}

ChapterPage compose(const bench::SyntheticChapter &chapter) {
    NumberingState numbering;
    return composeChapterPage(BankQueries(chapter.bank().database()), chapter.chapterId(),
                              ViewMode::ChapterPractice, numbering);
}

} // namespace

int main(int argc, char *argv[]) {
    bench::useOffscreenPageView();
    QApplication app(argc, argv);

    WebPageView view;
    view.resize(1000, 700);
    view.show();

    for (const int questions : {200, 2000, 5000}) {
        const bench::SyntheticChapter chapter(questions);
        PagePresenter presenter(view, chapter.templatePath());
        const int runs = questions == 200 ? 7 : questions == 2000 ? 5 : 3;
        Figures program, reference;
        QList<double> composing;
        int fragments = 0;
        for (int i = 0; i < runs; ++i) {
            program.add(timeBuild(view, [&] {
                QElapsedTimer clock;
                clock.start();
                const ChapterPage page = compose(chapter);
                composing << clock.nsecsElapsed() / 1e6;
                fragments = int(page.fragments.size());
                presenter.show(page.fragments);
            }));
            if (questions == 200) {
                reference.add(timeBuild(view, [&] {
                    showOneByOne(view, chapter.templatePath(), compose(chapter).fragments);
                }));
            }
        }
        // Memory with the page shown, once the builds' garbage had its time.
        program.add(timeBuild(view, [&] { presenter.show(compose(chapter).fragments); }));
        bench::settle(1000);
        const long memory = bench::familyMemoryKiB();
        std::printf("\nchapter of %d questions, %d fragments, median of %d builds\n", questions,
                    fragments, runs);
        bench::report("composing the page (queries and markup)", bench::median(composing), "ms");
        bench::report("command to the first paint of questions", bench::median(program.firstPaint),
                      "ms");
        bench::report("command to the whole page laid out", bench::median(program.laidOut), "ms");
        if (!reference.laidOut.isEmpty()) {
            bench::report("reference, one call per fragment: laid out",
                          bench::median(reference.laidOut), "ms");
            bench::report("ratio reference / program",
                          bench::median(reference.laidOut) / bench::median(program.laidOut), "x");
        }
        bench::report("memory of all processes (PSS) with that page", memory / 1024.0, "MiB");
    }
    return 0;
}
