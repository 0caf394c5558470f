#pragma once

#include <QString>

class QAbstractButton;
class QAction;
class QWidget;

namespace velkora {

// A command of a window: an action of `window` named after the designer
// component that carries it, so that tests, shortcuts and other windows can
// run it without a click. The caller connects the action to what the
// command does.
QAction *addWindowCommand(QWidget *window, const QString &name);
// The same for the command of `button`, which takes its name and runs it.
QAction *addWindowCommand(QWidget *window, QAbstractButton *button);

} // namespace velkora
