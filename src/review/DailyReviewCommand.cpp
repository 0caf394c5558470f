#include "review/DailyReviewCommand.h"

#include "base/Messages.h"
#include "browse/BrowseHost.h"
#include "review/ReviewSchedule.h"
#include "store/BankConnection.h"
#include "store/BankQueries.h"
#include "store/StoreError.h"

#include <QAction>
#include <QLoggingCategory>
#include <QScopedValueRollback>
#include <QTimer>
#include <QWidget>

namespace velkora {

Q_LOGGING_CATEGORY(lcReview, "velkora.review")

namespace {
const QString title = QStringLiteral("今日复习");

QString summary(int count) {
    return QStringLiteral("<div class=\"vk-review-summary\" style=\"margin:4px 0 12px;"
                          "font-weight:bold;color:#1b5e6b\">今日复习：共 %1 道试题。"
                          "答完后点“提交试卷”：答对的题，下次复习隔得越来越久；"
                          "答错的题，明天再复习。</div>")
        .arg(count);
}

QString dayText(QDate day, QDate today) {
    const QString date = day.toString(QStringLiteral("M月d日"));
    if (day == today.addDays(1))
        return date + QStringLiteral("（明天）");
    return date + QStringLiteral("（%1天后）").arg(today.daysTo(day));
}
} // namespace

DailyReviewCommand::DailyReviewCommand(BrowseHost &host, BankConnection &bank, Messages &messages,
                                       QAction *dailyReview, WallClock clock)
    : QObject(host.window()), m_host(host), m_bank(bank), m_messages(messages),
      m_action(dailyReview), m_clock(std::move(clock)) {
    m_action->setToolTip(QStringLiteral("复习今天到期的错题和收藏的试题"));
    refreshCount();
    refreshAtMidnight();
}

void DailyReviewCommand::refreshCount() {
    QString text = title;
    try {
        if (m_bank.isOpen())
            text += QStringLiteral(" (%1)").arg(
                ReviewSchedule(m_bank.database(), m_clock().date()).dueCount());
    } catch (const StoreError &error) {
        qCWarning(lcReview) << "questions due not counted:" << error.message();
    }
    m_action->setText(text);
}

void DailyReviewCommand::refreshAtMidnight() {
    const QDateTime now = m_clock();
    const qint64 wait = now.msecsTo(QDateTime(now.date().addDays(1), QTime(0, 0, 1)));
    QTimer::singleShot(std::max<qint64>(wait, 1000), this, [this] {
        refreshCount();
        refreshAtMidnight();
    });
}

void DailyReviewCommand::open() {
    // The page waits for the view, pumping events: a second click meanwhile
    // does nothing.
    if (m_opening)
        return;
    const QScopedValueRollback opening(m_opening, true);
    if (!m_bank.isOpen()) {
        m_messages.inform(QStringLiteral("题库没有打开，无法复习。"));
        return;
    }
    QList<PlacedQuestion> due;
    try {
        due = ReviewSchedule(m_bank.database(), m_clock().date()).due();
    } catch (const StoreError &error) {
        qCWarning(lcReview) << "questions due not read:" << error.message();
        m_messages.inform(
            QStringLiteral("今日复习没有打开：题库读取出错。请重新启动 Velkora 后再试。"));
        return;
    }
    refreshCount();
    if (due.isEmpty())
        tellNothingDue();
    else
        showPage(due);
}

void DailyReviewCommand::tellNothingDue() {
    const QDate today = m_clock().date();
    std::optional<QDate> next;
    try {
        next = ReviewSchedule(m_bank.database(), today).nextDay();
    } catch (const StoreError &error) {
        qCWarning(lcReview) << "next review day not read:" << error.message();
    }
    m_messages.inform(next ? QStringLiteral("今天没有要复习的试题。\n"
                                            "下一次复习：%1。")
                                 .arg(dayText(*next, today))
                           : QStringLiteral("还没有要复习的试题。\n答错的试题（错题题库）和"
                                            "收藏的试题会自动安排到今日复习中。"));
}

void DailyReviewCommand::showPage(const QList<PlacedQuestion> &due) {
    QList<RowId> ids;
    for (const PlacedQuestion &question : due)
        ids.append(question.question);
    NumberingState numbering;
    QStringList fragments{summary(int(due.size()))};
    fragments +=
        composeQuestionList(BankQueries(m_bank.database()), due, numbering, m_host.pictures());
    ListPage page;
    page.caption = title;
    page.bookletTitle = QStringLiteral("今日复习 %1（共 %2 题）")
                            .arg(m_clock().date().toString(Qt::ISODate))
                            .arg(ids.size());
    page.questions = [ids] { return ids; };
    page.graded = ids;
    // The schedule moves in the submission's own transaction, so a grading
    // that fails leaves every date as it was.
    page.recordAnswers = [&bank = m_bank, clock = m_clock](const QList<PracticeAnswer> &answers) {
        ReviewSchedule(bank.database(), clock().date()).record(answers);
    };
    page.showAgain = [this] { open(); };
    m_host.showListPage(fragments, {}, std::move(page));
}

} // namespace velkora
