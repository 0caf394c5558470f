#pragma once

#include "base/ProgramFolder.h"
#include "exam/paper/TitleLevel.h"
#include "exam/session/ExamNavigator.h"
#include "exam/session/ExamResume.h"
#include "exam/session/PaperRowRenderer.h"

#include <QDialog>
#include <QPointer>
#include <functional>
#include <memory>

namespace velkora {

class AnswerSheetBox;
class BankConnection;
class ExamBottomPanel;
class ExamCountdown;
class ExamScreen;
class KeyReleaseFilter;
class Messages;
class RandomSource;
class ResumeRecorder;
class Ticker;
class WebPageView;

// The exam window "人机对话": the paper drawn at its first activation (or
// the one an exam left unsubmitted, taken up again), the page of the entry
// on screen, the answer sheet, the countdown and the commands of the bottom
// panel. A fresh window serves each exam.
class ExamWindow : public QDialog {
    Q_OBJECT
public:
    struct Setup {
        TitleLevel titleLevel = TitleLevel::AssociateSenior;
        // Set while the exam command runs: the wait box stands over the exam
        // window; otherwise over `mainWindow`.
        bool examRunningMark = true;
        QPointer<QWidget> mainWindow;
        // Waits the given milliseconds with the wait box up; tests skip it.
        std::function<void(int)> pause;
        // Set to take up this exam instead of drawing a paper.
        std::optional<ResumableExam> resumed;
    };

    // Takes ownership of `ticker`, the countdown's minute source.
    ExamWindow(BankConnection &bank, Messages &messages, ProgramFolder folder, RandomSource &random,
               Ticker *ticker, Setup setup, QWidget *parent = nullptr);
    ~ExamWindow() override;

    // Draws the paper and shows its first entry, or shows the resumed paper
    // where it goes on; does nothing after the first call (later activations
    // return from message boxes).
    void drawPaperOnce();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void buildAreas();
    void addCommands();

    void drawPaper();
    void resumePaper(const ResumableExam &exam);
    void keepResumable(const QStringList &leftEmpty);
    void offerOnlyClosing();
    // Runs a command of the window unless another one is still in progress.
    template <typename Command> void exclusively(Command &&command);

    void carryOut(const MoveDecision &decision, RowVariant variant);
    void nextQuestion();
    void previousQuestion();
    void jumpTo(const QString &tid);
    void startCalculator();
    void showHelp();
    void submitPaper();

    void answerByKey(const QString &letter);

    BankConnection &m_bank;
    Messages &m_messages;
    ProgramFolder m_folder;
    RandomSource &m_random;
    Setup m_setup;
    ExamNavigator m_navigator;

    WebPageView *m_page = nullptr;
    AnswerSheetBox *m_sheet = nullptr;
    ExamBottomPanel *m_panel = nullptr;
    ExamCountdown *m_countdown = nullptr;
    KeyReleaseFilter *m_keys = nullptr;
    ResumeRecorder *m_resumeRecorder = nullptr;
    std::unique_ptr<ExamScreen> m_screen;

    bool m_drawAttempted = false;
    bool m_shownOnce = false;
    bool m_commandRunning = false;
    bool m_drawFailed = false;
};

} // namespace velkora
