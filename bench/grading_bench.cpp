// Times reading the learner's answers off a chapter page of 200 mixed
// questions: once with one script call and wait per option (the way a page
// read control by control behaves), once from one snapshot of all controls
// as grading reads them. Also times a whole submission of such a chapter:
// snapshot, grading, the writes of flags, score rows and study log, and the
// red marks on the page; in a bank of that one chapter, and in banks of
// 50,000 and 200,000 questions (and of the size given as the first argument,
// e.g. 500000), so that costs growing with the bank show.
#include "BenchSupport.h"
#include "SyntheticBank.h"
#include "SyntheticChapter.h"
#include "browse/ChapterPage.h"
#include "grading/ChapterSubmission.h"
#include "grading/PageAnswers.h"
#include "page/PagePresenter.h"
#include "page/WebPageView.h"
#include "store/BankConnection.h"
#include "store/BankConventions.h"
#include "store/BankQueries.h"
#include "store/BankWriter.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>

using namespace velkora;

namespace {

constexpr int runs = 7;

struct Question {
    RowId id = 0;
    int code = 0;
    QList<OptionRow> options;
};

QList<Question> questionsOf(const BankQueries &queries, int chapterId) {
    QList<Question> questions;
    for (const GroupRow &group : queries.groupsOfChapter(chapterId)) {
        const int code = queries.questionType(group.typeId).value_or(QuestionType{}).code;
        for (const QuestionRow &q : queries.questionsOfGroup(group.id, ViewMode::ChapterPractice))
            questions.append({q.id, code, queries.options(q.id)});
    }
    return questions;
}

// One script call and one wait per option (per list for shared options).
double readOneByOne(WebPageView &view, const QList<Question> &questions, int &answered) {
    QElapsedTimer clock;
    clock.start();
    answered = 0;
    for (const Question &q : questions) {
        QString given;
        if (q.code == typecode::sharedOptions) {
            given =
                view.evaluate(QString("document.getElementById('a%1').value").arg(q.id)).toString();
        } else {
            for (const OptionRow &o : q.options) {
                if (view.evaluate(QString("document.getElementById('%1').checked").arg(o.id))
                        .toBool())
                    given += o.letter;
            }
        }
        answered += !given.isEmpty() && given != nothingChosen;
    }
    return clock.nsecsElapsed() / 1e6;
}

// Ticks the first option of every other question, or chooses B in every
// other list, and clears the rest; `half` (0 or 1) picks which questions.
// Submissions that alternate halves each change the marks of the one before.
void answerHalf(WebPageView &view, int half) {
    view.runScript("var r=document.querySelectorAll('input[type=radio],input[type=checkbox]');"
                   "for(var i=0;i<r.length;i++)r[i].checked=i%10==" +
                   QString::number(half * 5) +
                   ";var s=document.querySelectorAll('select');"
                   "for(var j=0;j<s.length;j++)s[j].value=j%2==" +
                   QString::number(half) + "?'B':'daan';");
}

void showChapter(WebPageView &view, const bench::SyntheticChapter &chapter) {
    const BankQueries queries(chapter.bank().database());
    NumberingState numbering;
    const ChapterPage page =
        composeChapterPage(queries, chapter.chapterId(), ViewMode::ChapterPractice, numbering);
    PagePresenter(view, chapter.templatePath()).show(page.fragments);
}

// Median of whole submissions of the chapter shown, answering the halves in
// turn.
double submissionTime(WebPageView &view, const bench::SyntheticChapter &chapter) {
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        answerHalf(view, i % 2);
        QElapsedTimer clock;
        clock.start();
        ChapterSubmission(chapter.bank().database(), view)
            .submit(chapter.chapterId(), ViewMode::ChapterPractice);
        times << clock.nsecsElapsed() / 1e6;
    }
    return bench::median(times);
}

// A bank of `questions` in chapters of 200: 5 parts of 5 sections.
SyntheticBankSize bankOf(int questions) {
    return {5, 5, std::max(1, questions / (25 * 200)), 200};
}

double readFromSnapshot(WebPageView &view, const QList<Question> &questions, int &answered) {
    QElapsedTimer clock;
    clock.start();
    answered = 0;
    const PageAnswers answers(view.controls());
    for (const Question &q : questions) {
        const QString given = answers.given(q.code, q.id, q.options).value_or(QString());
        answered += !given.isEmpty() && given != nothingChosen;
    }
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[]) {
    bench::useOffscreenPageView();
    QApplication app(argc, argv);

    const int extraBank = argc > 1 ? std::atoi(argv[1]) : 0;
    const bench::SyntheticChapter chapter;
    const BankQueries queries(chapter.bank().database());

    WebPageView view;
    view.resize(1000, 700);
    view.show();
    showChapter(view, chapter);
    answerHalf(view, 0);

    const QList<Question> questions = questionsOf(queries, chapter.chapterId());
    int optionCount = 0;
    for (const Question &q : questions)
        optionCount += q.code == typecode::sharedOptions ? 1 : int(q.options.size());

    QList<double> oneByOne, snapshot;
    int answeredSlow = 0, answeredFast = 0;
    for (int i = 0; i < runs; ++i) {
        oneByOne << readOneByOne(view, questions, answeredSlow);
        snapshot << readFromSnapshot(view, questions, answeredFast);
    }
    std::printf("chapter of %d questions, %d controls read, %d / %d answered, median of %d runs\n",
                int(questions.size()), optionCount, answeredSlow, answeredFast, runs);
    bench::report("(a) one script call and wait per option", bench::median(oneByOne), "ms");
    bench::report("(b) one snapshot of all controls", bench::median(snapshot), "ms");
    bench::report("ratio (a) / (b)", bench::median(oneByOne) / bench::median(snapshot), "x");
    bench::report("whole submission with (b): grade, writes, red marks",
                  submissionTime(view, chapter), "ms");

    std::printf("whole submission of a chapter of 200 questions by bank size, answering "
                "the other half each time, median of %d runs\n",
                runs);
    QList<int> bankSizes = {50000, 200000};
    if (extraBank > 0)
        bankSizes << extraBank;
    for (int size : bankSizes) {
        const bench::SyntheticChapter large(bankOf(size));
        showChapter(view, large);
        const QString name = QString("bank of %1 questions").arg(large.bankQuestions());
        bench::report(qPrintable(name), submissionTime(view, large), "ms");
    }
    return 0;
}
