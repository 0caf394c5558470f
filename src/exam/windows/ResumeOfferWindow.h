#pragma once

#include <QDialog>

class QLabel;

namespace velkora {

struct ResumableExam;

// Offered by 模拟考场 when the last exam was left without 交 卷: the number
// answered and the minutes left, "继续上次考试" to take it up again or
// "开始新的考试" to go on to the settings for a new paper. The caller reads
// choice() once the modal window has closed.
class ResumeOfferWindow : public QDialog {
    Q_OBJECT
public:
    enum class Choice { None, Continue, NewPaper };

    explicit ResumeOfferWindow(QWidget *mainWindow);

    // Shows what is kept of `exam` and clears the choice.
    void offer(const ResumableExam &exam);
    // None when the window was closed by its frame.
    Choice choice() const { return m_choice; }

private:
    void choose(Choice choice);

    QLabel *m_answered;
    QLabel *m_timeLeft;
    Choice m_choice = Choice::None;
};

} // namespace velkora
