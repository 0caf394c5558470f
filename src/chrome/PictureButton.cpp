#include "chrome/PictureButton.h"

#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPixmap>

namespace velkora {

Q_LOGGING_CATEGORY(lcPictures, "velkora.chrome")

PictureButton::PictureButton(const QString &objectName, Pictures pictures, Resolver resolver,
                             QWidget *parent)
    : QLabel(parent), m_pictures(std::move(pictures)), m_resolve(std::move(resolver)) {
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    showPicture(m_pictures.normal);
    if (!pixmap().isNull())
        setFixedSize(pixmap().size());
}

void PictureButton::showPicture(const QString &name) {
    const QString file = m_resolve(name);
    QPixmap picture;
    if (!picture.load(file)) {
        qCWarning(lcPictures) << objectName() << "picture not readable:" << file;
        return;
    }
    setPixmap(picture);
    m_shown = name;
}

void PictureButton::enterEvent(QEnterEvent *) {
    showPicture(m_pictures.hover);
}

void PictureButton::mouseMoveEvent(QMouseEvent *event) {
    if (!(event->buttons() & Qt::LeftButton) && m_shown != m_pictures.hover)
        showPicture(m_pictures.hover);
    QLabel::mouseMoveEvent(event);
}

void PictureButton::leaveEvent(QEvent *) {
    showPicture(m_pictures.normal);
}

void PictureButton::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        showPicture(m_pictures.pressed);
    event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton)
        return;
    event->accept();
    if (rect().contains(event->position().toPoint())) {
        showPicture(m_pictures.hover);
        emit clicked();
    }
}

} // namespace velkora
