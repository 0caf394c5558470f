#include "exam/ExamBank.h"
#include "exam/paper/ExamSettings.h"
#include "exam/paper/PaperAssembly.h"
#include "exam/session/ExamResume.h"

#include <QMap>
#include <QProcess>
#include <QRandomGenerator>

using namespace velkora;
using namespace velkora::test;

namespace {

// What the bank keeps of the exam: the stored answers and the minutes left.
struct ExamState {
    QMap<QString, QString> answers; // tid -> tjda, answered entries only
    int minutes = examMinutes;
    bool operator==(const ExamState &) const = default;
};

std::string describe(const ExamState &state) {
    QStringList answers;
    for (auto it = state.answers.cbegin(); it != state.answers.cend(); ++it)
        answers << it.key() + "=" + it.value();
    return QStringLiteral("%1 min, %2").arg(state.minutes).arg(answers.join(' ')).toStdString();
}

// The state after the child's committed steps, and after the step it had
// begun when it was killed, if any.
struct ChildReport {
    ExamState committed;
    std::optional<ExamState> begun;
};

ChildReport replay(const ExamState &start, const QByteArray &output) {
    ChildReport report{start, std::nullopt};
    for (const QByteArray &line : output.split('\n')) {
        const QStringList words = QString::fromUtf8(line).split(' ');
        if (words.first() == "done") {
            report.committed = *report.begun;
            report.begun.reset();
        } else if (words.first() == "answer" && words.size() == 3) {
            report.begun = report.committed;
            report.begun->answers[words[1]] = words[2];
        } else if (words.first() == "tick" && words.size() == 2) {
            report.begun = report.committed;
            report.begun->minutes = words[1].toInt();
        }
    }
    return report;
}

} // namespace

TEST(ExamResumeKillTest, AKilledExamResumesWithExactlyTheAnswersAndTimeItHadStored) {
    ExamBank bank;
    bank.addQuestions(SingleA1, 40, "单");
    bank.addQuestions(MultiX, 40, "多");
    for (int i = 0; i < 4; ++i)
        bank.addCase(3);
    bank.setCounts({8, 8, 2, 0});
    SeededRandom draw(5);
    PaperAssembly(bank.db(), draw).assemble();
    bank.connection().close(); // the child works on the file alone

    ExamState expected;
    int killedMidStep = 0;
    for (int kill = 0; kill < 32; ++kill) {
        QProcess child;
        child.start(QStringLiteral(VELKORA_EXAM_CHILD), {bank.filePath(), QString::number(kill)});
        ASSERT_TRUE(child.waitForReadyRead(10000)) << "kill " << kill;
        const int delay = QRandomGenerator::global()->bounded(80);
        if (!child.waitForFinished(delay))
            child.kill();
        ASSERT_TRUE(child.waitForFinished(10000));
        const ChildReport report = replay(expected, child.readAllStandardOutput());

        ASSERT_TRUE(bank.connection().open()) << bank.connection().problem().toStdString();
        const std::optional<ResumableExam> resumed = findResumableExam(bank.db());
        ASSERT_TRUE(resumed) << "kill " << kill;
        ExamState found;
        found.minutes = resumed->minutesLeft;
        for (const PaperRow &row : resumed->paper.rows)
            if (!row.given.isEmpty())
                found.answers[row.tid] = row.given;
        EXPECT_TRUE(found == report.committed || (report.begun && found == *report.begun))
            << "kill " << kill << " after " << delay << " ms: found " << describe(found)
            << "; committed " << describe(report.committed);
        EXPECT_EQ(resumed->answered, found.answers.size());
        bank.connection().close();
        killedMidStep += report.begun.has_value();
        expected = found;
    }
    // The exam went on across the kills, and some kills fell inside a step.
    EXPECT_GT(expected.answers.size(), 4);
    EXPECT_LT(expected.minutes, examMinutes);
    EXPECT_GT(killedMidStep, 0);
}
