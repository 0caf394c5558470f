#include "exam/session/ExamNavigator.h"

#include "store/StoreError.h"

#include <QLoggingCategory>

namespace velkora {

Q_LOGGING_CATEGORY(lcMoves, "velkora.exam")

namespace {
const QString nextAfterSubmission = QStringLiteral("您已经交卷，不能进行\"下一题\"的操作！");
const QString previousAfterSubmission = QStringLiteral("您已经交卷，不能进行\"上一题\"的操作！");
const QString finishKindFirst = QStringLiteral("请答完您所答的题型，才允许做您选择的题型");
const QString noMoreEntries = QStringLiteral("已经到最后了，没题了~！");
const QString saveFailed = QStringLiteral("本题的答案未能保存，请再试一次。");

MoveDecision refusal(const QString &message) {
    MoveDecision decision;
    decision.message = message;
    return decision;
}
} // namespace

ExamNavigator::ExamNavigator(const QSqlDatabase &db) : m_db(db), m_recorder(db) {}

void ExamNavigator::begin(const PaperRow &first) {
    m_currentTid = first.tid;
    if (const std::optional<ExamClass> kind = examClassOfLx(first.lx))
        m_introShown[static_cast<int>(*kind)] = true;
}

MoveDecision ExamNavigator::next(const QList<ControlState> &controls) {
    return move(Move::Next, {}, controls);
}

MoveDecision ExamNavigator::previous(const QList<ControlState> &controls) {
    return move(Move::Previous, {}, controls);
}

MoveDecision ExamNavigator::jump(const QString &tid, const QList<ControlState> &controls) {
    return move(Move::Jump, tid, controls);
}

SavedAnswer ExamNavigator::saveCurrent(const QList<ControlState> &controls) {
    ExamPaper paper = ExamPaper::read(m_db);
    return m_recorder.save(paper, m_currentTid, controls);
}

MoveDecision ExamNavigator::move(Move kind, const QString &jumpTarget,
                                 const QList<ControlState> &controls) {
    if (m_submitted && kind == Move::Next)
        return refusal(nextAfterSubmission);
    if (m_submitted && kind == Move::Previous)
        return refusal(previousAfterSubmission);
    try {
        ExamPaper paper = ExamPaper::read(m_db);
        if (m_submitted) {
            MoveDecision review;
            review.outcome = paper.row(jumpTarget) ? MoveDecision::Outcome::Review
                                                   : MoveDecision::Outcome::Missing;
            if (review.outcome == MoveDecision::Outcome::Review) {
                review.targetTid = jumpTarget;
                m_currentTid = jumpTarget;
            }
            return review;
        }

        const SavedAnswer saved = m_recorder.save(paper, m_currentTid, controls);
        QString target = jumpTarget;
        if (kind != Move::Jump) {
            // Next on the last entry and previous on the first stay where they are.
            const int here = paper.indexOf(m_currentTid);
            const int there = here + (kind == Move::Next ? 1 : -1);
            target = here >= 0 && there >= 0 && there < paper.size() ? paper.rows()[there].tid
                                                                     : m_currentTid;
        }
        MoveDecision decision = decide(kind, target, paper);
        decision.progress = ProgressDisplay{saved.progress.barValue(),
                                            kind == Move::Jump ? saved.progress.countAfterJump()
                                                               : saved.progress.countAfterStep()};
        if (saved.button)
            decision.colours.prepend(*saved.button);
        return decision;
    } catch (const StoreError &error) {
        qCWarning(lcMoves) << "move from entry" << m_currentTid << "failed:" << error.message();
        return refusal(saveFailed);
    }
}

MoveDecision ExamNavigator::decide(Move kind, const QString &targetTid, const ExamPaper &paper) {
    const PaperRow *current = paper.row(m_currentTid);
    const PaperRow *target = paper.row(targetTid);
    const QString currentLx = current ? current->lx : QString();
    const QString targetLx = target ? target->lx : QString();

    MoveDecision decision;
    if (targetLx != currentLx && paper.hasUnanswered(currentLx)) {
        decision.message = finishKindFirst;
        if (current)
            decision.colours.append({sheetButtonName(m_currentTid), SheetColour::Red});
        return decision;
    }

    decision.notice = enterKind(targetLx, paper);
    if (target) {
        decision.outcome = MoveDecision::Outcome::Show;
        decision.targetTid = targetTid;
        decision.colours.append({sheetButtonName(targetTid), SheetColour::Red});
        m_currentTid = targetTid;
        return decision;
    }
    // A sheet button without a paper row: the entry on screen stays current,
    // so its answers are still the ones the next move saves.
    decision.outcome = MoveDecision::Outcome::Missing;
    decision.colours.append({sheetButtonName(targetTid), SheetColour::Blue});
    if (current)
        decision.colours.append({sheetButtonName(m_currentTid), SheetColour::Red});
    if (kind != Move::Next)
        decision.message = noMoreEntries;
    return decision;
}

QString ExamNavigator::enterKind(const QString &lx, const ExamPaper &paper) {
    const std::optional<ExamClass> kind = examClassOfLx(lx);
    if (!kind || paper.hasAnswered(lx))
        return {};
    bool &shown = m_introShown[static_cast<int>(*kind)];
    if (shown)
        return {};
    shown = true;
    return enteringNotice(*kind);
}

} // namespace velkora
