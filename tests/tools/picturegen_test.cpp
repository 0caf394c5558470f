#include "picturegen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <memory>

using namespace velkora::picturegen;

namespace {

// Painting text needs a QGuiApplication; one for the whole test program.
class GuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "picturegen_test";
        static char *argv[] = {name, nullptr};
        m_app = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QGuiApplication> m_app;
};

[[maybe_unused]] ::testing::Environment *const guiEnvironment =
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

double meanLuminance(const QImage &image) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (image.width() * image.height());
}

QList<PictureInfo> statesOf(const QList<PictureInfo> &catalogue, const QString &button) {
    QList<PictureInfo> out;
    for (const PictureInfo &info : catalogue)
        if (info.button == button)
            out.append(info);
    return out;
}

const PictureInfo *findByName(const QList<PictureInfo> &catalogue, const QString &name) {
    for (const PictureInfo &info : catalogue)
        if (info.name == name)
            return &info;
    return nullptr;
}

} // namespace

// ---------------------------------------------------------------- catalogue

TEST(PictureCatalogue, NamesTheWindowAsksForWithExactCase) {
    const QList<PictureInfo> catalogue = pictureCatalogue();
    // Names the main window loads; the letter case differs between states.
    const std::map<QString, QSize> required = {
        {"mv/kstk-1.jpg", {63, 64}},
        {"mv/KSTK-2.jpg", {63, 64}},
        {"mv/KSTK-3.jpg", {63, 64}},
        {"mv/wdsc-3.jpg", {58, 64}},
        {"mv/sjhy-2.jpg", {58, 64}},
        {"mv/rjsj-3.jpg", {58, 64}},
        {"mv/MinBtn-1.bmp", {29, 25}},
        {"mv/resBtn-2.bmp", {29, 25}},
        {"mv/CloseBtn-3.bmp", {29, 25}},
        {"mv/xiao-2.bmp", {100, 27}},
        {"mv/dy-3.bmp", {100, 27}},
        {"mv/gb-1.bmp", {105, 33}},
        {"mv/title-strip.bmp", {1024, 25}},
        {"mv/banner.jpg", {900, 64}},
        {"mv/tree-header.bmp", {257, 30}},
        {"mv/page-toolbar.bmp", {1024, 31}},
        {"tupian/silicosis_xray.png", {480, 400}},
        {"tupian/noise_audiogram.png", {560, 400}},
    };
    for (const auto &[name, size] : required) {
        const PictureInfo *info = findByName(catalogue, name);
        ASSERT_NE(info, nullptr) << qPrintable(name);
        EXPECT_EQ(info->size, size) << qPrintable(name);
    }
    EXPECT_EQ(findByName(catalogue, "mv/kstk-2.jpg"), nullptr);
    EXPECT_EQ(findByName(catalogue, "mv/sjhy-3.jpg"), nullptr) << "pressed 数据恢复 shows -1";
}

TEST(PictureCatalogue, ButtonsHaveEveryStateOnceAndLabels) {
    const QList<PictureInfo> catalogue = pictureCatalogue();
    QSet<QString> names;
    QHash<QString, QList<ButtonState>> states;
    for (const PictureInfo &info : catalogue) {
        EXPECT_FALSE(names.contains(info.name.toLower())) << "duplicate " << qPrintable(info.name);
        names.insert(info.name.toLower());
        EXPECT_FALSE(pictureFormat(info.name).isEmpty()) << qPrintable(info.name);
        if (!info.button.isEmpty())
            states[info.button].append(info.state);
    }

    const QStringList buttons = {"kstk",   "wdsc",   "mnkc",     "sjbf", "cttk", "rjsj", "MinBtn",
                                 "MaxBtn", "resBtn", "CloseBtn", "xsda", "ycda", "cxdt", "tjsj",
                                 "dy",     "da",     "xiao",     "qpxs", "ckxs", "gb"};
    for (const QString &button : buttons)
        EXPECT_EQ(states.value(button), (QList<ButtonState>{ButtonState::Normal, ButtonState::Hover,
                                                            ButtonState::Pressed}))
            << qPrintable(button);
    EXPECT_EQ(states.value("sjhy"), (QList<ButtonState>{ButtonState::Normal, ButtonState::Hover}));

    EXPECT_EQ(statesOf(catalogue, "mnkc").first().label, QString::fromUtf8("模拟考场"));
    EXPECT_EQ(statesOf(catalogue, "qpxs").first().label, QString::fromUtf8("全屏显示"));
    EXPECT_EQ(statesOf(catalogue, "gb").first().label, QString::fromUtf8("关 闭"));
}

// The exam windows and the backup and restore windows load these names.
TEST(PictureCatalogue, HasTheExamAndMaintenancePictures) {
    const QList<PictureInfo> catalogue = pictureCatalogue();
    const std::map<QString, QSize> singles = {
        {"mv/exam-bg.jpg", {1280, 800}},        {"mv/exam-login-banner.png", {606, 120}},
        {"mv/exam-login-left.png", {210, 130}}, {"mv/exam-login-right.png", {280, 24}},
        {"mv/exam-card.png", {440, 360}},       {"mv/exam-photo-1.png", {132, 170}},
        {"mv/exam-photo-2.png", {132, 170}},    {"mv/backup-bg.png", {400, 200}},
        {"mv/restore-bg.png", {400, 200}},
    };
    for (const auto &[name, size] : singles) {
        const PictureInfo *info = findByName(catalogue, name);
        ASSERT_NE(info, nullptr) << qPrintable(name);
        EXPECT_EQ(info->size, size) << qPrintable(name);
        EXPECT_TRUE(info->label.isEmpty()) << qPrintable(name) << " carries no text";
    }

    const std::map<QString, std::pair<QString, QSize>> buttons = {
        {"exam-login", {"登录考场", {100, 34}}},   {"exam-quit", {"退出考场", {100, 34}}},
        {"exam-relogin", {"重新登录", {100, 34}}}, {"exam-start", {"开始考试", {100, 34}}},
        {"exam-demo", {"观看演示", {100, 34}}},    {"exam-prev", {"上一题", {100, 30}}},
        {"exam-next", {"下一题", {100, 30}}},      {"exam-calc", {"计算器", {100, 30}}},
        {"exam-help", {"帮 助（3）", {100, 30}}},  {"exam-submit", {"交 卷", {100, 30}}},
    };
    for (const auto &[key, face] : buttons) {
        const QList<PictureInfo> states = statesOf(catalogue, key);
        ASSERT_EQ(states.size(), 3) << qPrintable(key);
        for (int n = 1; n <= 3; ++n) {
            const PictureInfo &state = states[n - 1];
            EXPECT_EQ(state.name, QStringLiteral("mv/%1-%2.png").arg(key).arg(n));
            EXPECT_EQ(state.state, static_cast<ButtonState>(n));
            EXPECT_EQ(state.label, face.first) << qPrintable(key);
            EXPECT_EQ(state.size, face.second) << qPrintable(key);
        }
    }
}

// ---------------------------------------------------------------- written files

class WrittenPictures : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_dir = new QTemporaryDir;
        ASSERT_TRUE(s_dir->isValid());
        s_written = new QStringList(writeAllPictures(s_dir->path(), s_error = new QString));
    }
    static void TearDownTestSuite() {
        delete s_written;
        delete s_error;
        delete s_dir;
    }

    static QImage load(const QString &name) { return QImage(s_dir->filePath(name)); }

    static QTemporaryDir *s_dir;
    static QStringList *s_written;
    static QString *s_error;
};

QTemporaryDir *WrittenPictures::s_dir = nullptr;
QStringList *WrittenPictures::s_written = nullptr;
QString *WrittenPictures::s_error = nullptr;

TEST_F(WrittenPictures, EveryFileExistsLoadsAndHasItsSize) {
    ASSERT_TRUE(s_error->isEmpty()) << qPrintable(*s_error);
    const QList<PictureInfo> catalogue = pictureCatalogue();
    ASSERT_EQ(s_written->size(), catalogue.size());

    for (const PictureInfo &info : catalogue) {
        EXPECT_TRUE(s_written->contains(info.name)) << qPrintable(info.name);
        // Compare against the directory listing so a case-folding mistake shows up
        // even where the file system would forgive it.
        const QFileInfo fi(s_dir->filePath(info.name));
        EXPECT_TRUE(fi.dir().entryList(QDir::Files).contains(fi.fileName()))
            << qPrintable(info.name);

        const QImage image = load(info.name);
        ASSERT_FALSE(image.isNull()) << qPrintable(info.name);
        EXPECT_EQ(image.size(), info.size) << qPrintable(info.name);
    }
}

TEST_F(WrittenPictures, FileContentsMatchTheirExtension) {
    for (const PictureInfo &info : pictureCatalogue()) {
        QFile file(s_dir->filePath(info.name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(info.name);
        const QByteArray head = file.read(8);
        const QString suffix = QFileInfo(info.name).suffix();
        if (suffix == "jpg")
            EXPECT_TRUE(head.startsWith("\xFF\xD8\xFF")) << qPrintable(info.name);
        else if (suffix == "bmp")
            EXPECT_TRUE(head.startsWith("BM")) << qPrintable(info.name);
        else if (suffix == "png")
            EXPECT_TRUE(head.startsWith("\x89PNG\r\n\x1a\n")) << qPrintable(info.name);
        else
            ADD_FAILURE() << "unexpected extension " << qPrintable(info.name);
    }
}

TEST_F(WrittenPictures, StatesOfOneButtonLookDifferent) {
    const QList<PictureInfo> catalogue = pictureCatalogue();
    QSet<QString> buttons;
    for (const PictureInfo &info : catalogue)
        if (!info.button.isEmpty())
            buttons.insert(info.button);

    for (const QString &button : buttons) {
        const QList<PictureInfo> states = statesOf(catalogue, button);
        for (int i = 0; i < states.size(); ++i)
            for (int j = i + 1; j < states.size(); ++j)
                EXPECT_NE(load(states[i].name), load(states[j].name))
                    << qPrintable(states[i].name) << " vs " << qPrintable(states[j].name);
    }
}

TEST_F(WrittenPictures, HoverIsLighterAndPressedDarkerOnTheToolbar) {
    const QList<PictureInfo> catalogue = pictureCatalogue();
    const QStringList toolbar = {"kstk", "wdsc", "mnkc", "sjbf", "cttk", "sjhy", "rjsj"};
    for (const QString &button : toolbar) {
        const QList<PictureInfo> states = statesOf(catalogue, button);
        const double normal = meanLuminance(load(states[0].name));
        EXPECT_GT(meanLuminance(load(states[1].name)), normal + 3) << qPrintable(button);
        if (states.size() > 2) {
            EXPECT_LT(meanLuminance(load(states[2].name)), normal - 3) << qPrintable(button);
        }
    }
}

TEST_F(WrittenPictures, CloseButtonTurnsRedOnHover) {
    for (const char *name : {"mv/CloseBtn-2.bmp", "mv/CloseBtn-3.bmp"}) {
        const QImage image = load(name);
        const QRgb corner = image.pixel(2, 4); // away from the glyph
        EXPECT_GT(qRed(corner), qGreen(corner) + 60) << name;
        EXPECT_GT(qRed(corner), qBlue(corner) + 60) << name;
    }
    const QRgb normal = load("mv/CloseBtn-1.bmp").pixel(2, 4);
    EXPECT_LT(qRed(normal), qGreen(normal)) << "normal close button stays in the strip colour";
}

// Pictures drawn side by side in the window must meet without a visible edge.
TEST_F(WrittenPictures, NeighbouringPicturesJoinWithoutSeams) {
    auto distance = [](QRgb a, QRgb b) {
        return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
    };

    // title buttons sit at the right end of the title strip
    const QImage strip = load("mv/title-strip.bmp");
    const QImage minButton = load("mv/MinBtn-1.bmp");
    for (int y : {2, 12, 22})
        EXPECT_LE(distance(strip.pixel(strip.width() - 1, y), minButton.pixel(1, y)), 6)
            << "title row " << y;

    // the banner continues the last toolbar button (JPEG: allow some noise)
    const QImage banner = load("mv/banner.jpg");
    const QImage lastButton = load("mv/rjsj-1.jpg");
    for (int y : {1, 32, 62})
        EXPECT_LE(distance(banner.pixel(0, y), lastButton.pixel(lastButton.width() - 1, y)), 15)
            << "toolbar row " << y;

    // page toolbar buttons stand centred on the page toolbar strip
    const QImage pageStrip = load("mv/page-toolbar.bmp");
    const QImage pageButton = load("mv/xsda-1.bmp");
    const int offset = (pageStrip.height() - pageButton.height()) / 2;
    for (int y : {0, pageButton.height() / 2, pageButton.height() - 1})
        EXPECT_LE(distance(pageStrip.pixel(500, y + offset), pageButton.pixel(0, y)), 6)
            << "page toolbar row " << y;
}

// Labels must fit: no light text pixels on the outer columns of a dark toolbar
// button, and the label band really carries text.
TEST_F(WrittenPictures, ToolbarLabelsAreDrawnAndNotClipped) {
    for (const PictureInfo &info : pictureCatalogue()) {
        if (info.kind != PictureKind::MainToolButton || info.state != ButtonState::Normal)
            continue;
        const QImage image = load(info.name);
        int bright = 0;
        for (int y = 41; y < 60; ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const int gray = qGray(image.pixel(x, y));
                if (gray > 200)
                    ++bright;
                if (x < 2 || x >= image.width() - 2) {
                    EXPECT_LT(gray, 150) << qPrintable(info.name) << " at " << x << "," << y;
                }
            }
        }
        EXPECT_GT(bright, 40) << qPrintable(info.name) << " has no visible label";
    }
}

TEST_F(WrittenPictures, QuestionPicturesHaveTheirCharacter) {
    // A radiograph is a dark film; the audiogram a white sheet with red and blue marks.
    EXPECT_LT(meanLuminance(load("tupian/silicosis_xray.png")), 110);

    const QImage audiogram = load("tupian/noise_audiogram.png");
    EXPECT_GT(meanLuminance(audiogram), 200);
    int red = 0, blue = 0;
    for (int y = 0; y < audiogram.height(); ++y) {
        for (int x = 0; x < audiogram.width(); ++x) {
            const QRgb c = audiogram.pixel(x, y);
            red += qRed(c) > 180 && qGreen(c) < 90 && qBlue(c) < 90;
            blue += qBlue(c) > 180 && qRed(c) < 90 && qGreen(c) < 140;
        }
    }
    EXPECT_GT(red, 100);
    EXPECT_GT(blue, 100);
}

// The entry windows are light and calm; the faces must still carry their text.
TEST_F(WrittenPictures, ExamPicturesAreLightAndFacesCarryText) {
    for (const char *name : {"mv/exam-bg.jpg", "mv/exam-card.png", "mv/exam-login-right.png",
                             "mv/backup-bg.png", "mv/restore-bg.png"})
        EXPECT_GT(meanLuminance(load(name)), 200) << name;
    EXPECT_NE(load("mv/backup-bg.png"), load("mv/restore-bg.png"));
    EXPECT_NE(load("mv/exam-photo-1.png"), load("mv/exam-photo-2.png"));

    for (const PictureInfo &info : pictureCatalogue()) {
        if (info.kind != PictureKind::ExamEntryButton && info.kind != PictureKind::ExamBarButton)
            continue;
        // Text pixels contrast with the face around them: count strong local edges.
        const QImage image = load(info.name);
        const int y = image.height() / 2;
        int edges = 0;
        for (int x = 10; x < image.width() - 10; ++x)
            edges += qAbs(qGray(image.pixel(x, y)) - qGray(image.pixel(x - 1, y))) > 40;
        EXPECT_GT(edges, 6) << qPrintable(info.name) << " shows no face text";
    }
}

TEST_F(WrittenPictures, ExamBarButtonsStandOnTheSkyBluePanel) {
    const QRgb skyBlue = qRgb(0xa6, 0xca, 0xf0);
    for (const char *key : {"exam-prev", "exam-next", "exam-calc", "exam-help", "exam-submit"})
        for (int n = 1; n <= 3; ++n) {
            const QString name = QStringLiteral("mv/%1-%2.png").arg(key).arg(n);
            EXPECT_EQ(load(name).pixel(0, 0), skyBlue) << qPrintable(name);
        }
}

// ---------------------------------------------------------------- behaviour

TEST(WritePictures, RenderingIsRepeatable) {
    // The build re-runs the tool from a stamp; identical output keeps the
    // program folder stable between builds.
    for (const PictureInfo &info : pictureCatalogue())
        EXPECT_EQ(renderPicture(info), renderPicture(info)) << qPrintable(info.name);
}

TEST(WritePictures, ReportsAFolderItCannotCreate) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A plain file where the mv folder should go.
    QFile blocker(dir.filePath("mv"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QString error;
    const QStringList written = writeAllPictures(dir.path(), &error);
    EXPECT_FALSE(error.isEmpty());
    for (const QString &name : written)
        EXPECT_FALSE(name.startsWith("mv/")) << qPrintable(name);
}

TEST(AppIcon, EveryThemeSizeIsASquareTileOnATransparentGround) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString error;
    const QStringList written = writeAppIcons(dir.path(), &error);
    EXPECT_TRUE(error.isEmpty()) << qPrintable(error);
    ASSERT_EQ(written.size(), appIconSizes().size());
    for (int size : appIconSizes()) {
        const QString name = QStringLiteral("hicolor/%1x%1/apps/velkora.png").arg(size);
        EXPECT_TRUE(written.contains(name)) << qPrintable(name);
        const QImage icon(dir.filePath(name));
        ASSERT_EQ(icon.size(), QSize(size, size)) << qPrintable(name);
        EXPECT_TRUE(icon.hasAlphaChannel());
        // The rounded corners are left clear; the tile itself is opaque.
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
    }
}
