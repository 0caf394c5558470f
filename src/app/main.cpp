#include "app/ActivationWatcher.h"
#include "app/AppConfig.h"
#include "app/ChineseInterface.h"
#include "app/DataLocation.h"
#include "app/DialogMessages.h"
#include "app/Logging.h"
#include "app/ProgramCommands.h"
#include "app/ProgramFolder.h"
#include "app/ProgramState.h"
#include "app/RaiseOnShow.h"
#include "app/SingleInstance.h"
#include "app/WebEngineSetup.h"
#include "browse/MainWindow.h"
#include "store/BankConnection.h"

#include <QApplication>

using namespace velkora;

int main(int argc, char *argv[]) {
    prepareWebEngine();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velkora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velkora"));
    QGuiApplication::setDesktopFileName(QStringLiteral("velkora"));
    installChineseInterface(app);
    installLogging();
    RaiseOnShow raiseOnShow;
    app.installEventFilter(&raiseOnShow);

    const DataLocation data = DataLocation::ofApplication(ProgramFolder::ofApplication());
    const ProgramFolder &folder = data.folder();
    // One program per bank: a second start brings the first to the front.
    SingleInstance instance(folder.learnerDir());
    if (const SingleInstance::Start start = instance.claim();
        start != SingleInstance::Start::First) {
        if (start == SingleInstance::Start::OtherUnreachable)
            DialogMessages().inform(
                QStringLiteral("Velkora 已在运行，但没有响应。请关闭它后再启动 Velkora。"));
        return 0;
    }
    const AppConfig config = AppConfig::load(folder.configPath());
    BankConnection bank(folder.bankPath());
    ProgramState program;
    DialogMessages messages;

    MainWindow window(folder, bank, program, config, messages);
    messages.setParent(&window);
    ProgramCommands commands(window, folder, bank, program, config, messages);
    ActivationWatcher watcher(&window);
    QObject::connect(&watcher, &ActivationWatcher::activatedAgain, &window,
                     &MainWindow::activatedAgain);
    QObject::connect(&instance, &SingleInstance::activationRequested, &window, [&window] {
        window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        window.raise();
        window.activateWindow();
        if (QWidget *modal = QApplication::activeModalWidget()) {
            modal->raise();
            modal->activateWindow();
        }
    });

    window.refreshTree();
    window.show();
    window.activate();
    if (!window.bankOpened())
        messages.inform(!data.problem().isEmpty()
                            ? data.problem()
                            : bank.problem() + QStringLiteral("\n请重新安装 Velkora，"
                                                              "或用“数据恢复”从备份中恢复题库。"));
    commands.scheduleStartupCheck();
    return app.exec();
}
