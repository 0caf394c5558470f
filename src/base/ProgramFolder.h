#pragma once

#include <QString>

namespace velkora {

// The folder the program was installed in: the executable's folder, never
// the working directory. Names inside it are found without regard to letter
// case, since the data files spell some of them in varying case.
//
// The learner's own files (the bank, the last fetched data date) live in the
// program folder too, unless the folder is read-only: then DataLocation
// gives them a folder of their own (withLearnerFiles).
class ProgramFolder {
public:
    explicit ProgramFolder(const QString &dir);
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

    QString templatePath() const { return path(QStringLiteral("yk.html")); }
    QString configPath() const { return path(QStringLiteral("velkora.ini")); }
    // The bank that came with the program.
    QString installedBankPath() const { return path(bankName()); }

    // The same program with the learner's files in `learnerDir`.
    ProgramFolder withLearnerFiles(const QString &learnerDir) const;
    QString learnerDir() const { return m_learnerDir; }
    // The bank the program works on: favourites, wrong-question marks and
    // papers are written into it.
    QString bankPath() const { return resolve(m_learnerDir, bankName()); }
    // The data date last fetched from the update server.
    QString publishedDatePath() const { return resolve(m_learnerDir, QStringLiteral("tmp.ini")); }
    // The date of the data that came with the program.
    QString installedDatePath() const { return path(dateName()); }
    // The date of the learner's bank: the same file as installedDatePath()
    // unless the learner's files live in a folder of their own.
    QString learnerDatePath() const { return resolve(m_learnerDir, dateName()); }
    // Held by the running program: while it exists and is locked, the
    // learner's bank is open and must not be replaced.
    QString lockPath() const { return resolve(m_learnerDir, lockName()); }

    static QString bankName() { return QStringLiteral("Data/med.mdb"); }
    static QString dateName() { return QStringLiteral("predate.ini"); }
    static QString lockName() { return QStringLiteral("velkora.lock"); }

private:
    static QString resolve(const QString &folder, const QString &relative);

    QString m_dir;
    QString m_learnerDir;
};

} // namespace velkora
