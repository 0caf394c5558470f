#include "base/ProgramFolder.h"
#include "base/AppConfig.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkora;

namespace {
void touch(const QString &path) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
}
} // namespace

TEST(ProgramFolder, FindsNamesWithoutRegardToLetterCase) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("mv");
    QDir(dir.path()).mkpath("Data");
    touch(dir.filePath("mv/kstk-2.jpg"));
    touch(dir.filePath("Data/med.mdb"));
    const ProgramFolder folder(dir.path());
    EXPECT_EQ(folder.path("mv/KSTK-2.jpg"), dir.filePath("mv/kstk-2.jpg"));
    EXPECT_EQ(folder.path("/data/MED.mdb"), dir.filePath("Data/med.mdb"));
    EXPECT_EQ(folder.bankPath(), dir.filePath("Data/med.mdb"));
    // Unknown names stay as given, under the folder.
    EXPECT_EQ(folder.path("mv/none.bmp"), dir.filePath("mv/none.bmp"));
}

TEST(AppConfig, UpdateAddressNeedsHostAndSubject) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("velkora.ini");
    QFile file(ini);
    file.open(QIODevice::WriteOnly);
    file.write("[update]\nhost=data.example.test\n[feedback]\nhost=fb\nport=2433\nuser=sa\n");
    file.close();
    const AppConfig config = AppConfig::load(ini);
    EXPECT_EQ(config.updateInfoUrl(QStringLiteral("职业病")),
              // The subject travels percent-encoded as UTF-8.
              QStringLiteral("http://data.example.test/yiyaozj/"
                             "%E8%81%8C%E4%B8%9A%E7%97%85/Predate.ini"));
    EXPECT_EQ(config.updateInfoUrl(QString()), QString());
    EXPECT_EQ(config.feedback.port, 2433);
    EXPECT_EQ(config.feedback.user, "sa");
    EXPECT_EQ(AppConfig::load(dir.filePath("none.ini")).updateInfoUrl("x"), QString());
}

TEST(ProgramFolder, PicturesOfABankMadeElsewhereAreFoundWhateverTheirSpelling) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("tupian");
    QFile(dir.filePath("tupian/a.jpg")).open(QIODevice::WriteOnly);
    QFile(dir.filePath("tupian/Exact.png")).open(QIODevice::WriteOnly);
    const ProgramFolder folder(dir.path());
    EXPECT_EQ(folder.locatePicture("Tupian/A.JPG"), "tupian/a.jpg");
    EXPECT_EQ(folder.locatePicture("TUPIAN\\a.jpg"), "tupian/a.jpg");
    EXPECT_EQ(folder.locatePicture("tupian/Exact.png"), "tupian/Exact.png");
    EXPECT_EQ(folder.locatePicture("tupian/none.jpg"), "tupian/none.jpg");
    EXPECT_EQ(folder.locatePicture("  "), "  ");
}
