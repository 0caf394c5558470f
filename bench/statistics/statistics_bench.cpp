// Times reading the study statistics of a 50,000-question bank: with no
// history yet, and after a learner's months of practice (every question
// answered three times, the latest wrong for every fifth) and 300 exams;
// and the chapters' progress the tree shows after every submission.
#include "BenchSupport.h"
#include "SyntheticBankFolder.h"
#include "statistics/StudyStatistics.h"
#include "store/BankConnection.h"
#include "store/ChapterFigures.h"
#include "store/Sql.h"
#include "store/StudyLog.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

using namespace velkora;

namespace {

constexpr int runs = 7;
constexpr int answersPerQuestion = 3;
constexpr int exams = 300;

void writeHistory(const QSqlDatabase &db) {
    const StudyLog log(db);
    sql::inTransaction(db, [&] {
        QSqlQuery q = sql::run(db, QStringLiteral("SELECT r.treeid, q.id FROM question q "
                                                  "JOIN readtext r ON r.id = q.readtextid"));
        QHash<RowId, QList<RowId>> byChapter;
        while (q.next())
            byChapter[q.value(0).toLongLong()].append(q.value(1).toLongLong());
        for (int round = 0; round < answersPerQuestion; ++round) {
            for (auto chapter = byChapter.cbegin(); chapter != byChapter.cend(); ++chapter) {
                PracticeRecord practice{chapter.key(), {}};
                for (RowId id : chapter.value())
                    practice.answers.append({id, id % 5 != 0});
                log.recordPractice(practice);
            }
        }
        const ExamRecord exam{
            97, 140, 97, 80 * 60, {{"a1", 40, 10}, {"a2", 30, 20}, {"a3", 15, 5}, {"a4", 12, 8}}};
        for (int i = 0; i < exams; ++i)
            log.recordExam(exam);
    });
}

double medianReadMs(const QSqlDatabase &db, int &practised) {
    return bench::medianMs(runs, [&] { practised = readStudyStatistics(db).overall.practised; });
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    bench::SyntheticBankFolder synthetic(bench::fiftyThousandQuestions);
    if (!synthetic.isOpen())
        return 1;
    BankConnection &bank = synthetic.bank();
    const int questions = synthetic.questions();
    std::printf("bank of %d questions\n", questions);

    int practised = 0;
    bench::report("statistics, no history yet (median)", medianReadMs(bank.database(), practised),
                  "ms");
    writeHistory(bank.database());
    const double withHistory = medianReadMs(bank.database(), practised);
    std::printf("history: %d answers of %d questions, %d exams\n", questions * answersPerQuestion,
                practised, exams);
    bench::report("statistics with that history (median)", withHistory, "ms");
    bench::report("the tree's chapter progress with that history (median)",
                  bench::medianMs(runs, [&] { readChapterProgress(bank.database()); }), "ms");
    return 0;
}
