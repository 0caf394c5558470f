#pragma once

#include "exam/session/PaperRowRenderer.h"

namespace velkora {

class AnswerSheetBox;
class ExamBottomPanel;
class KeyReleaseFilter;
class Messages;
class PageView;
class ProgramFolder;
struct AssembledPaper;
struct MoveDecision;
struct ResumableExam;
struct SubmissionOutcome;

// What the learner sees of the exam in the exam window: the page of the
// entry on screen, the answer sheet, the progress line and the messages of
// moves. It shows what the draw, the navigator and the scoring decided; the
// key watcher is quiet while a message of a move is up.
class ExamScreen {
public:
    // Entries are read from `db`; pages and pictures come from `folder`.
    ExamScreen(PageView &page, const QSqlDatabase &db, const ProgramFolder &folder,
               AnswerSheetBox &sheet, ExamBottomPanel &panel, KeyReleaseFilter &keys,
               Messages &messages);

    // A freshly drawn paper: its answer sheet and entry count, and its first
    // entry (marked red), or an empty page for a paper without rows.
    void showPaper(const AssembledPaper &paper);
    // A paper taken up again: its answer sheet as it was left, the answered
    // count, and the entry it goes on at (marked red).
    void showResumed(const ResumableExam &exam);
    // What a move decided, in the order MoveDecision gives.
    void carryOut(const MoveDecision &decision, RowVariant variant);
    // The graded paper: the progress, the grading legend and colours of the
    // answer sheet, and the result page.
    void showGraded(const SubmissionOutcome &outcome);
    // Checks the option a letter key selects on the single-choice entry on
    // screen, in one page call; nothing on an entry of another kind.
    void checkOption(const QString &letter);

private:
    void layOutPaper(const AssembledPaper &paper);
    void showWithKeysSuspended(const QString &text);
    void showEntry(const QString &tid, RowVariant variant);

    PageView &m_page;
    PaperRowRenderer m_renderer;
    AnswerSheetBox &m_sheet;
    ExamBottomPanel &m_panel;
    KeyReleaseFilter &m_keys;
    Messages &m_messages;
};

} // namespace velkora
