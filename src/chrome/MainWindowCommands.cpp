#include "chrome/MainWindowCommands.h"

#include "chrome/WindowCommand.h"

namespace velkora {

MainWindowCommands MainWindowCommands::createFor(QWidget *window) {
    MainWindowCommands commands;
    for (const CommandName &entry : commandNames)
        commands.*entry.command = addWindowCommand(window, QLatin1String(entry.designerName));
    return commands;
}

} // namespace velkora
