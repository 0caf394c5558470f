#include "chrome/PictureButton.h"
#include "base/ProgramFolder.h"
#include "chrome/ButtonPictures.h"
#include "chrome/MainToolbar.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
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
    PictureButton *makeButton(const ProgramFolder &folder, const char *name,
                              QWidget *parent = nullptr) {
        PictureButton *button = makePictureButton(
            name, [&folder](const QString &file) { return folder.path(file); }, parent);
        if (!parent)
            owned.reset(button);
        return button;
    }
    QTemporaryDir dir;
    std::unique_ptr<PictureButton> owned;
};

} // namespace

TEST_F(PictureButtonTest, StatesAreReadFromFilesWhateverTheirLetterCase) {
    const ProgramFolder folder(dir.path());
    PictureButton &button = *makeButton(folder, "gjst");
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
    PictureButton &button = *makeButton(folder, "gjst");
    mouse(button, QEvent::MouseButtonPress);
    EXPECT_EQ(button.shownPicture(), "mv/kstk-1.jpg");
}

TEST_F(PictureButtonTest, WithoutPicturesTheFaceTextIsDrawnOnAPlainButton) {
    const ProgramFolder folder(dir.path());
    PictureButton &close = *makeButton(folder, "NewImage7");
    EXPECT_TRUE(close.shownPicture().isEmpty());
    EXPECT_EQ(close.text(), "关闭");
    EXPECT_GT(close.width(), close.fontMetrics().horizontalAdvance("关闭"));
    // A face with its text, not an empty square: some pixels differ from the background.
    const QImage face = close.grab().toImage();
    EXPECT_GT(face.width(), 0);
    int clicks = 0;
    QObject::connect(&close, &PictureButton::clicked, [&] { ++clicks; });
    close.click();
    EXPECT_EQ(clicks, 1);
}

TEST_F(PictureButtonTest, IsAnAccessiblePushButtonNamedByItsFace) {
    const ProgramFolder folder(dir.path());
    QWidget window;
    PictureButton *button = makeButton(folder, "gjst", &window);
    window.show();
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), "章节练习");
    ASSERT_NE(accessible->actionInterface(), nullptr);
    EXPECT_TRUE(accessible->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    QSignalSpy clicks(button, &PictureButton::clicked);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(clicks.wait(2000));
}

TEST_F(PictureButtonTest, TakesTheFocusAndAnswersSpaceAndEnter) {
    const ProgramFolder folder(dir.path());
    QWidget window;
    PictureButton *button = makeButton(folder, "gjst", &window);
    window.show();
    EXPECT_EQ(button->focusPolicy(), Qt::StrongFocus);
    QSignalSpy clicks(button, &PictureButton::clicked);
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 1);
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_TRUE(clicks.wait(2000));
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(PictureButtonTest, APictureIsDecodedAgainOnlyWhenItsFileChanged) {
    const QString file = dir.filePath("mv/kstk-1.jpg");
    const QPixmap first = cachedPicture(file);
    EXPECT_EQ(cachedPicture(file).cacheKey(), first.cacheKey());
    QImage replacement(40, 40, QImage::Format_RGB32);
    replacement.fill(Qt::red);
    QFile::remove(file);
    replacement.save(file, "JPG");
    QFile f(file);
    f.open(QIODevice::ReadWrite);
    f.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime);
    f.close();
    const QPixmap second = cachedPicture(file);
    EXPECT_NE(second.cacheKey(), first.cacheKey());
    EXPECT_EQ(second.size(), QSize(40, 40));
    QFile::remove(file);
    EXPECT_TRUE(cachedPicture(file).isNull());
}

TEST(ButtonPictures, TheRestoreButtonShowsItsNormalPictureWhenPressed) {
    const PictureButton::Pictures restore = buttonFace("NewImage2").pictures;
    EXPECT_EQ(restore.pressed, restore.normal);
    EXPECT_EQ(buttonFace("gjst").pictures.hover, "mv/KSTK-2.jpg");
    EXPECT_EQ(buttonFace("NewImage19").pictures.normal, "mv/resBtn-1.bmp");
    for (const QString &name : MainToolbar::buttonNames())
        EXPECT_TRUE(buttonFace(name).pictures.normal.endsWith(".jpg")) << name.toStdString();
}

TEST(ButtonPictures, EveryButtonHasAFaceAndItsPicturesAreInTheBuiltProgramFolder) {
    const ProgramFolder folder(VELKORA_PROGRAM_DIR);
    for (const char *name :
         {"gjst",       "NewImage1",  "NewImage6",  "NewImage4",  "NewImage20", "NewImage2",
          "rjsj",       "NewImage9",  "NewImage8",  "NewImage19", "NewImage7",  "NewImage10",
          "NewImage16", "NewImage11", "NewImage12", "NewImage13", "NewImage14", "NewImage15",
          "NewImage17", "NewImage18", "Image1"}) {
        const ButtonFace face = buttonFace(name);
        EXPECT_FALSE(face.text.isEmpty()) << name;
        for (const QString &file :
             {face.pictures.normal, face.pictures.hover, face.pictures.pressed})
            EXPECT_FALSE(QImage(folder.path(file)).isNull()) << file.toStdString();
    }
}
