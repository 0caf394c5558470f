#include "app/ChineseInterface.h"
#include "app/DialogMessages.h"
#include "app/Program.h"
#include "app/RaiseOnShow.h"
#include "app/SingleInstance.h"
#include "app/WebEngineSetup.h"
#include "base/DataLocation.h"
#include "base/Logging.h"
#include "base/ProgramFolder.h"
#include "update/PackagedBankOffer.h"

#include <QApplication>

using namespace velkora;

int main(int argc, char *argv[]) {
    prepareWebEngine();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velkora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velkora"));
    QGuiApplication::setDesktopFileName(QStringLiteral("velkora"));
    installLogging();
    installChineseInterface(app);
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
    // Newer data that came with this program, before the bank is opened.
    DialogMessages offerMessages;
    PackagedBankOffer(folder).offer(offerMessages);
    Program program(data);
    QObject::connect(&instance, &SingleInstance::activationRequested, &instance,
                     [&program] { program.bringToFront(); });
    program.start();
    return app.exec();
}
