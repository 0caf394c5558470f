#include "exam/session/ExamResume.h"

#include "exam/paper/ExamPaper.h"
#include "exam/paper/ExamResumeStore.h"
#include "exam/paper/ExamSettings.h"
#include "exam/session/ExamCountdown.h"
#include "store/StoreError.h"

#include <QLoggingCategory>

namespace velkora {

Q_LOGGING_CATEGORY(lcResume, "velkora.exam")

namespace {

// Why the kept state cannot be taken up with this paper; empty when it can.
QString misfit(const KeptExam &kept, const ExamPaper &paper) {
    if (paper.size() == 0)
        return QStringLiteral("the paper table is empty");
    if (ExamResumeStore::paperDigest(paper.rows()) != kept.paperDigest)
        return QStringLiteral("the paper table no longer holds the kept paper");
    if (kept.minutesLeft < 0 || kept.minutesLeft > examMinutes)
        return QStringLiteral("the time left (%1 minutes) is out of range").arg(kept.minutesLeft);
    return {};
}

ResumableExam resumable(const KeptExam &kept, const ExamPaper &paper) {
    ResumableExam exam;
    exam.paper = {kept.counts, paper.rows()};
    exam.minutesLeft = kept.minutesLeft;
    exam.answered = paper.answeredCount();
    exam.leftEmpty = kept.leftEmpty;
    exam.startTid = paper.rows().constFirst().tid;
    for (const PaperRow &row : paper.rows()) {
        if (row.given.isEmpty()) {
            exam.startTid = row.tid;
            break;
        }
    }
    for (const PaperRow &row : paper.rows()) {
        const QString button = sheetButtonName(row.tid);
        if (kept.leftEmpty.contains(button))
            exam.colours.append({button, SheetColour::ActiveBorder});
        else if (!row.given.isEmpty())
            exam.colours.append({button, SheetColour::Blue});
    }
    exam.colours.append({sheetButtonName(exam.startTid), SheetColour::Red});
    return exam;
}

} // namespace

const PaperRow &ResumableExam::startRow() const {
    for (const PaperRow &row : paper.rows)
        if (row.tid == startTid)
            return row;
    return paper.rows.constFirst();
}

std::optional<ResumableExam> findResumableExam(const QSqlDatabase &db) {
    try {
        ExamResumeStore store(db);
        const std::optional<KeptExam> kept = store.read();
        if (!kept || kept->submitted)
            return std::nullopt;
        const ExamPaper paper = ExamPaper::read(db);
        if (const QString why = misfit(*kept, paper); !why.isEmpty()) {
            qCWarning(lcResume) << "the unsubmitted exam is not offered and is discarded:" << why;
            store.discard();
            return std::nullopt;
        }
        return resumable(*kept, paper);
    } catch (const StoreError &error) {
        qCWarning(lcResume) << "no exam to resume could be read:" << error.message();
        return std::nullopt;
    }
}

ResumeRecorder::ResumeRecorder(const QSqlDatabase &db, const ExamCountdown &countdown,
                               const QStringList &leftEmpty, QObject *parent)
    : QObject(parent), m_db(db), m_countdown(countdown), m_leftEmpty(leftEmpty) {
    connect(&countdown, &ExamCountdown::minutesChanged, this, &ResumeRecorder::recordMinutes);
}

void ResumeRecorder::recordMinutes() {
    try {
        ExamResumeStore(m_db).recordMinutes(m_countdown.minutesLeft());
    } catch (const StoreError &error) {
        qCWarning(lcResume) << "the time left was not kept:" << error.message();
    }
}

void ResumeRecorder::recordMove(const MoveDecision &decision) {
    for (const ButtonColour &colour : decision.colours) {
        if (colour.colour == SheetColour::ActiveBorder && !m_leftEmpty.contains(colour.button))
            m_leftEmpty.append(colour.button);
        else if (colour.colour == SheetColour::Blue)
            m_leftEmpty.removeAll(colour.button);
    }
    try {
        ExamResumeStore(m_db).recordMove(m_countdown.minutesLeft(), m_leftEmpty);
    } catch (const StoreError &error) {
        qCWarning(lcResume) << "the exam's state after a move was not kept:" << error.message();
    }
}

} // namespace velkora
