#include "exam/windows/ExamBottomPanel.h"

#include "chrome/PictureButton.h"
#include "exam/session/ExamNavigator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace velkora {

namespace {

const QColor skyBlue(0xa6, 0xca, 0xf0);

QLabel *namedLabel(const char *objectName, const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    return label;
}

} // namespace

ExamBottomPanel::ExamBottomPanel(const ProgramFolder &folder, QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Panel1"));
    setAutoFillBackground(true);
    QPalette sky = palette();
    sky.setColor(QPalette::Window, skyBlue);
    setPalette(sky);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->addLayout(buildButtons(folder));
    layout->addLayout(buildClockAndProgress());
}

QLayout *ExamBottomPanel::buildButtons(const ProgramFolder &folder) {
    auto *row = new QHBoxLayout;
    row->setSpacing(16);
    const auto add = [&](const char *objectName, const QString &face, const QString &picture) {
        const QString base = QStringLiteral("mv/") + picture;
        auto *button = new PictureButton(
            QString::fromLatin1(objectName), face,
            {base + QStringLiteral("-1.png"), base + QStringLiteral("-2.png"),
             base + QStringLiteral("-3.png")},
            [folder](const QString &name) { return folder.path(name); }, this);
        button->setFixedSize(100, 30);
        row->addWidget(button);
        return button;
    };
    m_buttons.previous = add("BitBtn1", QStringLiteral("上一题"), QStringLiteral("exam-prev"));
    m_buttons.next = add("BitBtn2", QStringLiteral("下一题"), QStringLiteral("exam-next"));
    m_buttons.calculator = add("BitBtn3", QStringLiteral("计算器"), QStringLiteral("exam-calc"));
    m_buttons.help = add("BitBtn4", QStringLiteral("帮 助（3）"), QStringLiteral("exam-help"));
    m_buttons.help->hide();
    m_buttons.submit = add("BitBtn5", QStringLiteral("交 卷"), QStringLiteral("exam-submit"));
    row->addStretch(1);
    return row;
}

QLayout *ExamBottomPanel::buildClockAndProgress() {
    m_minutesLabel = namedLabel("Label9", QStringLiteral("90"), this);
    QFont strong = m_minutesLabel->font();
    strong.setBold(true);
    m_minutesLabel->setFont(strong);
    auto *row = new QHBoxLayout;
    row->addWidget(namedLabel("Label7", QStringLiteral("考试总时间是90分钟，剩余时间是："), this));
    row->addWidget(m_minutesLabel);
    row->addWidget(namedLabel("Label8", QStringLiteral("分钟"), this));
    row->addSpacing(40);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(0, 1); // a range of 0 would show a busy bar
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_progress->setFixedWidth(220);
    m_answeredLabel = namedLabel("Label6", QStringLiteral("0"), this);
    m_rowCountLabel = namedLabel("Label5", QStringLiteral("/0"), this);
    row->addWidget(namedLabel("Label4", QStringLiteral("总题数："), this));
    row->addWidget(m_progress);
    row->addWidget(m_answeredLabel);
    row->addWidget(m_rowCountLabel);
    row->addStretch(1);
    return row;
}

void ExamBottomPanel::setRowCount(int rows) {
    m_progress->setRange(0, qMax(1, rows));
    m_rowCountLabel->setText(QStringLiteral("/") + QString::number(rows));
}

void ExamBottomPanel::showProgress(const ProgressDisplay &progress) {
    m_progress->setValue(progress.barValue);
    m_answeredLabel->setText(QString::number(progress.count));
}

void ExamBottomPanel::showMinutesLeft(const QString &minutes) {
    m_minutesLabel->setText(minutes);
}

} // namespace velkora
