#include "base/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace velkora {

ProgramFolder::ProgramFolder(const QString &dir)
    : m_dir(QDir::cleanPath(dir)), m_learnerDir(m_dir) {}

ProgramFolder ProgramFolder::ofApplication() {
    return ProgramFolder(QCoreApplication::applicationDirPath());
}

ProgramFolder ProgramFolder::withLearnerFiles(const QString &learnerDir) const {
    ProgramFolder moved = *this;
    moved.m_learnerDir = QDir::cleanPath(learnerDir);
    return moved;
}

QString ProgramFolder::path(const QString &relative) const {
    return resolve(m_dir, relative);
}

QString ProgramFolder::resolve(const QString &folder, const QString &relative) {
    const QStringList elements =
        QDir::fromNativeSeparators(relative).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QDir dir(folder);
    QString resolved = folder;
    for (const QString &element : elements) {
        QString match = element;
        if (!QFileInfo::exists(dir.filePath(element))) {
            const QStringList entries =
                dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
            for (const QString &entry : entries) {
                if (entry.compare(element, Qt::CaseInsensitive) == 0) {
                    match = entry;
                    break;
                }
            }
        }
        resolved = dir.filePath(match);
        dir.setPath(resolved);
    }
    return resolved;
}

QString ProgramFolder::locatePicture(const QString &stored) const {
    QString relative = stored.trimmed();
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QDir dir(m_dir);
    if (relative.isEmpty() || QFileInfo::exists(dir.filePath(stored.trimmed())))
        return stored;
    const QString found = path(relative);
    return QFileInfo::exists(found) ? dir.relativeFilePath(found) : stored;
}

} // namespace velkora
