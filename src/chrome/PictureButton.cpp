#include "chrome/PictureButton.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace velkora {

Q_LOGGING_CATEGORY(lcPictures, "velkora.chrome")

QPixmap cachedPicture(const QString &filePath) {
    struct Entry {
        QDateTime modified;
        qint64 size = -1;
        QPixmap picture;
    };
    static QHash<QString, Entry> cache;
    const QFileInfo file(filePath);
    if (!file.isFile()) {
        cache.remove(filePath);
        return {};
    }
    Entry &entry = cache[filePath];
    if (entry.picture.isNull() || entry.modified != file.lastModified() ||
        entry.size != file.size()) {
        entry.modified = file.lastModified();
        entry.size = file.size();
        entry.picture.load(filePath);
    }
    return entry.picture;
}

PictureButton::PictureButton(const QString &objectName, const QString &faceText, Pictures pictures,
                             Resolver resolver, QWidget *parent)
    : QAbstractButton(parent), m_pictures(std::move(pictures)), m_resolve(std::move(resolver)) {
    setObjectName(objectName);
    setText(faceText);
    setAccessibleName(faceText);
    setToolTip(faceText);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    showPicture(m_pictures.normal);
    setFixedSize(m_picture.isNull() ? sizeHint() : m_picture.size());
}

QSize PictureButton::sizeHint() const {
    if (!m_picture.isNull())
        return m_picture.size();
    const QSize textSize = fontMetrics().size(Qt::TextSingleLine, text());
    return {qMax(textSize.width() + 16, 28), qMax(textSize.height() + 8, 25)};
}

void PictureButton::showPicture(const QString &name) {
    if (name.isEmpty())
        return; // a button drawn by its face text alone
    const QString file = m_resolve(name);
    const QPixmap picture = cachedPicture(file);
    if (picture.isNull()) {
        // Keep what is shown; the first time only, say why.
        if (!std::exchange(m_missingLogged, true))
            qCWarning(lcPictures) << objectName() << "picture not readable:" << file;
        return;
    }
    m_picture = picture;
    m_shown = name;
    update();
}

void PictureButton::paintEvent(QPaintEvent *) {
    if (m_picture.isNull()) {
        QStylePainter painter(this);
        QStyleOptionButton option;
        option.initFrom(this);
        option.text = text();
        if (isDown())
            option.state |= QStyle::State_Sunken;
        painter.drawControl(QStyle::CE_PushButton, option);
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void PictureButton::enterEvent(QEnterEvent *event) {
    showPicture(m_pictures.hover);
    QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent *event) {
    showPicture(m_pictures.normal);
    QAbstractButton::leaveEvent(event);
}

void PictureButton::mouseMoveEvent(QMouseEvent *event) {
    if (!(event->buttons() & Qt::LeftButton) && m_shown != m_pictures.hover)
        showPicture(m_pictures.hover);
    QAbstractButton::mouseMoveEvent(event);
}

void PictureButton::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        showPicture(m_pictures.pressed);
    QAbstractButton::mousePressEvent(event);
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        showPicture(m_pictures.hover);
    QAbstractButton::mouseReleaseEvent(event);
}

void PictureButton::keyPressEvent(QKeyEvent *event) {
    // Like the program's other buttons, Enter presses a focused one too.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        animateClick();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace velkora
