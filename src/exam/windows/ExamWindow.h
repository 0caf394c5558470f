#pragma once

#include "base/ProgramFolder.h"
#include "exam/paper/TitleLevel.h"
#include "exam/session/ExamNavigator.h"
#include "exam/session/PaperRowRenderer.h"

#include <QDialog>
#include <QPointer>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QProgressBar;

namespace velkora {

class AnswerSheetBox;
class BankConnection;
class ExamCountdown;
class KeyReleaseFilter;
class Messages;
class PictureButton;
class RandomSource;
class Ticker;
class WebPageView;

// The exam window "人机对话": the paper drawn at its first activation, the
// page of the entry on screen, the answer sheet, the countdown and the
// commands of the bottom panel. A fresh window serves each exam.
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
    };

    // Takes ownership of `ticker`, the countdown's minute source.
    ExamWindow(BankConnection &bank, Messages &messages, ProgramFolder folder, RandomSource &random,
               Ticker *ticker, Setup setup, QWidget *parent = nullptr);
    ~ExamWindow() override;

    // Draws the paper and shows its first entry; does nothing after the
    // first call (later activations return from message boxes).
    void formActivate();

    bool isAssembled() const { return m_assembled; }
    QString currentTid() const { return m_navigator.currentTid(); }
    WebPageView *pageView() const { return m_page; }
    AnswerSheetBox *answerSheet() const { return m_sheet; }

    KeyReleaseFilter *keyWatcher() const { return m_keys; }

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void buildAreas();
    QWidget *buildInfoBox();
    QWidget *buildBottomPanel();
    PictureButton *addCommand(const char *objectName, const QString &face, const QString &picture,
                              void (ExamWindow::*command)());

    void assemble();
    void offerOnlyClosing();
    // Runs a command of the window unless another one is still in progress.
    template <typename Command> void exclusively(Command &&command);
    void showWaitBoxAndPause();
    void showFirstEntry(const QList<PaperRow> &rows);

    void nextQuestion();
    void previousQuestion();
    void jumpTo(const QString &tid);
    void startCalculator();
    void showHelp();
    void submitPaper();

    void carryOut(const MoveDecision &decision, RowVariant variant);
    void showWithKeysSuspended(const QString &text);
    void renderEntry(const QString &tid, RowVariant variant);
    void answerByKey(const QString &letter);

    BankConnection &m_bank;
    Messages &m_messages;
    ProgramFolder m_folder;
    RandomSource &m_random;
    Setup m_setup;
    ExamNavigator m_navigator;

    WebPageView *m_page = nullptr;
    std::unique_ptr<PaperRowRenderer> m_renderer;
    AnswerSheetBox *m_sheet = nullptr;
    ExamCountdown *m_countdown = nullptr;
    KeyReleaseFilter *m_keys = nullptr;
    PictureButton *m_nextButton = nullptr;
    QLabel *m_minutesLabel = nullptr;
    QLabel *m_answeredLabel = nullptr;
    QLabel *m_rowCountLabel = nullptr;
    QProgressBar *m_progress = nullptr;

    bool m_assembled = false;
    bool m_shownOnce = false;
    bool m_commandRunning = false;
    bool m_drawFailed = false;
};

} // namespace velkora
