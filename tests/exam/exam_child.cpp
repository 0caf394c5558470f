// Takes up the exam a bank keeps, as the exam window does, and goes on with
// it until it is killed: it answers the entry on screen and jumps to another,
// or lets a minute of the countdown pass. Before each step it prints what the
// step will store ("answer <tid> <letters>" or "tick <minutes left>") and
// after its commit "done". ExamResumeKillTest kills it at random moments.
#include "exam/HandTicker.h"
#include "exam/paper/ExamPaper.h"
#include "exam/paper/PaperQueries.h"
#include "exam/session/ExamCountdown.h"
#include "exam/session/ExamResume.h"
#include "store/BankConnection.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <cstdio>

using namespace velkora;

namespace {

void say(const QString &line) {
    std::puts(line.toUtf8().constData());
    std::fflush(stdout);
}

// The option controls of the entry on screen with a random answer ticked:
// one option of a single choice, one or more of the others. `letters` gets
// the answer as it is stored, the letters in option order.
QList<ControlState> answerControls(const QSqlDatabase &db, const PaperRow &row,
                                   QRandomGenerator &random, QString &letters) {
    const QList<ExamOption> options = PaperQueries(db).options(row.sourceId.toLongLong());
    const bool single = row.lx == lxCode(ExamClass::Single);
    const int one = random.bounded(int(options.size()));
    QList<ControlState> controls;
    for (int i = 0; i < options.size(); ++i) {
        const bool checked = single ? i == one : (i == one || random.bounded(2) == 1);
        if (checked)
            letters += options[i].letter;
        controls.append({options[i].id, QString::number(options[i].questionId),
                         single ? QStringLiteral("radio") : QStringLiteral("checkbox"), checked,
                         options[i].letter});
    }
    return controls;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    BankConnection bank(QString::fromLocal8Bit(argv[1]));
    if (!bank.open())
        return 3;
    const std::optional<ResumableExam> exam = findResumableExam(bank.database());
    if (!exam)
        return 4;
    QRandomGenerator random(QString::fromLocal8Bit(argv[2]).toUInt());

    auto *ticker = new test::HandTicker;
    ExamCountdown countdown(ticker, exam->minutesLeft);
    ResumeRecorder recorder(bank.database(), countdown, exam->leftEmpty);
    ExamNavigator navigator(bank.database());
    navigator.begin(exam->startRow());
    countdown.start();
    say(QStringLiteral("ready"));

    const QList<PaperRow> &rows = exam->paper.rows;
    for (int step = 0; step < 5000; ++step) {
        if (countdown.isRunning() && random.bounded(4) == 0) {
            say(QStringLiteral("tick %1").arg(countdown.minutesLeft() - 1));
            ticker->tick();
        } else {
            const ExamPaper paper = ExamPaper::read(bank.database());
            const PaperRow *row = paper.row(navigator.currentTid());
            QString letters;
            const QList<ControlState> controls =
                answerControls(bank.database(), *row, random, letters);
            say(QStringLiteral("answer %1 %2").arg(row->tid, letters));
            const QString target = rows[random.bounded(int(rows.size()))].tid;
            const MoveDecision decision = navigator.jump(target, controls);
            if (!decision.progress)
                return 5; // the answer was not saved
            recorder.recordMove(decision);
        }
        say(QStringLiteral("done"));
    }
    return 0;
}
