#include "base/DataLocation.h"
#include "store/BankConnection.h"
#include "store/BankFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace velkora;

namespace {

QByteArray contentOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// An installed program folder with its bank, and a user data folder apart.
class DataLocationTest : public ::testing::Test {
protected:
    DataLocationTest() {
        QDir(program.path()).mkpath("Data");
        writeBankFile(program.filePath("Data/med.mdb"));
        installedBank = contentOf(program.filePath("Data/med.mdb"));
    }
    DataLocation readOnly() const {
        return DataLocation::resolve(ProgramFolder(program.path()), DataLocation::Access::ReadOnly,
                                     userData());
    }
    QString userData() const { return home.filePath("Velkora"); }

    QTemporaryDir program;
    QTemporaryDir home;
    QByteArray installedBank;
};

} // namespace

TEST_F(DataLocationTest, AWritableProgramFolderKeepsTheLearnersFiles) {
    const ProgramFolder installed(program.path());
    ASSERT_EQ(DataLocation::probe(installed), DataLocation::Access::Writable);
    const DataLocation data =
        DataLocation::resolve(installed, DataLocation::Access::Writable, userData());
    EXPECT_EQ(data.folder().bankPath(), program.filePath("Data/med.mdb"));
    EXPECT_EQ(data.folder().publishedDatePath(), program.filePath("tmp.ini"));
    EXPECT_TRUE(data.problem().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(userData()));
    // The probe leaves nothing behind.
    EXPECT_EQ(
        QDir(program.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList{"Data"});
}

TEST_F(DataLocationTest, AReadOnlyProgramFolderIsFoundByTheProbe) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders; the install test covers it";
    QFile::setPermissions(program.filePath("Data"), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(DataLocation::probe(ProgramFolder(program.path())), DataLocation::Access::ReadOnly);
    QFile::setPermissions(program.filePath("Data"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(DataLocationTest, AReadOnlyProgramFolderSeedsTheBankOnceAndKeepsTheLearnersCopy) {
    const DataLocation first = readOnly();
    const ProgramFolder &folder = first.folder();
    EXPECT_TRUE(first.problem().isEmpty());
    EXPECT_EQ(folder.bankPath(), QDir(userData()).filePath("Data/med.mdb"));
    EXPECT_EQ(folder.publishedDatePath(), QDir(userData()).filePath("tmp.ini"));
    // Program files are still read where the program was installed.
    EXPECT_EQ(folder.templatePath(), program.filePath("yk.html"));
    EXPECT_EQ(contentOf(folder.bankPath()), installedBank);
    EXPECT_EQ(QDir(userData()).entryList({"*"}, QDir::Files | QDir::Hidden), QStringList());
    EXPECT_EQ(QDir(userData() + "/Data").entryList(QDir::Files | QDir::Hidden),
              QStringList{"med.mdb"});
    {
        BankConnection bank(folder.bankPath(), "data-location-test");
        ASSERT_TRUE(bank.open()) << bank.problem().toStdString();
    }

    // The learner's bank changes; a later start must not copy over it.
    QFile learnerBank(folder.bankPath());
    ASSERT_TRUE(learnerBank.open(QIODevice::Append));
    learnerBank.write("favourites");
    learnerBank.close();
    const QByteArray changed = contentOf(folder.bankPath());
    EXPECT_EQ(contentOf(readOnly().folder().bankPath()), changed);
    EXPECT_EQ(contentOf(program.filePath("Data/med.mdb")), installedBank);
}

TEST_F(DataLocationTest, WithoutAnInstalledBankTheBankIsReportedMissing) {
    QFile::remove(program.filePath("Data/med.mdb"));
    const DataLocation data = readOnly();
    EXPECT_TRUE(data.problem().isEmpty());
    BankConnection bank(data.folder().bankPath(), "data-location-test");
    EXPECT_FALSE(bank.open());
    EXPECT_TRUE(bank.problem().startsWith("找不到题库文件")) << bank.problem().toStdString();
}

TEST_F(DataLocationTest, AFailedCopyIsExplainedAndLeavesNoBank) {
    // A file where the data folder should be: no one can make folders in it.
    QFile blocker(userData());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const DataLocation data = readOnly();
    EXPECT_TRUE(data.problem().startsWith("无法把题库复制到")) << data.problem().toStdString();
    EXPECT_FALSE(QFileInfo::exists(data.folder().bankPath()));
    EXPECT_EQ(contentOf(program.filePath("Data/med.mdb")), installedBank);
}
