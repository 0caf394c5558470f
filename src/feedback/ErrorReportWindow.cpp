#include "feedback/ErrorReportWindow.h"

#include "base/Messages.h"
#include "feedback/FeedbackUploader.h"
#include "page/PagePresenter.h"
#include "page/WebPageView.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLoggingCategory>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace velkora {

Q_LOGGING_CATEGORY(lcReportWindow, "velkora.feedback")

const QStringList &ErrorReportWindow::reasonLabels() {
    static const QStringList labels = {
        QStringLiteral("试题图片不显示"),     QStringLiteral("试题不在考试大纲范围内"),
        QStringLiteral("试题不属于本学科"),   QStringLiteral("试题过于陈旧"),
        QStringLiteral("试题有错别字"),       QStringLiteral("解题思路与题干不符"),
        QStringLiteral("解题思路图片不显示"), QStringLiteral("解题思路与答案相互矛盾"),
        QStringLiteral("解题思路有错别字"),   QStringLiteral("试题与其他试题重复"),
    };
    return labels;
}

ErrorReportWindow::ErrorReportWindow(QString templatePath, QWidget *parent)
    : QWidget(parent, Qt::Window), m_templatePath(std::move(templatePath)) {
    setObjectName(QStringLiteral("TForm9"));
    setWindowTitle(QStringLiteral("错题反馈"));
    setFixedSize(1000, 557);
    setStyleSheet(QStringLiteral(
        "#TForm9 { background: #eef4f7; } QGroupBox { font-weight: bold; color: #0f5a6e; "
        "border: 1px solid #b9cfd9; border-radius: 4px; margin-top: 10px; padding-top: 8px; } "
        "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; }"));
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(10, 10, 10, 10);

    auto *panel1 = new QWidget(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setFixedSize(980, 287);
    auto *panelLayout = new QVBoxLayout(panel1);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    m_pageView = new WebPageView(panel1);
    m_pageView->setObjectName(QStringLiteral("WebBrowser1"));
    panelLayout->addWidget(m_pageView);
    root->addWidget(panel1);

    auto *groups = new QHBoxLayout;
    auto *reasons = new QGroupBox(QStringLiteral("其他错误反馈"), this);
    auto *grid = new QGridLayout(reasons);
    for (int i = 0; i < reasonCount; ++i) {
        m_reasons[i] = new QCheckBox(reasonLabels()[i], reasons);
        m_reasons[i]->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        grid->addWidget(m_reasons[i], i % 5, i / 5);
    }
    groups->addWidget(reasons, 3);
    auto *remarkBox = new QGroupBox(QStringLiteral("错误的附加说明"), this);
    auto *remarkLayout = new QVBoxLayout(remarkBox);
    m_memo = new QPlainTextEdit(remarkBox);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    remarkLayout->addWidget(m_memo);
    groups->addWidget(remarkBox, 2);
    root->addLayout(groups, 1);

    auto *bottom = new QHBoxLayout;
    auto *thanks = new QLabel(
        QStringLiteral("感谢您的反馈！您报告的问题我们会认真核实，并在以后的数据升级中改正。"),
        this);
    thanks->setStyleSheet(QStringLiteral("color: #4a6572;"));
    bottom->addWidget(thanks, 1);
    m_sendAction = new QAction(QStringLiteral("确 定"), this);
    m_sendAction->setObjectName(QStringLiteral("Button1"));
    connect(m_sendAction, &QAction::triggered, this, &ErrorReportWindow::send);
    auto *cancelAction = new QAction(QStringLiteral("取 消"), this);
    cancelAction->setObjectName(QStringLiteral("Button2"));
    connect(cancelAction, &QAction::triggered, this, &QWidget::close);
    addAction(m_sendAction);
    addAction(cancelAction);
    const auto addButton = [&](QAction *action) {
        auto *button = new QPushButton(action->text(), this);
        button->setAccessibleName(action->text());
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::changed, button,
                [button, action] { button->setEnabled(action->isEnabled()); });
        bottom->addWidget(button);
        return button;
    };
    m_confirm = addButton(m_sendAction);
    m_cancel = addButton(cancelAction);
    root->addLayout(bottom);
}

ErrorReportWindow::~ErrorReportWindow() = default;

void ErrorReportWindow::setFeedbackServer(const FeedbackServer &server) {
    m_sender = std::make_unique<FeedbackSender>(server);
    connect(m_sender.get(), &FeedbackSender::finished, this, &ErrorReportWindow::sendFinished);
}

FeedbackReport ErrorReportWindow::report() const {
    FeedbackReport report;
    report.subject = m_reported.subject;
    report.questionId = m_reported.questionId;
    report.questionText = m_reported.questionText;
    for (int i = 0; i < reasonCount; ++i)
        report.reasons[i] = m_reasons[i]->isChecked();
    report.remark = m_memo->toPlainText();
    return report;
}

bool ErrorReportWindow::isSending() const {
    return m_sender && m_sender->isSending();
}

void ErrorReportWindow::send() {
    if (isSending())
        return;
    if (!m_sender) {
        qCWarning(lcReportWindow) << "report not sent: no feedback server configured";
        tell(QStringLiteral("反馈失败！"));
        return;
    }
    m_sendAction->setEnabled(false);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_sender->send(report());
}

void ErrorReportWindow::sendFinished(bool sent) {
    QGuiApplication::restoreOverrideCursor();
    m_sendAction->setEnabled(true);
    if (!sent) {
        tell(QStringLiteral("反馈失败！"));
        return;
    }
    tell(QStringLiteral("您的问题已经反馈成功，谢谢您的反馈！"));
    close();
    emit confirmed();
}

void ErrorReportWindow::tell(const QString &text) const {
    if (m_messages)
        m_messages->inform(text);
    else
        qCWarning(lcReportWindow) << "no one to tell:" << text;
}

void ErrorReportWindow::openFor(const ReportPreview &preview) {
    m_memo->clear();
    for (QCheckBox *box : m_reasons)
        box->setChecked(false);
    // A question that could not be read keeps the last one reported.
    if (!preview.questionId.isEmpty())
        m_reported = preview;
    show();
    raise();
    PagePresenter(*m_pageView, m_templatePath).show(preview.fragments);
}

void ErrorReportWindow::showEvent(QShowEvent *event) {
    // A 1024 x 768 frame centred on the screen the window is on.
    if (const QScreen *screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + area.width() / 2 - 512, area.y() + area.height() / 2 - 384);
    }
    QWidget::showEvent(event);
}

} // namespace velkora
