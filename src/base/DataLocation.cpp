#include "base/DataLocation.h"

#include "base/FileReplacement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace velkora {

Q_LOGGING_CATEGORY(lcData, "velkora.data")

namespace {

// Empty on success, else why the copy failed. QSaveFile writes a temporary
// file and renames it only when complete: a copy cut short never leaves
// half a bank under the bank's name.
QString copyInstalledBank(QFile &installed, const QString &target) {
    if (!QDir().mkpath(QFileInfo(target).path()))
        return QStringLiteral("无法建立文件夹");
    if (!installed.open(QIODevice::ReadOnly))
        return installed.errorString();
    QSaveFile copy(target);
    if (!copy.open(QIODevice::WriteOnly) || !copyContent(installed, copy) || !copy.commit())
        return installed.error() != QFileDevice::NoError ? installed.errorString()
                                                         : copy.errorString();
    return {};
}

} // namespace

DataLocation::Access DataLocation::probe(const ProgramFolder &installed) {
    const auto takesFiles = [](const QString &dir) {
        QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".velkora-probe-XXXXXX")));
        return probe.open();
    };
    const QString bankDir = QFileInfo(installed.installedBankPath()).path();
    const bool writable =
        takesFiles(installed.dir()) && (!QFileInfo::exists(bankDir) || takesFiles(bankDir));
    return writable ? Access::Writable : Access::ReadOnly;
}

DataLocation DataLocation::resolve(const ProgramFolder &installed, Access access,
                                   const QString &userDataDir) {
    if (access == Access::Writable)
        return DataLocation(installed);
    qCInfo(lcData) << "program folder is read-only; the learner's files live in" << userDataDir;
    DataLocation location(installed.withLearnerFiles(userDataDir));
    location.seedBank();
    return location;
}

DataLocation DataLocation::ofApplication(const ProgramFolder &installed) {
    return resolve(installed, probe(installed),
                   QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

void DataLocation::seedBank() {
    const QString target = m_folder.bankPath();
    QFile installed(m_folder.installedBankPath());
    // Without an installed bank there is nothing to copy; opening the bank
    // then tells the learner it is missing.
    if (QFileInfo::exists(target) || !installed.exists())
        return;
    const QString reason = copyInstalledBank(installed, target);
    if (reason.isEmpty()) {
        qCInfo(lcData) << "copied the installed bank to" << target;
        // The copy is dated as the data it came from, so that a later
        // program bringing newer data can tell.
        QFile::copy(m_folder.installedDatePath(), m_folder.learnerDatePath());
        return;
    }
    qCWarning(lcData) << "installed bank not copied to" << target << reason;
    m_problem = QStringLiteral("无法把题库复制到 %1：%2。\n"
                               "请检查该文件夹的权限和磁盘空间，然后重新启动 Velkora。")
                    .arg(QDir::toNativeSeparators(target), reason);
}

} // namespace velkora
