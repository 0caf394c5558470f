#include "chrome/TitleStrip.h"

#include "chrome/ButtonPictures.h"
#include "chrome/MainWindowCommands.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QWindow>

namespace velkora {

namespace {
constexpr int stripHeight = 25;
// Distances of the buttons' left edges from the strip's right edge.
constexpr int minimiseFromRight = 90;
constexpr int maximiseFromRight = 61;
constexpr int closeFromRight = 32;
constexpr int entrySpacing = 8;
} // namespace

TitleStrip::TitleStrip(const PictureButton::Resolver &resolver, QWidget *parent)
    : QFrame(parent), m_background(resolver(QStringLiteral("mv/title-strip.bmp"))) {
    setObjectName(QStringLiteral("Panel5"));
    setFixedHeight(stripHeight);
    auto button = [&](MainWindowCommand command) {
        return makePictureButton(QLatin1String(designerName(command)), resolver, this);
    };
    m_minimise = button(&MainWindowCommands::minimise);
    m_maximise = button(&MainWindowCommands::maximise);
    m_restore = button(&MainWindowCommands::restoreSize);
    m_close = button(&MainWindowCommands::exit);
    m_restore->hide();
    m_statistics = addCommandButton(QStringLiteral("StudyStatisticsButton"));
    m_review = addCommandButton(QStringLiteral("DailyReviewButton"));
    m_label4 = new QLabel(this);
    m_label4->setObjectName(QStringLiteral("Label4"));
    m_label4->hide();
    m_label2 = new QLabel(QStringLiteral("职业病"), this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->hide();
}

QToolButton *TitleStrip::addCommandButton(const QString &objectName) {
    auto *button = new QToolButton(this);
    button->setObjectName(objectName);
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(QStringLiteral(
        "QToolButton { color: white; background: rgba(255, 255, 255, 30); font-size: 12px; "
        "border: 1px solid rgba(255, 255, 255, 110); border-radius: 3px; padding: 0 8px; } "
        "QToolButton:hover { background: rgba(255, 255, 255, 70); } "
        "QToolButton:pressed { background: rgba(0, 0, 0, 40); }"));
    button->setFixedHeight(stripHeight - 6);
    addEntry(button);
    return button;
}

void TitleStrip::addEntry(QWidget *entry) {
    entry->setParent(this);
    m_entries.append(entry);
    placeEntries();
    entry->show();
}

void TitleStrip::placeEntries() {
    int right = width() - minimiseFromRight - entrySpacing;
    for (QWidget *entry : std::as_const(m_entries)) {
        // The size the entry will take: its hint within its own limits.
        const QSize size = entry->sizeHint()
                               .expandedTo(entry->minimumSize())
                               .boundedTo(entry->maximumSize())
                               .boundedTo(QSize(QWIDGETSIZE_MAX, stripHeight));
        right -= size.width();
        entry->setGeometry(right, (stripHeight - size.height()) / 2, size.width(), size.height());
        right -= entrySpacing;
    }
}

void TitleStrip::showMaximised(bool maximised) {
    m_maximise->setVisible(!maximised);
    m_restore->setVisible(maximised);
}

void TitleStrip::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    if (m_background.isNull())
        painter.fillRect(rect(), QColor(0x1d, 0x5c, 0x73));
    else
        painter.drawPixmap(rect(), m_background);
}

bool TitleStrip::event(QEvent *event) {
    // An entry whose size changed (a count on a button's text) asks its
    // parent for room; the entries are placed again.
    if (event->type() == QEvent::LayoutRequest)
        placeEntries();
    return QFrame::event(event);
}

void TitleStrip::resizeEvent(QResizeEvent *event) {
    QFrame::resizeEvent(event);
    const int w = width();
    m_minimise->move(w - minimiseFromRight, 0);
    m_maximise->move(w - maximiseFromRight, 0);
    m_restore->move(w - maximiseFromRight, 0);
    m_close->move(w - closeFromRight, 0);
    placeEntries();
}

void TitleStrip::mouseMoveEvent(QMouseEvent *event) {
    if ((event->buttons() & Qt::LeftButton) && window()->windowHandle())
        window()->windowHandle()->startSystemMove();
    QFrame::mouseMoveEvent(event);
}

void TitleStrip::mouseDoubleClickEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        emit maximiseToggleRequested();
}

} // namespace velkora
