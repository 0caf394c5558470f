#include "browse/InPageCommands.h"

#include "base/Messages.h"
#include "browse/BrowseHost.h"
#include "browse/ReportedQuestion.h"
#include "feedback/ErrorReportWindow.h"
#include "page/WebPageView.h"
#include "store/BankConnection.h"
#include "store/BankQueries.h"
#include "store/FlagStore.h"
#include "store/StoreError.h"

#include <QLoggingCategory>

namespace velkora {

Q_LOGGING_CATEGORY(lcInPage, "velkora.browse")

InPageCommands::InPageCommands(BrowseHost &host, BankConnection &bank, Messages &messages,
                               ErrorReportWindow &report, InterceptingPage &page)
    : QObject(&page), m_host(host), m_bank(bank), m_messages(messages), m_report(report) {
    page.setNavigationFilter([this](const QUrl &url) { return handleNavigation(url); });
}

bool InPageCommands::handleNavigation(const QUrl &url) {
    const BrowseSession::NavigationVerdict verdict =
        BrowseSession::judgeNavigation(url, m_host.commandsArmed());
    if (verdict.allow)
        return true;
    // The page view is inside its navigation callback now and cannot load
    // another page until it returns, so the commands run right after it.
    QMetaObject::invokeMethod(
        this,
        [this, verdict] {
            if (verdict.reportQuestion)
                openErrorReport(*verdict.reportQuestion);
            if (verdict.favouriteQuestion)
                toggleFavourite(*verdict.favouriteQuestion);
        },
        Qt::QueuedConnection);
    return false;
}

void InPageCommands::toggleFavourite(RowId questionId) {
    std::optional<bool> favourite;
    try {
        favourite = FlagStore(m_bank.database()).toggleFavourite(questionId);
    } catch (const StoreError &error) {
        qCWarning(lcInPage) << "favourite not stored:" << error.message();
        m_messages.inform(QStringLiteral("收藏没有保存：%1").arg(error.driverText()));
        return;
    }
    if (!favourite) {
        qCWarning(lcInPage) << "no question" << questionId << "to mark as favourite";
        return;
    }
    emit favouritesChanged();
    m_messages.inform(*favourite ? QStringLiteral("收藏成功！") : QStringLiteral("取消收藏！"));
    if (m_host.viewMode() == ViewMode::Favourites)
        m_host.openFavourites();
}

void InPageCommands::openErrorReport(RowId questionId) {
    ReportPreview preview;
    try {
        preview = composeReportPreview(BankQueries(m_bank.database()), questionId,
                                       m_host.numbering(), m_host.pictures());
    } catch (const StoreError &error) {
        qCWarning(lcInPage) << "error-report preview cut short:" << error.message();
    }
    m_report.openFor(preview);
}

} // namespace velkora
