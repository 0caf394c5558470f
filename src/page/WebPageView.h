#pragma once

#include "page/PageView.h"

#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>
#include <functional>

namespace velkora {

// Blocks every request of a page that would leave the machine.
class OfflineInterceptor : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo &info) override;
};

// A page that asks its owner before every navigation. While no filter is
// set, or the filter accepts, navigations go through.
class InterceptingPage : public QWebEnginePage {
    Q_OBJECT
public:
    using NavigationFilter = std::function<bool(const QUrl &)>; // true: let it go through

    explicit InterceptingPage(QObject *parent = nullptr);
    void setNavigationFilter(NavigationFilter filter) { m_filter = std::move(filter); }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    // Alerts and questions of page scripts are logged, never shown.
    void javaScriptAlert(const QUrl &origin, const QString &message) override;
    bool javaScriptConfirm(const QUrl &origin, const QString &message) override;
    bool javaScriptPrompt(const QUrl &origin, const QString &message, const QString &defaultValue,
                          QString *result) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                  int line, const QString &source) override;

private:
    NavigationFilter m_filter;
};

// The page view of the program's windows on top of Qt WebEngine. Waits are
// local event loops bounded by `timeoutMs`.
class WebPageView : public QWebEngineView, public PageView {
    Q_OBJECT
public:
    explicit WebPageView(QWidget *parent = nullptr);

    InterceptingPage *interceptingPage() const { return m_page; }
    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }

    void preload(const QString &filePath) override;
    bool load(const QString &filePath) override;
    bool appendHtml(const QStringList &fragments) override;
    void setTextZoom(int level) override;
    bool runScript(const QString &script) override;
    QList<ControlState> controls() override;
    bool setElementColor(const QString &elementId, const QString &color) override;
    bool setBodyFontSize(int pixels) override;
    bool definesFunctions(const QStringList &names) override;
    bool presetControls(const QStringList &checkedIds,
                        const QList<std::pair<QString, QString>> &selections) override;

    // Runs a script and waits for its result; an invalid QVariant when it
    // did not finish in time.
    QVariant evaluate(const QString &script);

signals:
    void waitEnded();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    bool waitFor(const std::function<bool()> &done);
    void startLoad(const QUrl &url);
    // True, once, for a document this view has not loaded into before.
    bool takeFreshDocument();
    bool insertBlocks(const QList<QStringList> &blocks, const QStringList &tail);
    void waitForPaint();

    InterceptingPage *m_page;
    int m_timeoutMs = 15000;
    quint64 m_loadSerial = 0;
    QUrl m_expectedUrl;
    bool m_preloaded = false; // the load under way was started by preload()
    enum class LoadState {
        Idle,
        Loading,
        Succeeded,
        Stopped,
        Failed
    } m_loadState = LoadState::Idle;
};

} // namespace velkora
