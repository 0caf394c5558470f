#include "exam/windows/ExamScreen.h"

#include "base/Messages.h"
#include "base/ProgramFolder.h"
#include "exam/paper/PaperAssembly.h"
#include "exam/session/ExamNavigator.h"
#include "exam/session/ExamResume.h"
#include "exam/session/KeyReleaseFilter.h"
#include "exam/session/PaperScoring.h"
#include "exam/windows/AnswerSheetBox.h"
#include "exam/windows/ExamBottomPanel.h"
#include "page/PageView.h"
#include "store/StoreError.h"

#include <QLoggingCategory>

namespace velkora {

Q_LOGGING_CATEGORY(lcExamScreen, "velkora.exam")

ExamScreen::ExamScreen(PageView &page, const QSqlDatabase &db, const ProgramFolder &folder,
                       AnswerSheetBox &sheet, ExamBottomPanel &panel, KeyReleaseFilter &keys,
                       Messages &messages)
    : m_page(page),
      m_renderer(page, PaperQueries(db), folder.templatePath(),
                 [folder](const QString &stored) { return folder.locatePicture(stored); }),
      m_sheet(sheet), m_panel(panel), m_keys(keys), m_messages(messages) {}

void ExamScreen::layOutPaper(const AssembledPaper &paper) {
    m_sheet.build(layOutAnswerSheet(paper));
    m_panel.setRowCount(int(paper.rows.size()));
}

void ExamScreen::showPaper(const AssembledPaper &paper) {
    layOutPaper(paper);
    if (paper.rows.isEmpty()) {
        m_renderer.renderEmpty();
        return;
    }
    const QString first = paper.rows.constFirst().tid;
    m_sheet.setColour({sheetButtonName(first), SheetColour::Red});
    showEntry(first, RowVariant::FirstPage);
}

void ExamScreen::showResumed(const ResumableExam &exam) {
    layOutPaper(exam.paper);
    m_panel.showProgress({exam.answered, exam.answered});
    for (const ButtonColour &colour : exam.colours)
        m_sheet.setColour(colour);
    showEntry(exam.startTid, RowVariant::FirstPage);
}

void ExamScreen::carryOut(const MoveDecision &decision, RowVariant variant) {
    if (decision.progress)
        m_panel.showProgress(*decision.progress);
    if (!decision.notice.isEmpty())
        showWithKeysSuspended(decision.notice);
    for (const ButtonColour &colour : decision.colours)
        m_sheet.setColour(colour);
    if (decision.rendersPage())
        showEntry(decision.targetTid, variant);
    if (!decision.message.isEmpty())
        showWithKeysSuspended(decision.message);
}

void ExamScreen::showGraded(const SubmissionOutcome &outcome) {
    m_panel.showProgress(outcome.progress);
    m_sheet.showGradingLegend();
    for (const ButtonColour &colour : outcome.grade.colours)
        m_sheet.setColour(colour);
    m_renderer.renderResult(outcome.resultFragment);
}

void ExamScreen::checkOption(const QString &letter) {
    if (const QStringList options = m_renderer.optionsForLetter(letter); !options.isEmpty())
        m_page.presetControls(options, {});
}

void ExamScreen::showWithKeysSuspended(const QString &text) {
    const KeyReleaseFilter::Suspension quiet(m_keys);
    m_messages.inform(text);
}

void ExamScreen::showEntry(const QString &tid, RowVariant variant) {
    try {
        m_renderer.render(tid, variant);
    } catch (const StoreError &error) {
        qCWarning(lcExamScreen) << "entry" << tid << "could not be read:" << error.message();
    }
}

} // namespace velkora
