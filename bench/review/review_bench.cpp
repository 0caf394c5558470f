// Times listing the questions of the daily review on a 50,000-question bank
// whose learner has 5,000 scheduled questions (due over the next two months,
// a few days' worth overdue) and 3,000 more flagged but never reviewed:
// the list itself, the count on the button and the load of the statistics,
// with the index on the due date and, for comparison, without it.
#include "BenchSupport.h"
#include "SyntheticBankFolder.h"
#include "review/ReviewSchedule.h"
#include "store/BankConnection.h"
#include "store/Sql.h"

#include <QCoreApplication>
#include <cstdio>

using namespace velkora;

namespace {

constexpr int runs = 9;
constexpr int scheduled = 5000;
constexpr int neverReviewed = 3000;
constexpr int spreadDays = 60;
constexpr int overdueDays = 5;

void writeSchedule(const QSqlDatabase &db, QDate today) {
    sql::inTransaction(db, [&] {
        QList<PracticeAnswer> answers;
        QSqlQuery q = sql::run(db, QStringLiteral("SELECT id FROM question ORDER BY id LIMIT ?"),
                               {scheduled + neverReviewed});
        QList<RowId> ids;
        while (q.next())
            ids << q.value(0).toLongLong();
        sql::run(db,
                 QStringLiteral("UPDATE question SET ct='1' WHERE id IN (%1)")
                     .arg(sql::placeholders(ids.size())),
                 sql::listValues(ids));
        for (int i = 0; i < scheduled && i < ids.size(); ++i)
            answers.append({ids[i], i % 4 != 0});
        ReviewSchedule(db, today.addDays(-30)).record(answers);
        // Spread the dates: a few days overdue, the rest over two months.
        sql::run(db,
                 QStringLiteral("UPDATE velkora_review SET due=date(?, '+' || "
                                "(question_id % ?) || ' days')"),
                 {today.addDays(-overdueDays).toString(Qt::ISODate), spreadDays});
    });
}

void measure(const QSqlDatabase &db, QDate today, const char *setting) {
    const ReviewSchedule schedule(db, today);
    qsizetype due = 0;
    std::printf("%s:\n", setting);
    bench::report("  list of the questions due (median)",
                  bench::medianMs(runs, [&] { due = schedule.due().size(); }), "ms");
    std::printf("  questions due today: %lld\n", static_cast<long long>(due));
    bench::report("  count on the button (median)",
                  bench::medianMs(runs, [&] { schedule.dueCount(); }), "ms");
    bench::report("  load of the next 14 days (median)",
                  bench::medianMs(runs, [&] { schedule.load(14); }), "ms");
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    bench::SyntheticBankFolder synthetic(bench::fiftyThousandQuestions);
    if (!synthetic.isOpen())
        return 1;
    const QSqlDatabase db = synthetic.bank().database();
    const QDate today = QDate::currentDate();
    writeSchedule(db, today);
    {
        QSqlQuery rows = sql::run(db, QStringLiteral("SELECT count(*) FROM velkora_review"));
        std::printf("bank of %d questions, %d scheduled, %d flagged and never reviewed\n",
                    synthetic.questions(), rows.next() ? rows.value(0).toInt() : 0, neverReviewed);
    }
    measure(db, today, "with the index on the due date");
    sql::run(db, QStringLiteral("DROP INDEX velkora_review_due"));
    measure(db, today, "without it");
    return 0;
}
