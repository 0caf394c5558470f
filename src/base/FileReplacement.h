#pragma once

#include <QString>

class QIODevice;

namespace velkora {

// Puts a finished file in the place of another in one step: a process that
// stops at any moment leaves either the old file or the new one under the
// target's name. Both must be on the same file system (the new file is
// made beside the target). False (and logged) on failure.
bool replaceFile(const QString &finishedPath, const QString &targetPath);

// Puts the file's content on disk before it is renamed into place, so a
// power cut cannot leave a file of the new name with parts of its content
// missing. False (and logged) on failure.
bool syncToDisk(const QString &path);

// Copies what is left of `from` into `to` in chunks, so that a large bank is
// never held in memory whole. False when a read or a write fails.
bool copyContent(QIODevice &from, QIODevice &to);

} // namespace velkora
