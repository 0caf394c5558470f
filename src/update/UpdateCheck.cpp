#include "update/UpdateCheck.h"

#include "base/CompanionProgram.h"
#include "base/Messages.h"
#include "update/DataDates.h"

#include <QNetworkInformation>
#include <utility>

namespace velkora {

namespace {
const QString infoCaption = QStringLiteral("信息");
}

UpdateCheck::UpdateCheck(ProgramFolder folder, Messages &messages, QObject *parent)
    : QObject(parent), m_folder(std::move(folder)), m_messages(messages),
      m_networkUp(platformNetworkProbe()) {
    connect(&m_download, &UpdateDownload::finished, this, &UpdateCheck::fetchEnded);
}

UpdateCheck::NetworkProbe UpdateCheck::platformNetworkProbe() {
    return [] {
        if (!QNetworkInformation::instance() &&
            !QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
            return true;
        return QNetworkInformation::instance()->reachability() !=
               QNetworkInformation::Reachability::Disconnected;
    };
}

void UpdateCheck::checkAtStartup(const QString &updateInfoUrl) {
    m_updateInfoUrl = updateInfoUrl;
    m_startupCheckRunning = true;
    fetch();
}

void UpdateCheck::checkOnDemand() {
    if (m_learnerWaiting)
        return;
    if (!m_networkUp()) {
        m_messages.inform(QStringLiteral("请检查网络连接"));
        emit onDemandCheckDone();
        return;
    }
    if (m_datedCopyFetched) {
        answerLearner();
        return;
    }
    m_learnerWaiting = true;
    fetch();
}

void UpdateCheck::fetch() {
    // A fetch already on its way (the start-up one) answers both.
    if (!m_download.isRunning())
        m_download.start(QUrl(m_updateInfoUrl), publishedPath());
}

void UpdateCheck::fetchEnded(bool saved) {
    m_datedCopyFetched = m_datedCopyFetched || (saved && dataDates::read(publishedPath()));
    if (std::exchange(m_learnerWaiting, false)) {
        if (saved) {
            answerLearner();
        } else {
            m_messages.inform(QStringLiteral("无法连接升级服务器，请稍后再试。"));
            emit onDemandCheckDone();
        }
    } else if (saved && publishedIsNewer()) {
        announceUpdate();
    }
    if (std::exchange(m_startupCheckRunning, false))
        emit startupCheckDone();
}

void UpdateCheck::answerLearner() {
    if (!dataDates::read(publishedPath())) {
        // An error page saved as the answer is no published date.
        m_messages.inform(QStringLiteral("升级服务器没有给出数据日期，请稍后再试。"));
    } else if (publishedIsNewer()) {
        announceUpdate();
    } else {
        m_messages.show(QStringLiteral("当前数据已是最新版本"), infoCaption);
    }
    emit onDemandCheckDone();
}

bool UpdateCheck::publishedIsNewer() const {
    // A published file without a date announces nothing.
    const std::optional<QDate> published = dataDates::read(publishedPath());
    return published && *published > dataDates::learners(m_folder);
}

void UpdateCheck::announceUpdate() {
    m_messages.show(QStringLiteral("软件需要更新"), infoCaption);
    startCompanionProgram(m_folder, QStringLiteral("app_upd"));
}

} // namespace velkora
