// Times reading the learner's answers off a chapter page of 200 mixed
// questions: once with one script call and wait per option (the way a page
// read control by control behaves), once from one snapshot of all controls
// as grading reads them. Also times a whole submission: snapshot, grading,
// the writes of flags and score rows, and the red marks on the page.
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

    const bench::SyntheticChapter chapter;
    BankConnection &bank = chapter.bank();
    const BankQueries queries(bank.database());
    const int chapterId = chapter.chapterId();

    WebPageView view;
    view.resize(1000, 700);
    view.show();
    NumberingState numbering;
    const ChapterPage page =
        composeChapterPage(queries, chapterId, ViewMode::ChapterPractice, numbering);
    PagePresenter(view, chapter.templatePath()).show(page.fragments);
    // Every other question answered: its first option ticked, or B chosen.
    view.runScript("var r=document.querySelectorAll('input[type=radio],input[type=checkbox]');"
                   "for(var i=0;i<r.length;i+=10)r[i].checked=true;"
                   "var s=document.querySelectorAll('select');"
                   "for(var j=0;j<s.length;j+=2)s[j].value='B';");

    const QList<Question> questions = questionsOf(queries, chapterId);
    int optionCount = 0;
    for (const Question &q : questions)
        optionCount += q.code == typecode::sharedOptions ? 1 : int(q.options.size());

    QList<double> oneByOne, snapshot, submissions;
    int answeredSlow = 0, answeredFast = 0;
    for (int i = 0; i < runs; ++i) {
        oneByOne << readOneByOne(view, questions, answeredSlow);
        snapshot << readFromSnapshot(view, questions, answeredFast);
    }
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        ChapterSubmission(bank.database(), view).submit(chapterId, ViewMode::ChapterPractice);
        submissions << clock.nsecsElapsed() / 1e6;
    }
    std::printf("chapter of %d questions, %d controls read, %d / %d answered, median of %d runs\n",
                int(questions.size()), optionCount, answeredSlow, answeredFast, runs);
    bench::report("(a) one script call and wait per option", bench::median(oneByOne), "ms");
    bench::report("(b) one snapshot of all controls", bench::median(snapshot), "ms");
    bench::report("ratio (a) / (b)", bench::median(oneByOne) / bench::median(snapshot), "x");
    bench::report("whole submission with (b): grade, writes, red marks", bench::median(submissions),
                  "ms");
    return 0;
}
