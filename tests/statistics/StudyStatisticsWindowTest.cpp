#include "statistics/StudyStatisticsWindow.h"
#include "app/ProgramCommands.h"
#include "chrome/TitleStrip.h"
#include "store/StudyLog.h"
#include "support/MainWindowFixture.h"
#include "support/ModalWindows.h"

#include <QAccessible>
#include <QApplication>
#include <QChartView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

using namespace velkora;
using namespace velkora::test;

namespace {

class StudyStatisticsWindowTest : public MainWindowFixture {
protected:
    StudyStatisticsWindowTest() { chapter = bank.addChapterPath(); }

    // Runs the command and hands the window it opened to `look`, then closes
    // it; false when no statistics window opened.
    bool openStatistics(const std::function<void(StudyStatisticsWindow &)> &look) {
        bool opened = false;
        QTimer::singleShot(0, window.get(), [&] {
            if (auto *statistics = nextModalWindow<StudyStatisticsWindow>()) {
                opened = true;
                look(*statistics);
                statistics->close();
            }
        });
        trigger(&MainWindowCommands::studyStatistics);
        return opened;
    }

    static QString accessibleName(QWidget *widget) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        return accessible ? accessible->text(QAccessible::Name) : QString();
    }

    static QStringList labelTexts(const QWidget &window) {
        QStringList texts;
        for (const QLabel *label : window.findChildren<QLabel *>())
            texts << label->text();
        return texts;
    }

    RowId chapter = 0;
};

} // namespace

TEST_F(StudyStatisticsWindowTest, ItsButtonStandsLeftOfTheMinimiseButtonWhichStaysInPlace) {
    start();
    TitleStrip *strip = &window->titleStrip();
    QToolButton *statistics = strip->statisticsButton();
    EXPECT_EQ(statistics->text(), "学习统计");
    EXPECT_EQ(statistics->defaultAction(), window->commands().studyStatistics);
    EXPECT_EQ(strip->minimiseButton()->x(), strip->width() - 90);
    EXPECT_TRUE(statistics->isVisibleTo(window.get()));
    EXPECT_LT(statistics->geometry().right(), strip->minimiseButton()->x());
    EXPECT_GT(statistics->x(), strip->width() / 2);
    // The search field stands left of it, neither covering the other.
    auto *search = strip->findChild<QLineEdit *>("SearchField");
    ASSERT_NE(search, nullptr);
    EXPECT_LT(search->geometry().right(), statistics->x()) << statistics->width();
    EXPECT_GT(search->x(), strip->width() / 2);
}

TEST_F(StudyStatisticsWindowTest, ABankWithoutHistoryShowsItsChaptersAndTheEmptyState) {
    bank.addChoice(bank.writer().addGroup(chapter, SingleA1), "题", "A");
    start();

    ASSERT_TRUE(openStatistics([&](StudyStatisticsWindow &statistics) {
        EXPECT_EQ(statistics.windowTitle(), "学习统计");
        EXPECT_TRUE(labelTexts(statistics)
                        .contains("还没有练习记录。做完一章后点“提交试卷”，这里会显示你的进度。"));
        EXPECT_TRUE(labelTexts(statistics).join('\n').contains("还没有模拟考试记录。"));
        EXPECT_TRUE(statistics.findChildren<QChartView *>().isEmpty());
        EXPECT_EQ(statistics.examTable(), nullptr);
        QTreeWidget *tree = statistics.progressTree();
        EXPECT_EQ(accessibleName(tree), "章节进度表");
        ASSERT_EQ(tree->topLevelItemCount(), 1);
        const QTreeWidgetItem *chapterRow = tree->topLevelItem(0)->child(0)->child(0);
        EXPECT_EQ(chapterRow->text(0), "第一节");
        EXPECT_EQ(chapterRow->text(1), "1");
        EXPECT_EQ(chapterRow->text(3), "—");
    }));
    EXPECT_FALSE(StudyLog::isPresent(bank.db())); // looking writes nothing
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(StudyStatisticsWindowTest, EveryOpeningShowsTheHistoryAsItIsNow) {
    const RowId question = bank.addChoice(bank.writer().addGroup(chapter, SingleA1), "题", "A");
    StudyLog(bank.db()).recordPractice({chapter, {{question, true}}});
    start();
    ASSERT_TRUE(openStatistics([&](StudyStatisticsWindow &statistics) {
        EXPECT_EQ(statistics.progressTree()->topLevelItem(0)->text(3), "100%");
        EXPECT_TRUE(statistics.findChildren<QChartView *>().isEmpty());
    }));

    StudyLog(bank.db(), [] {
        return QDateTime(QDate(2024, 6, 1), QTime(8, 5));
    }).recordExam({35, 50, 35, 50 * 60, {{"a1", 30, 10}, {"a2", 5, 5}}});
    ASSERT_TRUE(openStatistics([&](StudyStatisticsWindow &statistics) {
        QTableWidget *exams = statistics.examTable();
        ASSERT_NE(exams, nullptr);
        EXPECT_EQ(accessibleName(exams), "模拟考试记录");
        ASSERT_EQ(exams->rowCount(), 1);
        EXPECT_EQ(exams->item(0, 0)->text(), "2024-06-01 08:05");
        EXPECT_EQ(exams->item(0, 1)->text(), "35 / 50（70%）");
        EXPECT_EQ(exams->item(0, 2)->text(), "50 分钟");
        EXPECT_EQ(accessibleName(statistics.scoreTrendChart()), "得分趋势图");
        EXPECT_EQ(accessibleName(statistics.kindRateChart()), "各题型正确率图");
        EXPECT_EQ(statistics.kindRateChart()->chart()->series().size(), 1);
    }));
}

TEST_F(StudyStatisticsWindowTest, AnUnreadableBankIsToldAndOpensNoWindow) {
    start();
    bank.connection().close();
    trigger(&MainWindowCommands::studyStatistics);
    EXPECT_EQ(messages.shown, QStringList{"学习统计未能读取，请检查题库文件后再试。"});
}
