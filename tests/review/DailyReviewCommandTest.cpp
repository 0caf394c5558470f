#include "chrome/TitleStrip.h"
#include "grading/GradingCommands.h"
#include "review/ReviewSchedule.h"
#include "store/BankQueries.h"
#include "support/MainWindowFixture.h"

#include <QDialog>
#include <QToolButton>

using namespace velkora;
using namespace velkora::test;

namespace {

class DailyReview : public MainWindowFixture {
protected:
    void SetUp() override {
        const int single = bank.writer().addGroup(bank.addChapterPath(), SingleA1);
        q1 = bank.addChoice(single, "单选一", "A");
        q2 = bank.addChoice(single, "单选二", "B");
        q3 = bank.addChoice(single, "单选三", "C");
        bank.exec(QString("UPDATE question SET ct='1' WHERE id=%1").arg(q1));
    }
    QString buttonText() const { return window->titleStrip().reviewButton()->text(); }
    void tick(int question, int index) const {
        js(QString("document.getElementById('%1').checked=true")
               .arg(BankQueries(bank.db()).options(question)[index].id));
    }
    int q1 = 0, q2 = 0, q3 = 0;
};

} // namespace

// The number due stands on the button and follows favourites and
// submissions; the page grades like a chapter and moves the dates.
TEST_F(DailyReview, TheButtonCountsWhatIsDueAndTheReviewPageGradesIt) {
    start();
    commands->grading().setWindowRunner([](QDialog &dialog) { dialog.close(); });
    EXPECT_EQ(buttonText(), "今日复习 (1)");

    const qsizetype before = messages.shown.size();
    js("document.getElementsByName('torvanescbt')[1].click()"); // 收藏 q2
    ASSERT_TRUE(waitUntil([&] { return messages.shown.size() > before; }));
    EXPECT_EQ(buttonText(), "今日复习 (2)");

    trigger(&MainWindowCommands::showAnswers);
    trigger(&MainWindowCommands::dailyReview);
    EXPECT_EQ(pageToolbar()->chapterLabel()->text(), "今日复习");
    EXPECT_TRUE(button(&MainWindowCommands::showAnswers)->isVisible())
        << "a new page shows no answer";
    EXPECT_EQ(count("[name=torvanescbt]"), 2);
    EXPECT_TRUE(bodyText().contains("单选一"));
    EXPECT_FALSE(bodyText().contains("单选三"));

    tick(q1, 0); // right
    tick(q2, 3); // wrong
    trigger(&MainWindowCommands::submitChapter);
    EXPECT_EQ(buttonText(), "今日复习 (0)");
    const QDate today = QDate::currentDate();
    EXPECT_EQ(ReviewSchedule(bank.db(), today).dueDate(q1), today.addDays(1));
    EXPECT_EQ(bank.scalar(QString("SELECT ct FROM question WHERE id=%1").arg(q2)), "1");
    EXPECT_EQ(bank.scalar("SELECT count(*) FROM fenshu"), "1");

    trigger(&MainWindowCommands::dailyReview);
    EXPECT_TRUE(messages.shown.last().contains("下一次复习："))
        << qPrintable(messages.shown.last());
    EXPECT_TRUE(messages.shown.last().contains("明天")) << qPrintable(messages.shown.last());
    EXPECT_EQ(pageToolbar()->chapterLabel()->text(), "今日复习") << "the graded page stays";
}
