#pragma once

#include "base/ProgramFolder.h"
#include "update/UpdateDownload.h"

#include <QObject>
#include <QString>
#include <chrono>
#include <functional>

namespace velkora {

class Messages;

// Tells the learner when newer data is published and starts the updater
// app_upd from the program folder. At start-up the published date is
// fetched into "tmp.ini" (among the learner's files) without blocking the
// window; the toolbar's check compares that copy again, or fetches anew
// when this run has none. The learner's data is dated by "predate.ini"
// among the learner's files.
class UpdateCheck : public QObject {
    Q_OBJECT
public:
    UpdateCheck(ProgramFolder folder, Messages &messages, QObject *parent = nullptr);

    // Whether the platform sees a network; where it cannot tell, connected.
    using NetworkProbe = std::function<bool()>;
    void setNetworkProbe(NetworkProbe probe) { m_networkUp = std::move(probe); }
    // How long one fetch of the published date may take in all.
    void setDeadline(std::chrono::milliseconds deadline) { m_download.setDeadline(deadline); }

    // Downloads `updateInfoUrl` into "tmp.ini" and announces newer data.
    // A failed download or a file without a date says nothing.
    void checkAtStartup(const QString &updateInfoUrl);
    // The toolbar's check. When this run has fetched a published date, that
    // copy is compared at once; otherwise (the start-up fetch failed, found
    // no date or is still on its way) the answer waits for a fetch, and the
    // learner is told when the server could not be reached. Data is called
    // up to date only against a published date. Pressed again while
    // waiting: ignored.
    void checkOnDemand();

    static NetworkProbe platformNetworkProbe();

signals:
    // The start-up check has ended, whatever its outcome.
    void startupCheckDone();
    // The learner has had the answer to the toolbar's check.
    void onDemandCheckDone();

private:
    void fetch();
    void fetchEnded(bool saved);
    void answerLearner();
    bool publishedIsNewer() const;
    void announceUpdate();
    QString publishedPath() const { return m_folder.publishedDatePath(); }

    ProgramFolder m_folder;
    Messages &m_messages;
    UpdateDownload m_download;
    NetworkProbe m_networkUp;
    QString m_updateInfoUrl;
    bool m_datedCopyFetched = false; // this run has fetched a published date
    bool m_startupCheckRunning = false;
    bool m_learnerWaiting = false;
};

} // namespace velkora
