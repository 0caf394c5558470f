#pragma once

#include "store/Records.h"

#include <QObject>

class QUrl;

namespace velkora {

class BankConnection;
class BrowseHost;
class ErrorReportWindow;
class InterceptingPage;
class Messages;

// The buttons inside a question page talk to the program by navigating to
// "http://scbt<id>" (收藏本题) and "http://ctfk<id>" (错题反馈). Once a page
// is complete every navigation is cancelled, and these two run their
// command: the favourite toggle, and the error-report window for the
// question.
class InPageCommands : public QObject {
    Q_OBJECT
public:
    InPageCommands(BrowseHost &host, BankConnection &bank, Messages &messages,
                   ErrorReportWindow &report, InterceptingPage &page);

    // True when the navigation may go through.
    bool handleNavigation(const QUrl &url);

signals:
    // A question was marked or unmarked as a favourite.
    void favouritesChanged();

private:
    void toggleFavourite(RowId questionId);
    void openErrorReport(RowId questionId);

    BrowseHost &m_host;
    BankConnection &m_bank;
    Messages &m_messages;
    ErrorReportWindow &m_report;
};

} // namespace velkora
