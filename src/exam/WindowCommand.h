#pragma once

#include <QAbstractButton>
#include <QAction>

namespace velkora {

// A command of an exam window: an action on the window under the button's
// designer name, run by that button, so the command can also be triggered
// without a click.
inline QAction *bindCommand(QWidget *window, QAbstractButton *button) {
    auto *action = new QAction(button->text(), window);
    action->setObjectName(button->objectName());
    window->addAction(action);
    QObject::connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
    return action;
}

} // namespace velkora
