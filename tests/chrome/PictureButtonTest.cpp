#include "chrome/PictureButton.h"
#include "app/ProgramFolder.h"
#include "chrome/ButtonPictures.h"
#include "chrome/MainToolbar.h"

#include <QCoreApplication>
#include <QDir>
#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkora;

namespace {

// A program folder with the pictures of one button, spelled in lower case.
class PictureButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(dir.path()).mkpath("mv");
        for (const char *name : {"kstk-1.jpg", "kstk-2.jpg", "kstk-3.jpg"}) {
            QImage image(63, 64, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(int(qHash(QByteArray(name)) % 360), 200, 200));
            image.save(dir.filePath(QString("mv/") + name), "JPG");
        }
    }
    void mouse(QWidget &w, QEvent::Type type) {
        QMouseEvent event(type, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&w, &event);
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(PictureButtonTest, StatesAreReadFromFilesWhateverTheirLetterCase) {
    const ProgramFolder folder(dir.path());
    PictureButton button("gjst", buttonPictures("gjst"),
                         [&](const QString &name) { return folder.path(name); });
    EXPECT_EQ(button.shownPicture(), "mv/kstk-1.jpg");
    EXPECT_EQ(button.size(), QSize(63, 64));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&button, &enter);
    EXPECT_EQ(button.shownPicture(), "mv/KSTK-2.jpg");
    int clicks = 0;
    QObject::connect(&button, &PictureButton::clicked, [&] { ++clicks; });
    mouse(button, QEvent::MouseButtonPress);
    EXPECT_EQ(button.shownPicture(), "mv/KSTK-3.jpg");
    mouse(button, QEvent::MouseButtonRelease);
    EXPECT_EQ(clicks, 1);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&button, &leave);
    EXPECT_EQ(button.shownPicture(), "mv/kstk-1.jpg");
}

TEST_F(PictureButtonTest, AMissingPictureKeepsThePreviousOne) {
    const ProgramFolder folder(dir.path());
    QFile::remove(dir.filePath("mv/kstk-3.jpg"));
    PictureButton button("gjst", buttonPictures("gjst"),
                         [&](const QString &name) { return folder.path(name); });
    mouse(button, QEvent::MouseButtonPress);
    EXPECT_EQ(button.shownPicture(), "mv/kstk-1.jpg");
    EXPECT_FALSE(button.pixmap().isNull());
    PictureButton none("NewImage7", buttonPictures("NewImage7"),
                       [&](const QString &name) { return folder.path(name); });
    EXPECT_TRUE(none.shownPicture().isEmpty());
}

TEST(ButtonPictures, TheRestoreButtonShowsItsNormalPictureWhenPressed) {
    const PictureButton::Pictures restore = buttonPictures("NewImage2");
    EXPECT_EQ(restore.pressed, restore.normal);
    EXPECT_EQ(buttonPictures("gjst").hover, "mv/KSTK-2.jpg");
    EXPECT_EQ(buttonPictures("NewImage19").normal, "mv/resBtn-1.bmp");
    for (const QString &name : MainToolbar::buttonNames())
        EXPECT_TRUE(buttonPictures(name).normal.endsWith(".jpg")) << name.toStdString();
}

TEST(ButtonPictures, EveryPictureIsInTheBuiltProgramFolder) {
    const ProgramFolder folder(VELKORA_PROGRAM_DIR);
    for (const char *name :
         {"gjst",       "NewImage1",  "NewImage6",  "NewImage4",  "NewImage20", "NewImage2",
          "rjsj",       "NewImage9",  "NewImage8",  "NewImage19", "NewImage7",  "NewImage10",
          "NewImage16", "NewImage11", "NewImage12", "NewImage13", "NewImage14", "NewImage15",
          "NewImage17", "NewImage18", "Image1"}) {
        const PictureButton::Pictures p = buttonPictures(name);
        for (const QString &file : {p.normal, p.hover, p.pressed})
            EXPECT_FALSE(QImage(folder.path(file)).isNull()) << file.toStdString();
    }
}
