#include "maintenance/RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velkora {

Q_LOGGING_CATEGORY(lcRegularFile, "velkora.maintenance")

RegularFile::Access RegularFile::open(QFile &file, const QString &path) {
    // The kind is asked before opening, so no device is ever opened; and
    // asked again of what was opened, in case the name changed meanwhile.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return Access::Missing;
    if (!info.isFile()) {
        qCWarning(lcRegularFile) << path << "is not an ordinary file";
        return Access::NotRegular;
    }
    // Without O_NONBLOCK, opening a named pipe waits for a writer.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        qCWarning(lcRegularFile) << path << "not opened:" << qt_error_string(errno);
        return Access::Unreadable;
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        qCWarning(lcRegularFile) << path << "is not an ordinary file";
        return Access::NotRegular;
    }
    // Reading an ordinary file never waits, so O_NONBLOCK changes nothing
    // from here on.
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Access::Unreadable;
    }
    return Access::Opened;
}

bool RegularFile::startsAsSqlite(const QString &path) {
    static const QByteArray header("SQLite format 3\0", 16);
    QFile file;
    return open(file, path) == Access::Opened && file.read(header.size()) == header;
}

} // namespace velkora
