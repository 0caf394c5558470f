#include "exam/session/KeyReleaseFilter.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace velkora {

KeyReleaseFilter::KeyReleaseFilter(QObject *parent) : QObject(parent) {}

KeyReleaseFilter::~KeyReleaseFilter() {
    remove();
}

void KeyReleaseFilter::install() {
    if (m_useCount > 0)
        return;
    ++m_useCount;
    QCoreApplication::instance()->installEventFilter(this);
    m_installed = true;
    m_suspended = false;
    m_keyBuffer.clear();
}

void KeyReleaseFilter::remove() {
    if (m_installed && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
    m_installed = false;
}

void KeyReleaseFilter::release() {
    remove();
    m_useCount = 0;
}

void KeyReleaseFilter::suspend() {
    m_suspended = true;
}

void KeyReleaseFilter::resume() {
    m_suspended = false;
    m_keyBuffer.clear();
}

QString KeyReleaseFilter::keyName(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return QString(QChar(u'a' + (key - Qt::Key_A)));
    if (key == Qt::Key_Left)
        return QStringLiteral("1");
    if (key == Qt::Key_Right)
        return QStringLiteral("2");
    return {};
}

bool KeyReleaseFilter::eventFilter(QObject *watched, QEvent *event) {
    // A key reaches the application first at its window, then again at each
    // widget it is passed on to: only the window's delivery is counted.
    if (event->type() != QEvent::KeyRelease || !watched->isWindowType() || m_suspended)
        return false;
    const auto *key = static_cast<const QKeyEvent *>(event);
    if (key->isAutoRepeat())
        return false;

    m_keyBuffer += keyName(key->key());
    const QString buffer = std::exchange(m_keyBuffer, QString());
    if (buffer.size() == 1 && buffer[0] >= u'a' && buffer[0] <= u'h')
        emit optionKeyReleased(buffer.toUpper());
    return false;
}

} // namespace velkora
