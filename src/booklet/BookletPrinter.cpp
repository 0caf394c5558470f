#include "booklet/BookletPrinter.h"

#include "page/WebPageView.h"

#include <QLoggingCategory>
#include <QPageLayout>
#include <QPageSize>
#include <QPointer>
#include <QWebEngineSettings>

namespace velkora {

Q_LOGGING_CATEGORY(lcBookletPrint, "velkora.booklet")

namespace {
constexpr int timeoutMs = 5 * 60 * 1000;

QPageLayout a4Layout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(16, 18, 16, 18),
                       QPageLayout::Millimeter);
}
} // namespace

BookletPrinter::BookletPrinter(QObject *parent)
    : QObject(parent), m_page(new InterceptingPage(this)) {
    m_page->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    connect(m_page, &QWebEnginePage::loadFinished, this, &BookletPrinter::loadFinished);
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(timeoutMs);
    connect(&m_timeout, &QTimer::timeout, this, [this] { fail(Failure::TimedOut); });
}

BookletPrinter::~BookletPrinter() = default;

void BookletPrinter::print(const QUrl &document) {
    ++m_job;
    m_loading = true;
    m_timeout.start();
    m_page->load(document);
}

void BookletPrinter::cancel() {
    ++m_job; // a print still under way reports to no one
    m_timeout.stop();
    if (std::exchange(m_loading, false))
        m_page->triggerAction(QWebEnginePage::Stop);
}

void BookletPrinter::loadFinished(bool ok) {
    if (!std::exchange(m_loading, false))
        return;
    if (!ok) {
        fail(Failure::LoadFailed);
        return;
    }
    emit loaded();
    const quint64 job = m_job;
    QPointer<BookletPrinter> self(this);
    m_page->printToPdf(
        [self, job](const QByteArray &pdf) {
            if (!self || job != self->m_job)
                return;
            self->m_timeout.stop();
            if (pdf.isEmpty())
                self->fail(Failure::PrintFailed);
            else
                emit self->printed(pdf);
        },
        a4Layout());
}

void BookletPrinter::fail(Failure failure) {
    qCWarning(lcBookletPrint) << "booklet not printed:" << int(failure);
    cancel();
    emit failed(failure);
}

} // namespace velkora
