// Times the search of a 50,000-question bank: building its index, the check
// that finds an index current, queries from the typed text to the SQL
// result, and to the complete results page in the real page view; and
// reading all hits of a search, as a booklet of it does.
#include "BenchSupport.h"
#include "SyntheticBankFolder.h"
#include "page/PagePresenter.h"
#include "page/WebPageView.h"
#include "search/BankSearch.h"
#include "search/SearchIndex.h"
#include "search/SearchResultsPage.h"
#include "store/BankConnection.h"
#include "store/BankQueries.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

using namespace velkora;

namespace {

constexpr int runs = 9;

double msSince(const QElapsedTimer &clock) {
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[]) {
    bench::useOffscreenPageView();
    QApplication app(argc, argv);
    bench::SyntheticBankFolder synthetic(bench::fiftyThousandQuestions);
    if (!synthetic.isOpen())
        return 1;
    BankConnection &bank = synthetic.bank();
    const QString bankPath = synthetic.bankPath();
    const int questions = synthetic.questions();
    const QSqlDatabase db = bank.database();
    std::printf("bank of %d questions\n", questions);

    QElapsedTimer clock;
    clock.start();
    SearchIndex index(db);
    if (index.build({}) != SearchIndex::BuildResult::Built)
        return 1;
    bench::report("index build (first search)", msSince(clock), "ms");
    std::printf("bank with its index: %.1f MiB\n", QFileInfo(bankPath).size() / 1048576.0);

    QList<double> checks;
    for (int i = 0; i < runs; ++i) {
        clock.restart();
        if (!SearchIndex(db).locate())
            return 1;
        checks << msSince(clock);
    }
    bench::report("finding the index current (once per opened bank, median)", bench::median(checks),
                  "ms");

    // Typical queries, from one hit to thousands; then the worst case, a
    // two-character term that every question holds, found by a full scan.
    const QStringList typical = {QStringLiteral("第 471 题"), QStringLiteral("试题第 123"),
                                 QStringLiteral("合成病例描述"), QStringLiteral("选项丙 第 9 题"),
                                 QStringLiteral("没有的文字")};
    const QString worst = QStringLiteral("题干");
    const auto timeQuery = [&](const QString &text, SearchResult &result) {
        clock.restart();
        result = BankSearch(db, index.schema()).find(SearchQuery(text));
        return msSince(clock);
    };
    QList<double> sqlTimes;
    for (const QString &text : typical) {
        SearchResult result;
        for (int i = 0; i < runs; ++i)
            sqlTimes << timeQuery(text, result);
        std::printf("  %-24s %6lld hits\n", qPrintable(text), qlonglong(result.total));
    }
    bench::report("query, key to SQL result (median of typical queries)", bench::median(sqlTimes),
                  "ms");
    QList<double> worstTimes;
    SearchResult everything;
    for (int i = 0; i < runs; ++i)
        worstTimes << timeQuery(worst, everything);
    bench::report("query of a term in every question (median)", bench::median(worstTimes), "ms");
    QList<double> allTimes;
    for (int i = 0; i < runs; ++i) {
        clock.restart();
        if (BankSearch(db, index.schema()).allQuestions(SearchQuery(worst)).size() != questions)
            return 1;
        allTimes << msSince(clock);
    }
    bench::report("every question of that search, for its booklet (median)",
                  bench::median(allTimes), "ms");

    WebPageView view;
    view.resize(1000, 700);
    view.show();
    PagePresenter presenter(view, QStringLiteral(VELKORA_PROGRAM_DIR "/yk.html"));
    const auto timePage = [&](const QString &text) {
        clock.restart();
        const SearchQuery query(text);
        const SearchResult result = BankSearch(db, index.schema()).find(query);
        NumberingState numbering;
        const QStringList fragments = composeSearchPage(BankQueries(db), query, result, numbering);
        if (presenter.show(fragments) != ShowResult::Shown ||
            !view.runScript(highlightScript(query)))
            std::fprintf(stderr, "results page not shown\n");
        return msSince(clock);
    };
    timePage(typical.first()); // the page view's first load
    QList<double> pageTimes;
    for (const QString &text : typical)
        for (int i = 0; i < runs; ++i)
            pageTimes << timePage(text);
    bench::report("query, key to complete results page (median of typical)",
                  bench::median(pageTimes), "ms");
    QList<double> fullPageTimes;
    for (int i = 0; i < runs; ++i)
        fullPageTimes << timePage(worst);
    bench::report("results page of 200 shown hits out of 50,000 (median)",
                  bench::median(fullPageTimes), "ms");
    return 0;
}
