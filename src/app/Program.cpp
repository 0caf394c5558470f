#include "app/Program.h"

#include "app/ProgramCommands.h"
#include "browse/MainWindow.h"
#include "browse/ReadingPlace.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

namespace velkora {

Program::Program(DataLocation data)
    : m_data(std::move(data)), m_config(AppConfig::load(m_data.folder().configPath())),
      m_bank(m_data.folder().bankPath()),
      m_window(std::make_unique<MainWindow>(m_data.folder(), m_bank, m_messages)),
      m_commands(std::make_unique<ProgramCommands>(*m_window, m_data.folder(), m_bank, m_config,
                                                   m_messages)) {
    m_messages.setParent(m_window.get());
    const QString configFolder =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    m_window->rememberPlaces(std::make_unique<ReadingPlaceMemory>(
        QDir(configFolder).filePath(QStringLiteral("velkora.conf")), m_data.folder().bankPath()));
}

Program::~Program() = default;

void Program::start() {
    m_window->start();
    if (!m_window->bankOpened())
        m_messages.inform(!m_data.problem().isEmpty()
                              ? m_data.problem()
                              : m_bank.problem() +
                                    QStringLiteral("\n请重新安装 Velkora，"
                                                   "或用“数据恢复”从备份中恢复题库。"));
    m_commands->scheduleStartupCheck();
}

void Program::bringToFront() {
    m_window->setWindowState((m_window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    m_window->raise();
    m_window->activateWindow();
    if (QWidget *modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

} // namespace velkora
