#pragma once

#include <QStringList>

namespace velkora {

// A file that is written and checked beside its destination, and only then
// put in place under the destination's name: a new backup, or a restored
// bank. Its name is recognisably ours, so the file a killed process left
// behind is found and removed by the next backup or restore.
class StagingFile {
public:
    // A new, empty file in `folder`; isNull() when none could be made.
    static StagingFile createIn(const QString &folder);
    // Removes what killed processes left in these folders.
    static void removeLeftovers(const QStringList &folders);

    StagingFile() = default;
    StagingFile(StagingFile &&other) noexcept;
    StagingFile &operator=(StagingFile &&other) noexcept;
    StagingFile(const StagingFile &) = delete;
    StagingFile &operator=(const StagingFile &) = delete;
    // Removes the file unless it was put in place.
    ~StagingFile();

    bool isNull() const { return m_path.isEmpty(); }
    QString path() const { return m_path; }
    // Renames the file over `target` in one step; afterwards there is
    // nothing left to remove. False (and logged) on failure.
    bool moveTo(const QString &target);

private:
    explicit StagingFile(QString path) : m_path(std::move(path)) {}
    void remove();

    QString m_path;
};

} // namespace velkora
