#pragma once

#include "exam/paper/PaperAssembly.h"
#include "exam/session/ExamNavigator.h"

#include <QObject>
#include <QSqlDatabase>
#include <optional>

namespace velkora {

class ExamCountdown;

// An exam the learner left without 交 卷, as it is taken up again: its
// paper with the answers stored, the time it had left, and where it goes on.
struct ResumableExam {
    AssembledPaper paper; // the counts number the answer sheet as at the draw
    int minutesLeft = 0;
    int answered = 0;
    QString startTid;            // the first unanswered entry, else the first entry
    QList<ButtonColour> colours; // the answer sheet as it was left, `startTid` red last
    QStringList leftEmpty;       // buttons last left without an answer

    const PaperRow &startRow() const;
};

// The exam the bank keeps unsubmitted, if its paper is still the one in
// `sj`. A kept exam that no longer fits its paper (the paper emptied or
// replaced behind it, its rows changed, a time out of range) is discarded
// and logged. Never throws: a bank that cannot be read offers nothing.
std::optional<ResumableExam> findResumableExam(const QSqlDatabase &db);

// Keeps the exam in progress resumable: the minutes left at every tick of
// the countdown, and with every move the minutes and the answer-sheet
// buttons left without an answer (the answers themselves are in `sj`). A
// write that fails is logged and the exam goes on; the next one catches up.
class ResumeRecorder : public QObject {
    Q_OBJECT
public:
    ResumeRecorder(const QSqlDatabase &db, const ExamCountdown &countdown,
                   const QStringList &leftEmpty = {}, QObject *parent = nullptr);

    void recordMove(const MoveDecision &decision);

private:
    void recordMinutes();

    QSqlDatabase m_db;
    const ExamCountdown &m_countdown;
    QStringList m_leftEmpty; // in the order they were left
};

} // namespace velkora
