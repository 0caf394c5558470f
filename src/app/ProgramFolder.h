#pragma once

#include <QString>

namespace velkora {

// The folder the program was installed in: the executable's folder, never
// the working directory. Names inside it are found without regard to letter
// case, since the data files spell some of them in varying case.
class ProgramFolder {
public:
    explicit ProgramFolder(QString dir);
    static ProgramFolder ofApplication();

    QString dir() const { return m_dir; }
    // Absolute path of a relative name ("mv/KSTK-2.jpg"); when no file
    // matches, the name as given under the folder.
    QString path(const QString &relative) const;

    // A picture name of a bank as the page should ask for it: as stored when
    // that file exists (or nothing matches), else the file that matches it
    // without regard to letter case, relative to the folder. Banks made on
    // other systems spell "Tupian/A.JPG" for tupian/a.jpg, or use "\\".
    QString locatePicture(const QString &stored) const;

    QString bankPath() const { return path(QStringLiteral("Data/med.mdb")); }
    QString templatePath() const { return path(QStringLiteral("yk.html")); }
    QString configPath() const { return path(QStringLiteral("velkora.ini")); }

private:
    QString m_dir;
};

} // namespace velkora
