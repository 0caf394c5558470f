#include "update/UpdateCheck.h"

#include "app/Messages.h"
#include "update/DataDates.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QNetworkInformation>
#include <QProcess>

namespace velkora {

Q_LOGGING_CATEGORY(lcUpdate, "velkora.update")

namespace {
const QString infoCaption = QStringLiteral("信息");
}

UpdateCheck::UpdateCheck(ProgramFolder folder, Messages &messages, QObject *parent)
    : QObject(parent), m_folder(std::move(folder)), m_messages(messages),
      m_networkUp(platformNetworkProbe()) {
    connect(&m_download, &UpdateDownload::finished, this, [this](bool saved) {
        if (saved && publishedIsNewer())
            announceUpdate();
        emit startupCheckDone();
    });
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
    m_download.start(QUrl(updateInfoUrl), publishedPath());
}

void UpdateCheck::checkOnDemand() {
    if (!m_networkUp()) {
        m_messages.inform(QStringLiteral("请检查网络连接"));
        return;
    }
    if (publishedIsNewer())
        announceUpdate();
    else
        m_messages.show(QStringLiteral("当前数据已是最新版本"), infoCaption);
}

bool UpdateCheck::publishedIsNewer() const {
    // A published file without a date (an error page saved as the answer)
    // announces nothing.
    const std::optional<QString> published = dataDates::read(publishedPath());
    return published &&
           dataDates::isNewer(*published, dataDates::installed(m_folder.path("predate.ini")));
}

void UpdateCheck::announceUpdate() {
    m_messages.show(QStringLiteral("软件需要更新"), infoCaption);
    const QString updater = m_folder.path(QStringLiteral("app_upd"));
    if (QFileInfo(updater).isExecutable() && QProcess::startDetached(updater, {}, m_folder.dir()))
        return;
    qCWarning(lcUpdate) << "updater not started:" << updater;
    const QUrl published(m_updateInfoUrl);
    m_messages.show(
        published.isValid() && !published.host().isEmpty()
            ? QStringLiteral("没有找到升级程序 app_upd。新的数据可以从 %1 下载。")
                  .arg(published.resolved(QUrl(QStringLiteral("."))).toString())
            : QStringLiteral("没有找到升级程序 app_upd。请重新安装 Velkora 以获得新的数据。"),
        infoCaption);
}

} // namespace velkora
