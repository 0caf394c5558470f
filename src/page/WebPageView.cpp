#include "page/WebPageView.h"

#include "page/FragmentRuns.h"

#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QPointer>
#include <QTimer>
#include <QWebEngineLoadingInfo>
#include <QWebEngineSettings>
#include <memory>

namespace velkora {

Q_LOGGING_CATEGORY(lcView, "velkora.page")

namespace {

QString jsString(const QString &text) {
    // A one-element JSON array is a valid script literal; strip the brackets.
    const QByteArray json = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

// Questions in a block the renderer may skip while it is far from the screen.
constexpr int questionsPerBlock = 10;
// A page of more blocks than this paints its first block ahead of the rest;
// shorter pages are parsed in less time than the wait for a frame.
constexpr int longPageBlocks = 20;
// The longest wait for the first block's paint, a few frames.
constexpr int paintWaitMs = 100;

// IE's five text sizes, smallest to largest.
// Ends a load may wait for: one refused navigation ending first, this load
// stopped by it, and the load again.
constexpr int maxLoadRounds = 4;
constexpr double textZoomFactors[] = {0.8, 0.9, 1.0, 1.15, 1.3};

} // namespace

InterceptingPage::InterceptingPage(QObject *parent) : QWebEnginePage(parent) {
    QWebEngineSettings *s = settings();
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    // Pictures of the program folder load; the interceptor keeps scripts
    // from reading files.
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    s->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    // A child, so that it outlives the page it serves.
    setUrlRequestInterceptor(new OfflineInterceptor(this));
}

void OfflineInterceptor::interceptRequest(QWebEngineUrlRequestInfo &info) {
    // Pages are local and nothing they hold may reach the network; of local
    // files a page loads what it shows (itself, pictures, styles), but no
    // script reads a file.
    using Info = QWebEngineUrlRequestInfo;
    static const QStringList local = {QStringLiteral("file"), QStringLiteral("data"),
                                      QStringLiteral("qrc"), QStringLiteral("blob")};
    static const QList<Info::ResourceType> shown = {
        Info::ResourceTypeMainFrame, Info::ResourceTypeStylesheet,   Info::ResourceTypeScript,
        Info::ResourceTypeImage,     Info::ResourceTypeFontResource, Info::ResourceTypeMedia,
        Info::ResourceTypeFavicon};
    const bool allowed =
        local.contains(info.requestUrl().scheme()) && shown.contains(info.resourceType());
    if (!allowed) {
        qCInfo(lcView) << "blocked a page request to" << info.requestUrl().toDisplayString();
        info.block(true);
    }
}

bool InterceptingPage::javaScriptConfirm(const QUrl &, const QString &message) {
    qCInfo(lcView) << "page asked, answered no:" << message;
    return false;
}

void InterceptingPage::javaScriptAlert(const QUrl &, const QString &message) {
    qCInfo(lcView) << "page alert, not shown:" << message;
}

bool InterceptingPage::javaScriptPrompt(const QUrl &, const QString &message, const QString &,
                                        QString *) {
    qCInfo(lcView) << "page prompt, not shown:" << message;
    return false;
}

bool InterceptingPage::acceptNavigationRequest(const QUrl &url, NavigationType, bool isMainFrame) {
    if (!isMainFrame)
        return false;
    return !m_filter || m_filter(url);
}

void InterceptingPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                                const QString &message, int line,
                                                const QString &source) {
    // The renderer's own sizing of blocks it skips may take two frames to
    // settle; it reports that as an error of the page, though nothing failed.
    if (message == QLatin1String("ResizeObserver loop limit exceeded"))
        return;
    if (level == ErrorMessageLevel)
        qCWarning(lcView) << "page script:" << message << source << line;
}

WebPageView::WebPageView(QWidget *parent)
    : QWebEngineView(parent), m_page(new InterceptingPage(this)) {
    setPage(m_page);
    connect(m_page, &QWebEnginePage::loadingChanged, this,
            [this](const QWebEngineLoadingInfo &info) {
                if (m_loadState != LoadState::Loading || info.url() != m_expectedUrl)
                    return; // a rejected in-page navigation, or an older load
                if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus)
                    m_loadState = LoadState::Succeeded;
                else if (info.status() == QWebEngineLoadingInfo::LoadStoppedStatus)
                    m_loadState = LoadState::Stopped;
                else if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus)
                    // Failed for no reason: cancelled, as when stopped.
                    m_loadState = info.errorDomain() == QWebEngineLoadingInfo::NoErrorDomain
                                      ? LoadState::Stopped
                                      : LoadState::Failed;
                else
                    return;
                emit waitEnded();
            });
}

bool WebPageView::waitFor(const std::function<bool()> &done) {
    if (done())
        return true;
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(this, &WebPageView::waitEnded, &loop, [&] {
        if (done())
            loop.quit();
    });
    timeout.start(m_timeoutMs);
    loop.exec();
    return done();
}

void WebPageView::preload(const QString &filePath) {
    if (m_loadState != LoadState::Idle)
        return; // only the first page is worth starting early
    ++m_loadSerial;
    m_expectedUrl = QUrl::fromLocalFile(filePath);
    m_loadState = LoadState::Loading;
    m_preloaded = true;
    m_page->load(m_expectedUrl);
}

bool WebPageView::load(const QString &filePath) {
    const QUrl url = QUrl::fromLocalFile(filePath);
    const bool takeOver = std::exchange(m_preloaded, false) && url == m_expectedUrl;
    if (!takeOver)
        startLoad(url);
    // A navigation the page asked for just before, and the program refused,
    // may end after this load started, reported at this page's address:
    // as a success while the old document is still shown (then the real end
    // follows), or as this load stopped or failed for no reason, cancelled by
    // it (then it loads again).
    for (int round = 0; round < maxLoadRounds; ++round) {
        const quint64 serial = m_loadSerial;
        // A newer load ends this wait too: its settling is announced the same way.
        const bool settled =
            waitFor([&] { return serial != m_loadSerial || m_loadState != LoadState::Loading; });
        if (serial != m_loadSerial)
            return false;
        if (!settled) {
            qCWarning(lcView) << "page did not load in" << m_timeoutMs << "ms:" << filePath;
            return false;
        }
        if (m_loadState == LoadState::Succeeded) {
            if (takeFreshDocument())
                return true;
            m_loadState = LoadState::Loading;
        } else if (m_loadState == LoadState::Stopped) {
            qCInfo(lcView) << "page load cut short by another navigation; loading again";
            startLoad(url);
        } else {
            return false;
        }
    }
    return false;
}

void WebPageView::startLoad(const QUrl &url) {
    ++m_loadSerial;
    m_expectedUrl = url;
    m_loadState = LoadState::Loading;
    m_page->load(m_expectedUrl);
}

bool WebPageView::takeFreshDocument() {
    // Every loaded document is marked, so that a success reported while the
    // previous one is still shown is told apart.
    return evaluate(QStringLiteral("(function(){var fresh=!window.velkoraLoaded;"
                                   "window.velkoraLoaded=true;return fresh;})()"))
        .toBool();
}

QVariant WebPageView::evaluate(const QString &script) {
    // Shared with the callback, which may still arrive after a timed-out wait.
    struct Outcome {
        bool finished = false;
        QVariant value;
    };
    auto outcome = std::make_shared<Outcome>();
    QPointer<WebPageView> self(this);
    m_page->runJavaScript(script, [outcome, self](const QVariant &value) {
        outcome->value = value;
        outcome->finished = true;
        if (self)
            emit self->waitEnded();
    });
    if (!waitFor([&] { return outcome->finished; })) {
        qCWarning(lcView) << "page script did not finish in" << m_timeoutMs << "ms";
        return {};
    }
    return outcome->value;
}

bool WebPageView::appendHtml(const QStringList &fragments) {
    // Whole questions far below the screen go into blocks the renderer lays
    // out only when they come near. On a shown view, a long page's first
    // block goes in alone and is painted before the rest is parsed: the
    // learner reads the first questions while the others follow.
    PageBlocks page = cutIntoBlocks(fragments, questionsPerBlock);
    if (page.blocks.size() > longPageBlocks && isVisible()) {
        const quint64 serial = m_loadSerial;
        const QStringList first = page.blocks.takeFirst();
        if (!insertBlocks({first}, {}))
            return false;
        waitForPaint();
        if (serial != m_loadSerial)
            return false; // another page was loaded meanwhile; the rest is not its
    }
    return insertBlocks(page.blocks, page.tail);
}

bool WebPageView::insertBlocks(const QList<QStringList> &blocks, const QStringList &tail) {
    // Each parser run costs as much as a small fragment: fragments that parse
    // alike joined or apart go in together.
    QJsonArray runsOfBlocks;
    qsizetype runCount = 0;
    for (const QStringList &block : blocks) {
        const QStringList runs = joinIntoRuns(block);
        runCount += runs.size();
        runsOfBlocks.append(QJsonArray::fromStringList(runs));
    }
    const QStringList tailRuns = joinIntoRuns(tail);
    runCount += tailRuns.size();
    const auto compact = [](const QJsonArray &array) {
        return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
    };
    // Bank texts carry markup, and their scripts must not run: a run that
    // holds a script, a handler or a script address is parsed in a detached
    // document first (where nothing runs or loads) and cleaned. Only the
    // page's own buttons keep their onclick.
    const QString script =
        QStringLiteral(
            "(function(blocks,tail){var b=document.body,h=document.documentElement;"
            "if(!b)return -1;"
            // The page's own buttons call xsda, scbt and the ctfk address; any other
            // handler, script or script address marks a run to clean.
            "var risky=/<\\s*(script|iframe|object|embed|frame)|javascript:|"
            "\\son(?!click=\"(xsda\\(this|scbt\\(this|window\\.location\\.href=\\('http:\\/\\/"
            "ctfk))"
            "[a-z]+\\s*=/i;"
            "var d=document.implementation.createHTMLDocument(''),n=0;"
            "function put(t,h){n++;"
            "if(!risky.test(h)){t.insertAdjacentHTML('beforeend',h);return;}"
            "d.body.innerHTML=h;var all=d.body.querySelectorAll('*');"
            "for(var j=0;j<all.length;j++){var e=all[j];"
            "if(/^(SCRIPT|IFRAME|OBJECT|EMBED|FRAME|FRAMESET)$/"
            ".test(e.tagName)){e.remove();continue;}"
            "var own=e.tagName=='INPUT'&&e.type=='button'&&/^torvane/.test(e.name||'');"
            "for(var k=e.attributes.length-1;k>=0;k--){var "
            "a=e.attributes[k],m=a.name.toLowerCase();"
            "if((m.indexOf('on')==0&&!(own&&m=='onclick'))||"
            "(/^(href|src|action|formaction|xlink:href)$/.test(m)&&/^\\s*javascript:/"
            "i.test(a.value)))"
            "e.removeAttribute(a.name);}}"
            "while(d.body.firstChild)t.appendChild(document.adoptNode(d.body.firstChild));}"
            // Blocks not laid out yet count as high as the page's first one,
            // which is on the screen and laid out here anyway.
            "var first=null;for(var i=0;i<blocks.length;i++){var c=document.createElement('div');"
            "c.style.cssText='content-visibility:auto;"
            "contain-intrinsic-size:auto var(--velkora-block-height,4000px)';"
            "b.appendChild(c);first=first||c;for(var r=0;r<blocks[i].length;r++)"
            "put(c,blocks[i][r]);}"
            "for(var t=0;t<tail.length;t++)put(b,tail[t]);"
            "if(first&&!h.style.getPropertyValue('--velkora-block-height'))"
            "h.style.setProperty('--velkora-block-height',"
            "Math.ceil(first.getBoundingClientRect().height)+'px');"
            // Laid out before the call returns, as the next frame would.
            "b.offsetHeight;return n;})(") +
        compact(runsOfBlocks) + QLatin1Char(',') + compact(QJsonArray::fromStringList(tailRuns)) +
        QLatin1Char(')');
    return evaluate(script).toInt() == runCount;
}

void WebPageView::waitForPaint() {
    // A frame is painted between an animation-frame callback and the next
    // task; a view the compositor does not draw gives up after a few frames.
    evaluate(QStringLiteral("window.velkoraPainted=false;requestAnimationFrame(function(){"
                            "setTimeout(function(){window.velkoraPainted=true;});});"));
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < paintWaitMs &&
           !evaluate(QStringLiteral("window.velkoraPainted")).toBool()) {
        QEventLoop pause;
        QTimer::singleShot(2, &pause, &QEventLoop::quit);
        pause.exec();
    }
}

void WebPageView::setTextZoom(int level) {
    setZoomFactor(textZoomFactors[qBound(0, level, 4)]);
}

bool WebPageView::runScript(const QString &script) {
    return evaluate(QStringLiteral("(function(){") + script + QStringLiteral("\n;return true;})()"))
        .toBool();
}

QList<ControlState> WebPageView::controls() {
    const QVariant value = evaluate(QStringLiteral(
        "Array.prototype.map.call(document.querySelectorAll('input,select'),function(e){"
        "return [e.id,e.name||'',e.type||'',!!e.checked,e.value==null?'':String(e.value)];})"));
    QList<ControlState> states;
    for (const QVariant &entry : value.toList()) {
        const QVariantList f = entry.toList();
        if (f.size() == 5)
            states.append({f[0].toString(), f[1].toString(), f[2].toString(), f[3].toBool(),
                           f[4].toString()});
    }
    return states;
}

bool WebPageView::setElementColor(const QString &elementId, const QString &color) {
    return evaluate(QStringLiteral("(function(){var e=document.getElementById(%1);if(!e)return "
                                   "false;e.style.color=%2;return true;})()")
                        .arg(jsString(elementId), jsString(color)))
        .toBool();
}

bool WebPageView::setBodyFontSize(int pixels) {
    return evaluate(QStringLiteral("(function(){if(!document.body)return false;"
                                   "document.body.style.fontSize='%1px';return true;})()")
                        .arg(pixels))
        .toBool();
}

bool WebPageView::definesFunctions(const QStringList &names) {
    if (names.isEmpty())
        return true;
    QStringList checks;
    for (const QString &name : names)
        checks << QStringLiteral("typeof window[%1]==='function'").arg(jsString(name));
    return evaluate(checks.join(QStringLiteral("&&"))).toBool();
}

bool WebPageView::presetControls(const QStringList &checkedIds,
                                 const QList<std::pair<QString, QString>> &selections) {
    QJsonArray values;
    for (const auto &[id, value] : selections)
        values.append(QJsonArray{id, value});
    const QString script =
        QStringLiteral(
            "(function(c,v){var e,i;for(i=0;i<c.length;i++){e=document.getElementById(c[i]);"
            "if(e)e.checked=true;}for(i=0;i<v.length;i++){"
            "e=document.getElementById(v[i][0]);if(e)e.value=v[i][1];}return true;})(") +
        QString::fromUtf8(
            QJsonDocument(QJsonArray::fromStringList(checkedIds)).toJson(QJsonDocument::Compact)) +
        QLatin1Char(',') + QString::fromUtf8(QJsonDocument(values).toJson(QJsonDocument::Compact)) +
        QLatin1Char(')');
    return evaluate(script).toBool();
}

void WebPageView::contextMenuEvent(QContextMenuEvent *event) {
    // No reload, back or "open link": the page must not navigate on its own.
    event->accept();
}

} // namespace velkora
