#include "feedback/ErrorReportWindow.h"

#include "page/WebPageView.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace velkora {

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

ErrorReportWindow::ErrorReportWindow(QWidget *parent) : QWidget(parent, Qt::Window) {
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
    m_confirm = new QPushButton(QStringLiteral("确 定"), this);
    m_confirm->setObjectName(QStringLiteral("Button1"));
    m_cancel = new QPushButton(QStringLiteral("取 消"), this);
    m_cancel->setObjectName(QStringLiteral("Button2"));
    bottom->addWidget(m_confirm);
    bottom->addWidget(m_cancel);
    root->addLayout(bottom);

    connect(m_confirm, &QPushButton::clicked, this, &ErrorReportWindow::confirmed);
    connect(m_cancel, &QPushButton::clicked, this, &QWidget::close);
}

void ErrorReportWindow::clearForReport() {
    m_memo->clear();
    for (QCheckBox *box : m_reasons)
        box->setChecked(false);
}

void ErrorReportWindow::showEvent(QShowEvent *event) {
    if (const QScreen *screen = this->screen())
        move(screen->geometry().width() / 2 - 512, screen->geometry().height() / 2 - 384);
    QWidget::showEvent(event);
}

} // namespace velkora
