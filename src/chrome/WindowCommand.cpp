#include "chrome/WindowCommand.h"

#include <QAbstractButton>
#include <QAction>
#include <QWidget>

namespace velkora {

QAction *addWindowCommand(QWidget *window, const QString &name) {
    auto *action = new QAction(window);
    action->setObjectName(name);
    window->addAction(action);
    return action;
}

QAction *addWindowCommand(QWidget *window, QAbstractButton *button) {
    QAction *action = addWindowCommand(window, button->objectName());
    action->setText(button->text());
    QObject::connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
    return action;
}

} // namespace velkora
