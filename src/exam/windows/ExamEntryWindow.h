#pragma once

#include "chrome/PictureButton.h"
#include "exam/paper/TitleLevel.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QDialog;
class QWidget;

namespace velkora {

class BankConnection;
class CandidateCardWindow;
class ExamLoginWindow;
class ExamSettingsWindow;
class Messages;
class ResumeOfferWindow;
struct ResumableExam;

// The way into the simulated exam from the main toolbar. When the last exam
// was left unsubmitted and still fits its paper, the offer to resume it
// comes first: continuing opens the exam window on it at once, a new paper
// goes the usual way. That is the paper settings (TForm6), then, only when they were left with "进
// 入", the login (TForm2) with the candidate card (TForm3) over it. "开始考试" sets the
// single-choice count for the chosen title level and hands over to the
// exam starter; when the exam returns, the card and the login close and
// the learner is back at the main window. The three windows live as long
// as this object, so the card shows again unchanged after "重新登录".
class ExamEntry : public QObject {
    Q_OBJECT
public:
    // Shows a window modally and returns when it has closed.
    using WindowRunner = std::function<void(QDialog &)>;
    // Opens the exam window for the level, modal over the card window, and
    // returns when it has closed.
    using ExamStarter = std::function<void(TitleLevel level, QWidget *cardWindow)>;
    // Opens the exam window on a resumed exam, modal over the main window,
    // and returns when it has closed.
    using ExamResumer = std::function<void(const ResumableExam &exam)>;

    ExamEntry(BankConnection &bank, Messages &messages, const PictureButton::Resolver &resolver,
              QWidget *mainWindow);
    ~ExamEntry() override;

    void setExamStarter(ExamStarter starter) { m_startExam = std::move(starter); }
    void setExamResumer(ExamResumer resumer) { m_resumeExam = std::move(resumer); }
    void setWindowRunner(WindowRunner runner) { m_runWindow = std::move(runner); }

    // The exam command (rjdhClick). The mark is set while the exam is being
    // entered and cleared when the login (or a resumed exam) returns; it
    // stays set when the settings or the offer were closed by their frame.
    void run(bool &examRunningMark);

    ExamSettingsWindow &settingsWindow() const;
    ExamLoginWindow &loginWindow() const;
    CandidateCardWindow &cardWindow() const;

private:
    void resumeExam(const ResumableExam &exam);
    void startExam(TitleLevel level);

    BankConnection &m_bank;
    Messages &m_messages;
    // Children of the main window, which may be destroyed first.
    QPointer<ExamSettingsWindow> m_settings;
    QPointer<ExamLoginWindow> m_login;
    QPointer<CandidateCardWindow> m_card;
    QPointer<ResumeOfferWindow> m_offer;
    WindowRunner m_runWindow;
    ExamStarter m_startExam;
    ExamResumer m_resumeExam;
    bool m_examOpen = false;
};

} // namespace velkora
