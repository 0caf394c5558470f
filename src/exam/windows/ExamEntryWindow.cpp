#include "exam/windows/ExamEntryWindow.h"

#include "base/Messages.h"
#include "exam/paper/ExamSettings.h"
#include "exam/session/ExamResume.h"
#include "exam/windows/CandidateCardWindow.h"
#include "exam/windows/ExamLoginWindow.h"
#include "exam/windows/ExamSettingsWindow.h"
#include "exam/windows/ResumeOfferWindow.h"
#include "store/BankConnection.h"
#include "store/StoreError.h"

#include <QLoggingCategory>
#include <QScopedValueRollback>

namespace velkora {

Q_LOGGING_CATEGORY(lcEntry, "velkora.exam")

ExamEntry::ExamEntry(BankConnection &bank, Messages &messages,
                     const PictureButton::Resolver &resolver, QWidget *mainWindow)
    : QObject(mainWindow), m_bank(bank), m_messages(messages),
      m_settings(new ExamSettingsWindow(bank, messages, mainWindow)),
      m_login(new ExamLoginWindow(resolver, mainWindow)),
      m_card(new CandidateCardWindow(messages, resolver, m_login)),
      m_offer(new ResumeOfferWindow(mainWindow)),
      m_runWindow([](QDialog &window) { window.exec(); }) {
    connect(m_login, &ExamLoginWindow::loginRequested, this, [this] { m_runWindow(*m_card); });
    connect(m_card, &CandidateCardWindow::startRequested, this, &ExamEntry::startExam);
}

ExamEntry::~ExamEntry() {
    delete m_offer.data();
    delete m_card.data();
    delete m_login.data();
    delete m_settings.data();
}

ExamSettingsWindow &ExamEntry::settingsWindow() const {
    return *m_settings;
}

ExamLoginWindow &ExamEntry::loginWindow() const {
    return *m_login;
}

CandidateCardWindow &ExamEntry::cardWindow() const {
    return *m_card;
}

void ExamEntry::run(bool &examRunningMark) {
    examRunningMark = true;
    if (const std::optional<ResumableExam> kept = findResumableExam(m_bank.database())) {
        m_offer->offer(*kept);
        m_runWindow(*m_offer);
        if (m_offer->choice() == ResumeOfferWindow::Choice::Continue) {
            resumeExam(*kept);
            examRunningMark = false;
        }
        // A new paper goes on to the settings; its draw replaces the kept one.
        if (m_offer->choice() != ResumeOfferWindow::Choice::NewPaper)
            return;
    }
    m_runWindow(*m_settings);
    if (!m_settings->proceed())
        return;
    m_runWindow(*m_login);
    examRunningMark = false;
}

void ExamEntry::resumeExam(const ResumableExam &exam) {
    if (m_resumeExam)
        m_resumeExam(exam);
    else
        qCWarning(lcEntry) << "exam not resumed: no exam window is connected";
}

void ExamEntry::startExam(TitleLevel level) {
    // The card can be reached again while its exam runs (a window manager
    // may bring it forward): it never starts a second paper over the first.
    if (m_examOpen)
        return;
    try {
        ExamSettings(m_bank.database()).applyTitleLevel(level);
    } catch (const StoreError &error) {
        qCWarning(lcEntry) << "exam not started, settings not adjusted:" << error.message();
        m_messages.inform(QStringLiteral("考试参数写入失败，无法开始考试。"));
        return;
    }
    if (!m_startExam) {
        qCWarning(lcEntry) << "exam not started: no exam window is connected";
        return;
    }
    {
        const QScopedValueRollback open(m_examOpen, true);
        m_startExam(level, m_card);
    }
    m_card->close();
    m_login->close();
}

} // namespace velkora
