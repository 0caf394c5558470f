#include "app/RaiseOnShow.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace velkora {

bool RaiseOnShow::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        const Qt::WindowType type = widget->windowType();
        if (widget->isWindow() && type != Qt::ToolTip && type != Qt::Popup) {
            // After the show has reached the window system.
            QTimer::singleShot(0, widget, [window = QPointer<QWidget>(widget)] {
                if (window && window->isVisible())
                    window->raise();
            });
        }
    }
    return false;
}

} // namespace velkora
