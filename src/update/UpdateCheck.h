#pragma once

#include "app/ProgramFolder.h"
#include "update/UpdateDownload.h"

#include <QObject>
#include <QString>
#include <functional>

namespace velkora {

class Messages;

// Tells the learner when newer data is published and starts the updater
// app_upd from the program folder. At start-up the published date is
// fetched into "tmp.ini" (among the learner's files) without blocking the
// window; on demand the last
// fetched copy is compared again. Installed data is dated by "predate.ini".
class UpdateCheck : public QObject {
    Q_OBJECT
public:
    UpdateCheck(ProgramFolder folder, Messages &messages, QObject *parent = nullptr);

    // Whether the platform sees a network; where it cannot tell, connected.
    using NetworkProbe = std::function<bool()>;
    void setNetworkProbe(NetworkProbe probe) { m_networkUp = std::move(probe); }
    void setTimeout(int milliseconds) { m_download.setTimeout(milliseconds); }

    // Downloads `updateInfoUrl` into "tmp.ini" and announces newer data.
    // A failed download or a file without a date says nothing.
    void checkAtStartup(const QString &updateInfoUrl);
    // The toolbar's check: no download, the last fetched copy is compared.
    void checkOnDemand();

    static NetworkProbe platformNetworkProbe();

signals:
    // The start-up check has ended, whatever its outcome.
    void startupCheckDone();

private:
    bool publishedIsNewer() const;
    void announceUpdate();
    QString publishedPath() const { return m_folder.publishedDatePath(); }

    ProgramFolder m_folder;
    Messages &m_messages;
    UpdateDownload m_download;
    NetworkProbe m_networkUp;
    QString m_updateInfoUrl;
};

} // namespace velkora
