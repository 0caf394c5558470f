#include "exam/windows/ResumeOfferWindow.h"

#include "chrome/WindowCommand.h"
#include "exam/session/ExamResume.h"
#include "exam/windows/EntryScenery.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkora {

ResumeOfferWindow::ResumeOfferWindow(QWidget *mainWindow)
    : QDialog(mainWindow), m_answered(new QLabel(this)), m_timeLeft(new QLabel(this)) {
    setObjectName(QStringLiteral("ResumeOffer"));
    setWindowTitle(QStringLiteral("模拟考场"));
    setFont(entryFont(14));
    setStyleSheet(QStringLiteral("#ResumeOffer { background: #f1f7f9; }"));

    auto *heading = new QLabel(QStringLiteral("您上次的模拟考试还没有交卷"), this);
    heading->setFont(entryFont(17, true));
    m_answered->setObjectName(QStringLiteral("AnsweredLabel"));
    m_timeLeft->setObjectName(QStringLiteral("TimeLeftLabel"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const std::pair<const char *, Choice> commands[] = {{"ContinueButton", Choice::Continue},
                                                        {"NewPaperButton", Choice::NewPaper}};
    for (const auto &[name, choice] : commands) {
        auto *button = new QPushButton(choice == Choice::Continue ? QStringLiteral("继续上次考试")
                                                                  : QStringLiteral("开始新的考试"),
                                       this);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(choice == Choice::Continue);
        button->setMinimumSize(140, 34);
        connect(addWindowCommand(this, button), &QAction::triggered, this,
                [this, choice = choice] { choose(choice); });
        buttons->addWidget(button);
    }
    buttons->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 28, 40, 28);
    layout->setSpacing(14);
    layout->addWidget(heading, 0, Qt::AlignHCenter);
    layout->addWidget(m_answered, 0, Qt::AlignHCenter);
    layout->addWidget(m_timeLeft, 0, Qt::AlignHCenter);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setFixedSize(499, 240);
}

void ResumeOfferWindow::offer(const ResumableExam &exam) {
    m_choice = Choice::None;
    m_answered->setText(
        QStringLiteral("已答 %1 题，共 %2 题").arg(exam.answered).arg(exam.paper.rows.size()));
    m_timeLeft->setText(QStringLiteral("剩余时间：%1 分钟").arg(exam.minutesLeft));
    if (const QWidget *main = parentWidget())
        move(main->window()->pos() + entryDialogOffset);
}

void ResumeOfferWindow::choose(Choice choice) {
    m_choice = choice;
    accept();
}

} // namespace velkora
