#include "booklet/BookletCommand.h"
#include "support/MainWindowFixture.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>

using namespace velkora;
using namespace velkora::test;

namespace {

// Runs a poppler tool; its standard output, or nothing when it failed.
std::optional<QString> poppler(const QString &tool, const QStringList &arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A bank of forty favourites in two chapters, one of them with a picture,
// and a case of three questions of which only one is a favourite.
class BookletWindow : public MainWindowFixture {
protected:
    void SetUp() override {
        BankWriter &w = bank.writer();
        const int part = w.addNode("基础知识", 0, 1);
        const int section = w.addNode("第一章 概论", part, 2);
        const int first = w.addNode("第一节 有害因素", section, 3);
        const int second = w.addNode("第二节 职业病", section, 3);
        const QString filler = QString("职业性有害因素的识别与评价").repeated(6);
        const int singles = w.addGroup(first, SingleA1);
        for (int i = 1; i <= 40; ++i) {
            const QString stem = QString("收藏题%1 %2").arg(i).arg(filler);
            if (i == 1)
                w.addQuestion(singles, stem, "A", "解析", {"甲", "乙", "丙", "丁", "戊"},
                              "tupian/film.png");
            else
                bank.addChoice(i <= 20 ? singles : w.addGroup(second, SingleA2), stem, "B");
        }
        bank.addChoice(singles, "未收藏的题", "C");
        const int caseGroup = w.addGroup(second, Case, "某男，45岁，矽尘作业20年。");
        caseIds << bank.addChoice(caseGroup, "案例问一", "A")
                << bank.addChoice(caseGroup, "案例问二", "B");
        bank.exec("UPDATE question SET scbt='1' WHERE content LIKE '收藏题%'");
        bank.exec(QString("UPDATE question SET scbt='1' WHERE id=%1").arg(caseIds[1]));

        QDir(bank.folder()).mkpath("tupian");
        QImage film(120, 80, QImage::Format_RGB32);
        film.fill(Qt::darkGray);
        film.save(bank.folder() + "/tupian/film.png");
    }

    // Starts the window in the favourites, with the export's questions
    // answered by the test.
    void startInFavourites() {
        start();
        trigger(&MainWindowCommands::favourites);
        ASSERT_EQ(treePanel()->caption(), captions::favourites);
        commands->booklet().exporter().setPlacementChooser([this] {
            ++placementAsked;
            return placement;
        });
        commands->booklet().exporter().setFileChooser([this](const QString &preset) {
            offered = preset;
            return chosen;
        });
    }

    std::optional<AnswerPlacement> placement = AnswerPlacement::AtEnd;
    int placementAsked = 0;
    QString offered;
    QString chosen;
    QTemporaryDir out;
    QList<RowId> caseIds;
};

} // namespace

TEST_F(BookletWindow, ExportsTheFavouritesAsAPrintedBooklet) {
    if (QString(VELKORA_PDFTOPPM).isEmpty() || QString(VELKORA_PDFTOTEXT).isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    startInFavourites();
    const QString pageBefore = bodyHtml();
    chosen = out.filePath("收藏");
    trigger(&MainWindowCommands::exportBooklet);

    EXPECT_TRUE(offered.endsWith(
        QString("收藏试题-%1.pdf").arg(QDate::currentDate().toString(Qt::ISODate))));
    const QString pdf = chosen + ".pdf";
    ASSERT_EQ(messages.shown.value(0), "PDF已导出：" + QDir::toNativeSeparators(pdf));
    EXPECT_EQ(bodyHtml(), pageBefore);

    const QDir shots(out.filePath("pages"));
    ASSERT_TRUE(shots.mkpath("."));
    ASSERT_TRUE(poppler(VELKORA_PDFTOPPM, {"-r", "50", "-png", pdf, shots.filePath("page")}));
    const QStringList pages = shots.entryList({"*.png"}, QDir::Files);
    // Forty long questions fill more than a page; the answers begin on one of their own.
    EXPECT_GE(pages.size(), 3);
    for (const QString &page : pages)
        EXPECT_FALSE(QImage(shots.filePath(page)).isNull()) << page.toStdString();

    const std::optional<QString> text = poppler(VELKORA_PDFTOTEXT, {pdf, "-"});
    ASSERT_TRUE(text);
    // Every favourite once, numbered in tree order: "7. 收藏题7 …".
    int numbered = 0;
    for (const QRegularExpressionMatch &m :
         QRegularExpression("(\\d+)\\. 收藏题(\\d+) ").globalMatch(*text)) {
        EXPECT_EQ(m.captured(1), m.captured(2));
        ++numbered;
    }
    EXPECT_EQ(numbered, 40);
    EXPECT_FALSE(text->contains("未收藏的题"));
    // The case comes out whole, with its text, though one question is a favourite.
    EXPECT_TRUE(text->contains("矽尘作业20年"));
    EXPECT_TRUE(text->contains("案例问一"));
    EXPECT_TRUE(text->contains("案例问二"));
    EXPECT_TRUE(text->contains("第一章 概论 › 第一节 有害因素"));
    EXPECT_TRUE(text->contains("答案与解析"));
    EXPECT_TRUE(text->contains("共 42 题"));
    EXPECT_FALSE(text->contains("收藏本题"));

    // The question's picture was loaded and printed.
    const std::optional<QString> images = poppler("pdfimages", {"-list", pdf});
    if (images) {
        EXPECT_EQ(images->count(QRegularExpression("\\n\\s*\\d+\\s+\\d+\\s+image")), 1)
            << images->toStdString();
    }
}

TEST_F(BookletWindow, ChapterPracticeAndAnEmptyViewSaySoAndWriteNothing) {
    start();
    const QString pageBefore = bodyHtml();
    commands->booklet().exporter().setPlacementChooser([this] {
        ++placementAsked;
        return placement;
    });
    trigger(&MainWindowCommands::exportBooklet);
    EXPECT_EQ(messages.shown.value(0), "请先打开“收藏试题”或“错题题库”，或搜索试题，再导出PDF。");
    EXPECT_EQ(bodyHtml(), pageBefore);

    browser().enterView(ViewMode::WrongQuestions);
    trigger(&MainWindowCommands::exportBooklet);
    EXPECT_EQ(messages.shown.value(1), "没有可导出的试题。");
    EXPECT_EQ(placementAsked, 0);
}

TEST_F(BookletWindow, CancellingWritesNoFileAndTellsNoSuccess) {
    startInFavourites();
    chosen = out.filePath("收藏.pdf");

    placement.reset();
    trigger(&MainWindowCommands::exportBooklet);
    EXPECT_TRUE(offered.isEmpty());

    placement = AnswerPlacement::AfterEachQuestion;
    chosen.clear();
    trigger(&MainWindowCommands::exportBooklet);
    EXPECT_FALSE(offered.isEmpty());

    chosen = out.filePath("收藏.pdf");
    QObject::connect(&commands->booklet().exporter(), &BookletExport::stageReached, window.get(),
                     [this](int stage) {
                         if (stage == 1)
                             window->findChild<QProgressDialog *>("BookletProgress")
                                 ->findChild<QPushButton *>()
                                 ->click();
                     });
    trigger(&MainWindowCommands::exportBooklet);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
    EXPECT_TRUE(QDir(out.path()).isEmpty());
}

TEST_F(BookletWindow, AFolderThatCannotBeWrittenIsToldAsAFailure) {
    startInFavourites();
    chosen = out.filePath("no-such-folder/收藏.pdf");
    trigger(&MainWindowCommands::exportBooklet);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith("PDF没有导出：无法写入"))
        << messages.shown[0].toStdString();
    EXPECT_FALSE(QFile::exists(chosen));
}
