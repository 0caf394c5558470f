// Submits the first chapter of a bank with every question unanswered, so
// that every question is found wrong. The kill test starts it and kills it
// at random moments of the submission.
#include "grading/ChapterSubmission.h"
#include "store/BankConnection.h"
#include "store/BankQueries.h"
#include "support/FakePageView.h"

#include <QCoreApplication>
#include <cstdio>

using namespace velkora;

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    BankConnection bank(QString::fromLocal8Bit(argv[1]));
    if (!bank.open())
        return 3;
    const RowId chapter = QString::fromLocal8Bit(argv[2]).toLongLong();
    const BankQueries queries(bank.database());
    test::FakePageView page;
    for (const GroupRow &group : queries.groupsOfChapter(chapter)) {
        for (const QuestionRow &question :
             queries.questionsOfGroup(group.id, ViewMode::ChapterPractice)) {
            for (const OptionRow &option : queries.options(question.id))
                page.states.append(
                    {option.id, QString::number(question.id), "radio", false, option.letter});
        }
    }
    std::puts("ready");
    std::fflush(stdout);
    const SubmitOutcome outcome =
        ChapterSubmission(bank.database(), page).submit(chapter, ViewMode::ChapterPractice);
    return outcome == SubmitOutcome::Recorded ? 0 : 1;
}
