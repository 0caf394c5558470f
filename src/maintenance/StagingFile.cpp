#include "maintenance/StagingFile.h"

#include "base/FileReplacement.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryFile>

namespace velkora {

Q_LOGGING_CATEGORY(lcStaging, "velkora.maintenance")

namespace {
// Hidden, and unlike any name a learner gives a file. SQLite's own
// "-journal" of a copy being written starts with it too.
const QString prefix = QStringLiteral(".velkora-staging-");
} // namespace

StagingFile StagingFile::createIn(const QString &folder) {
    QTemporaryFile file(QDir(folder).filePath(prefix + QStringLiteral("XXXXXX")));
    if (!file.open()) {
        qCWarning(lcStaging) << "no staging file in" << folder << file.errorString();
        return {};
    }
    file.setAutoRemove(false);
    return StagingFile(file.fileName());
}

void StagingFile::removeLeftovers(const QStringList &folders) {
    for (const QString &folder : folders) {
        if (folder.isEmpty())
            continue;
        const QDir dir(folder);
        const QStringList leftovers =
            dir.entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System);
        for (const QString &name : leftovers) {
            qCInfo(lcStaging) << "removing a staging file left by an unfinished backup or restore"
                              << dir.filePath(name);
            QFile::remove(dir.filePath(name));
        }
    }
}

StagingFile::StagingFile(StagingFile &&other) noexcept : m_path(std::exchange(other.m_path, {})) {}

StagingFile &StagingFile::operator=(StagingFile &&other) noexcept {
    if (this != &other) {
        remove();
        m_path = std::exchange(other.m_path, {});
    }
    return *this;
}

StagingFile::~StagingFile() {
    remove();
}

bool StagingFile::moveTo(const QString &target) {
    if (isNull() || !replaceFile(m_path, target))
        return false;
    m_path.clear();
    return true;
}

void StagingFile::remove() {
    if (!isNull())
        QFile::remove(m_path);
    m_path.clear();
}

} // namespace velkora
