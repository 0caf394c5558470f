#pragma once

#include "base/WallClock.h"
#include "browse/ChapterPage.h"

#include <QObject>

class QAction;

namespace velkora {

class BankConnection;
class BrowseHost;
class Messages;

// The command 今日复习: shows the questions due today on one page in the
// markup of a chapter page, graded as a whole by 提交试卷, whose submission
// moves each answered question to its next date. The command's text tells
// how many are due; the program calls `refreshCount` whenever that may
// have changed. A learner with nothing due is told when the next review is.
class DailyReviewCommand : public QObject {
    Q_OBJECT
public:
    DailyReviewCommand(BrowseHost &host, BankConnection &bank, Messages &messages,
                       QAction *dailyReview, WallClock clock = systemTime);

    void open();
    void refreshCount();

private:
    void showPage(const QList<PlacedQuestion> &due);
    void tellNothingDue();
    // Counts anew when the day changes while the program runs.
    void refreshAtMidnight();

    BrowseHost &m_host;
    BankConnection &m_bank;
    Messages &m_messages;
    QAction *m_action;
    WallClock m_clock;
    bool m_opening = false;
};

} // namespace velkora
