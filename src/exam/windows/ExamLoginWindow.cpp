// The exam login. Pictures: see EntryScenery.h.
#include "exam/windows/ExamLoginWindow.h"

#include "chrome/WindowCommand.h"
#include "exam/windows/EntryScenery.h"

#include <QLineEdit>

namespace velkora {

namespace {
// Rows of the design; the columns follow the screen width.
constexpr int bannerTop = 60;
constexpr int titleTop = 95;
constexpr int decorationTop = 196;
constexpr int ribbonTop = 188;
constexpr int numberRowTop = 216;
constexpr int buttonRowTop = 263;
constexpr int buttonGap = 20;
} // namespace

ExamLoginWindow::ExamLoginWindow(const PictureButton::Resolver &resolver, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_background(addPicture(this, QStringLiteral("Image1"), QStringLiteral("mv/exam-bg.jpg"),
                              resolver, {1280, 800})),
      m_banner(addPicture(this, QStringLiteral("Image2"),
                          QStringLiteral("mv/exam-login-banner.png"), resolver, {606, 120})),
      m_leftPicture(addPicture(this, QStringLiteral("Image3"),
                               QStringLiteral("mv/exam-login-left.png"), resolver, {210, 130})),
      m_rightPicture(addPicture(this, QStringLiteral("Image4"),
                                QStringLiteral("mv/exam-login-right.png"), resolver, {280, 24})),
      m_title(new QLabel(QStringLiteral("卫生专业技术资格考试"), this)),
      m_numberLabel(new QLabel(QStringLiteral("准考证号："), this)), m_number(new QLineEdit(this)),
      m_login(addEntryButton(this, QStringLiteral("RzBitBtn1"), QStringLiteral("登录考场"),
                             QStringLiteral("exam-login"), resolver)),
      m_quit(addEntryButton(this, QStringLiteral("RzBitBtn2"), QStringLiteral("退出考场"),
                            QStringLiteral("exam-quit"), resolver)) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("卫生专业技术资格考试"));
    setWindowState(Qt::WindowMaximized);
    setFont(entryFont(14));

    m_title->setObjectName(QStringLiteral("Label1"));
    m_title->setFont(entryFont(34, true));
    m_title->setAlignment(Qt::AlignCenter);
    m_title->resize(380, 50);

    const QFont formFont = entryFont(15);
    m_numberLabel->setObjectName(QStringLiteral("Label2"));
    m_numberLabel->setFont(formFont);
    m_numberLabel->resize(77, 28);
    m_number->setObjectName(QStringLiteral("RzEdit1"));
    m_number->setFont(formFont);
    m_number->setFrame(false);
    m_number->setText(QStringLiteral("00000000001"));
    m_number->setAccessibleName(QStringLiteral("准考证号"));
    m_number->resize(180, 28);

    connect(addWindowCommand(this, m_login), &QAction::triggered, this,
            &ExamLoginWindow::loginRequested);
    connect(addWindowCommand(this, m_quit), &QAction::triggered, this, &QDialog::close);
    m_background->lower();
    // Last, so that every piece is styled under its final name.
    setStyleSheet(QStringLiteral("#TForm2 { background: #eaf4f6; } "
                                 "#Label1 { color: white; } "
                                 "#Label2 { color: #1d5f72; } "
                                 "#RzEdit1 { border: none; border-bottom: 2px solid #2a7f96; "
                                 "background: white; padding: 0 6px; color: #1f3b4d; }"));
}

void ExamLoginWindow::layOut(int half) {
    m_banner->move(half - 303, bannerTop);
    m_title->move(half - 190, titleTop);
    m_leftPicture->move(half - 303, decorationTop);
    m_rightPicture->move(half + 10, ribbonTop);
    m_numberLabel->move(half - 77, numberRowTop);
    m_number->move(half, numberRowTop);
    m_login->move(half - 77, buttonRowTop);
    m_quit->move(m_login->geometry().right() + 1 + buttonGap, buttonRowTop);
}

void ExamLoginWindow::showEvent(QShowEvent *event) {
    layOut(halfScreenWidth(this));
    QDialog::showEvent(event);
}

void ExamLoginWindow::resizeEvent(QResizeEvent *event) {
    m_background->resize(size());
    QDialog::resizeEvent(event);
}

} // namespace velkora
