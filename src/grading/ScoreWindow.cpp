#include "grading/ScoreWindow.h"

#include "chrome/ButtonPictures.h"
#include "grading/ScoreReport.h"
#include "page/WebPageView.h"

#include <QEvent>
#include <QFrame>
#include <QLoggingCategory>

namespace velkora {

Q_LOGGING_CATEGORY(lcScore, "velkora.grading")

namespace {
constexpr int clientWidth = 915;
constexpr int clientHeight = 450;
constexpr int stripHeight = 41;
// The smallest text size: a full report, totals included, fits the window.
constexpr int reportTextZoom = 0;
} // namespace

ScoreWindow::ScoreWindow(QList<ScoreRow> rows, const QString &templatePath,
                         const PictureButton::Resolver &resolver, QWidget *parent)
    : QDialog(parent), m_rows(std::move(rows)), m_pageView(new WebPageView(this)),
      m_close(makePictureButton(QStringLiteral("Image1"), resolver, nullptr)),
      m_presenter(*m_pageView, templatePath) {
    setObjectName(QStringLiteral("TForm15"));
    setWindowTitle(QStringLiteral("测试结果"));
    setFixedSize(clientWidth, clientHeight);
    setStyleSheet(
        QStringLiteral("#TForm15 { background: #eef4f7; } "
                       "#Panel1 { background: #dbe8ee; border-top: 1px solid #b9cfd9; }"));

    m_pageView->setObjectName(QStringLiteral("WebBrowser1"));
    m_pageView->setGeometry(1, 1, 913, 407);

    auto *strip = new QFrame(this);
    strip->setObjectName(QStringLiteral("Panel1"));
    strip->setGeometry(0, clientHeight - stripHeight, clientWidth, stripHeight);
    m_close->setParent(strip);
    m_close->setFixedSize(105, 33);
    m_close->move(696, 4);
    connect(m_close, &PictureButton::clicked, this, &QDialog::close);

    m_timer2.setSingleShot(true);
    m_timer2.setInterval(reportDelayMs);
    connect(&m_timer2, &QTimer::timeout, this, &ScoreWindow::buildReport);
}

void ScoreWindow::showEvent(QShowEvent *event) {
    if (const QWidget *owner = parentWidget()) {
        const QRect area = owner->window()->frameGeometry();
        const QSize frame = frameGeometry().size();
        move(area.x() + (area.width() - frame.width()) / 2,
             area.y() + (area.height() - frame.height()) / 2);
    }
    QDialog::showEvent(event);
    // Not every platform activates a window on show; either way one build.
    m_timer2.start();
}

void ScoreWindow::changeEvent(QEvent *event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_timer2.start();
    QDialog::changeEvent(event);
}

void ScoreWindow::buildReport() {
    // Loading the template waits in an event loop, where the next activation
    // may come in: it is served after this build instead of inside it.
    if (m_building) {
        m_buildAgain = true;
        return;
    }
    m_building = true;
    do {
        m_buildAgain = false;
        buildOnce();
    } while (m_buildAgain);
    m_building = false;
    emit reportShown();
}

void ScoreWindow::buildOnce() {
    const ShowResult shown = m_presenter.show(scoreReportFragments(m_rows), reportTextZoom);
    if (shown == ShowResult::TemplateMissing || shown == ShowResult::LoadFailed)
        qCWarning(lcScore) << "score report not shown: page template" << m_presenter.templatePath()
                           << "did not load";
}

} // namespace velkora
