#include "base/FileReplacement.h"

#include <QFile>
#include <QLoggingCategory>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace velkora {

Q_LOGGING_CATEGORY(lcReplace, "velkora.maintenance")

namespace {
constexpr qint64 chunkSize = 1 << 20;
}

bool replaceFile(const QString &finishedPath, const QString &targetPath) {
    // rename(2) replaces the target atomically; Qt's own rename refuses an
    // existing target.
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(finishedPath).toStdString(),
                            QFile::encodeName(targetPath).toStdString(), error);
    if (error) {
        qCWarning(lcReplace) << "file not put in place:" << targetPath
                             << QString::fromStdString(error.message());
        return false;
    }
    return true;
}

bool syncToDisk(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || ::fsync(file.handle()) != 0) {
        qCWarning(lcReplace) << "file not put on disk:" << path << qt_error_string(errno);
        return false;
    }
    return true;
}

bool copyContent(QIODevice &from, QIODevice &to) {
    while (!from.atEnd()) {
        const QByteArray chunk = from.read(chunkSize);
        if (chunk.isEmpty() || to.write(chunk) != chunk.size())
            return false;
    }
    return true;
}

} // namespace velkora
