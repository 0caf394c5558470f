#include "update/UpdateRun.h"

#include "maintenance/WorkerThread.h"
#include "update/DataDates.h"

#include <QDir>
#include <QLoggingCategory>

namespace velkora {

Q_LOGGING_CATEGORY(lcRun, "velkora.update")

namespace {
const QString tryLater = QStringLiteral("请稍后再试。");
} // namespace

UpdateRun::UpdateRun(ProgramFolder folder, QString updateInfoUrl, QObject *parent)
    : QObject(parent), m_folder(std::move(folder)), m_updateInfoUrl(std::move(updateInfoUrl)),
      m_handover(m_folder), m_programLock(m_folder.lockPath()) {
    // A lock whose program is gone is taken over at once.
    m_programLock.setStaleLockTime(0);
    m_lockRetry.setInterval(std::chrono::milliseconds(500));
    connect(&m_info, &UpdateDownload::finished, this, &UpdateRun::infoFetched);
    connect(&m_download, &BankDownload::progress, this, &UpdateRun::progress);
    connect(&m_download, &BankDownload::finished, this, &UpdateRun::downloaded);
    connect(&m_lockRetry, &QTimer::timeout, this, &UpdateRun::tryLock);
}

UpdateRun::~UpdateRun() = default;

void UpdateRun::start() {
    if (m_step != Step::Idle)
        return;
    m_step = Step::FetchingInfo;
    emit stepChanged(QStringLiteral("正在查询最新的数据……"));
    m_info.start(QUrl(m_updateInfoUrl), m_folder.publishedDatePath());
}

void UpdateRun::cancel() {
    if (!canCancel())
        return;
    m_download.cancel(); // ends the run itself when a download is under way
    if (m_step != Step::Done)
        end(false, QStringLiteral("更新已取消。原题库没有改动。"));
}

void UpdateRun::infoFetched(bool saved) {
    if (m_step != Step::FetchingInfo)
        return;
    if (!saved) {
        end(false, QStringLiteral("无法连接升级服务器。") + tryLater);
        return;
    }
    const std::optional<PublishedRelease> release =
        PublishedRelease::read(m_folder.publishedDatePath());
    if (!release) {
        end(false, QStringLiteral("升级服务器没有给出数据日期。") + tryLater);
        return;
    }
    if (release->date <= dataDates::learners(m_folder)) {
        end(false, QStringLiteral("当前数据已是最新版本"));
        return;
    }
    if (!release->hasBank()) {
        end(false, QStringLiteral("升级服务器上还没有新的题库文件。") + tryLater);
        return;
    }
    m_release = *release;
    m_downloadFile = std::make_unique<QTemporaryFile>(
        QDir::temp().filePath(QStringLiteral("velkora-download-XXXXXX")));
    if (!m_downloadFile->open()) {
        end(false, QStringLiteral("无法保存下载的题库：") + m_downloadFile->errorString());
        return;
    }
    m_step = Step::Downloading;
    emit stepChanged(QStringLiteral("正在下载 %1 的题库……")
                         .arg(m_release.date.toString(QStringLiteral("yyyy-MM-dd"))));
    m_download.start(m_release.bankUrl(QUrl(m_updateInfoUrl)), m_release.bankSize,
                     m_release.bankSha256, m_downloadFile->fileName());
}

void UpdateRun::downloaded(BankDownload::Outcome outcome) {
    if (m_step != Step::Downloading)
        return;
    switch (outcome) {
    case BankDownload::Outcome::Complete:
        break;
    case BankDownload::Outcome::Cancelled:
        return; // cancel() ends the run
    case BankDownload::Outcome::Incomplete:
        end(false,
            QStringLiteral("下载的题库不完整（大小或校验和不对）。原题库没有改动。") + tryLater);
        return;
    case BankDownload::Outcome::Unreachable:
        end(false, QStringLiteral("下载题库时升级服务器没有应答。原题库没有改动。") + tryLater);
        return;
    case BankDownload::Outcome::NotWritten:
        end(false, QStringLiteral("无法保存下载的题库，请检查磁盘空间。原题库没有改动。"));
        return;
    }
    m_step = Step::Checking;
    emit stepChanged(QStringLiteral("正在检查下载的题库……"));
    BankHandover::Outcome staged = BankHandover::Outcome::Failed;
    runOnWorkerThread([&] { staged = m_handover.stage(m_downloadFile->fileName()); });
    m_downloadFile.reset();
    if (staged != BankHandover::Outcome::Staged) {
        end(false, m_handover.problem());
        return;
    }
    m_step = Step::WaitingForProgram;
    tryLock();
}

void UpdateRun::tryLock() {
    if (m_step != Step::WaitingForProgram)
        return;
    // A folder that takes no lock file has no program guarding it either.
    if (!m_programLock.tryLock(0) && m_programLock.error() == QLockFile::LockFailedError) {
        if (!m_lockRetry.isActive()) {
            emit stepChanged(QStringLiteral("新的题库已下载并检查无误。\n"
                                            "请关闭 Velkora，关闭后更新会自动完成。"));
            m_lockRetry.start();
        }
        return;
    }
    m_lockRetry.stop();
    install();
}

void UpdateRun::install() {
    m_step = Step::Installing;
    emit stepChanged(QStringLiteral("正在把您的收藏、错题和学习记录转入新的题库……"));
    BankHandover::Outcome installed = BankHandover::Outcome::Failed;
    runOnWorkerThread([&] { installed = m_handover.install(m_release.date); });
    if (installed != BankHandover::Outcome::Installed) {
        end(false, m_handover.problem());
        return;
    }
    end(true, QStringLiteral("题库已更新到 %1 的数据，您的收藏、错题和学习记录都已转入。")
                  .arg(m_release.date.toString(QStringLiteral("yyyy-MM-dd"))));
}

void UpdateRun::end(bool updated, const QString &message) {
    if (m_step == Step::Done)
        return;
    m_step = Step::Done;
    m_lockRetry.stop();
    m_download.cancel();
    m_downloadFile.reset();
    m_handover = BankHandover(m_folder);
    if (m_programLock.isLocked())
        m_programLock.unlock();
    qCInfo(lcRun) << "update ended:" << updated << message;
    emit finished(updated, message);
}

} // namespace velkora
