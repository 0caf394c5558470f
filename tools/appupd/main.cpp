// app_upd: installs the newest published bank of the learner's subject,
// carrying the learner's records into it, and starts the program again.
#include "UpdaterWindow.h"
#include "app/ChineseInterface.h"
#include "app/DialogMessages.h"
#include "base/AppConfig.h"
#include "base/CompanionProgram.h"
#include "base/DataLocation.h"
#include "base/Logging.h"
#include "update/BankHandover.h"
#include "update/UpdateRun.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>

using namespace velkora;

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    // The program's name: the same user data folder as the program.
    QApplication::setApplicationName(QStringLiteral("Velkora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velkora 数据更新"));
    installLogging();
    installChineseInterface(app);

    const DataLocation data = DataLocation::ofApplication(ProgramFolder::ofApplication());
    const ProgramFolder &folder = data.folder();
    // The program starts the updater at each check that finds newer data;
    // one updater per bank is enough.
    QLockFile updaterLock(QDir(folder.learnerDir()).filePath(QStringLiteral("app_upd.lock")));
    updaterLock.setStaleLockTime(0);
    if (!updaterLock.tryLock(0) && updaterLock.error() == QLockFile::LockFailedError)
        return 0;
    DialogMessages messages;
    const QString subject = BankHandover::subjectOf(folder.bankPath());
    const QString infoUrl = AppConfig::load(folder.configPath()).updateInfoUrl(subject);
    if (subject.isEmpty() || infoUrl.isEmpty()) {
        messages.inform(subject.isEmpty()
                            ? QStringLiteral("无法读出题库的科目，不能更新。原题库没有改动。")
                            : QStringLiteral("velkora.ini 中没有升级服务器的地址，不能更新。"));
        return 1;
    }

    UpdateRun run(folder, infoUrl);
    UpdaterWindow window(run, messages);
    messages.setParent(&window);
    bool updated = false;
    QObject::connect(&window, &UpdaterWindow::done, [&updated](bool ok) { updated = ok; });
    window.show();
    run.start();
    const int status = app.exec();
    if (updated)
        startCompanionProgram(folder, QStringLiteral("velkora"));
    return status;
}
