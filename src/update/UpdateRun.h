#pragma once

#include "base/ProgramFolder.h"
#include "update/BankDownload.h"
#include "update/BankHandover.h"
#include "update/PublishedRelease.h"
#include "update/UpdateDownload.h"

#include <QLockFile>
#include <QObject>
#include <QTemporaryFile>
#include <QTimer>
#include <chrono>
#include <memory>

namespace velkora {

// The updater's work, one step after the other, without blocking its
// window: fetch the published Predate.ini, download the bank it names and
// check it (size, checksum, a whole bank, the learner's subject), wait until
// the program has closed the learner's bank, then carry the learner's
// records into the new bank and put it in place (BankHandover). The
// program's lock is held from then on, so the program cannot start in the
// middle; it is released when the run ends. Every failure leaves the old
// bank and ends the run with the reason in Chinese.
class UpdateRun : public QObject {
    Q_OBJECT
public:
    UpdateRun(ProgramFolder folder, QString updateInfoUrl, QObject *parent = nullptr);
    ~UpdateRun() override;

    // Seams for the tests: how long the server may keep silent, how long
    // the published date may take, how often the program's lock is tried.
    void setStallTimeout(std::chrono::milliseconds timeout) {
        m_download.setStallTimeout(timeout);
        m_info.setDeadline(timeout);
    }
    void setLockRetry(std::chrono::milliseconds interval) { m_lockRetry.setInterval(interval); }

    void start();
    // Stops the run before the bank is replaced; afterwards ignored.
    void cancel();
    bool canCancel() const { return m_step != Step::Installing && m_step != Step::Done; }

signals:
    // What the run does now, for the learner.
    void stepChanged(const QString &text);
    void progress(qint64 done, qint64 total);
    // The run has ended: `updated` when the new bank is in place. `message`
    // tells the learner the outcome.
    void finished(bool updated, const QString &message);

private:
    enum class Step {
        Idle,
        FetchingInfo,
        Downloading,
        Checking,
        WaitingForProgram,
        Installing,
        Done
    };

    void infoFetched(bool saved);
    void downloaded(BankDownload::Outcome outcome);
    void tryLock();
    void install();
    void end(bool updated, const QString &message);

    ProgramFolder m_folder;
    QString m_updateInfoUrl;
    UpdateDownload m_info;
    BankDownload m_download;
    PublishedRelease m_release;
    std::unique_ptr<QTemporaryFile> m_downloadFile;
    BankHandover m_handover;
    QLockFile m_programLock;
    QTimer m_lockRetry;
    Step m_step = Step::Idle;
};

} // namespace velkora
