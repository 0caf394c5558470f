#include "browse/MainStatusBar.h"

#include <QDateTime>
#include <QLabel>

namespace velkora {

namespace {
const QString countPrefix = QStringLiteral("试题量：");
const QString noCount = QStringLiteral("XXX");
const QString slogan = QStringLiteral("潜心练习，厚积薄发 —— 预祝您顺利通过卫生专业技术资格考试！");
} // namespace

MainStatusBar::MainStatusBar(QWidget *parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    const int widths[] = {255, 800, 0};
    const QString texts[] = {countPrefix + noCount, slogan, QString()};
    for (int i = 0; i < 3; ++i) {
        m_panels[i] = new QLabel(texts[i], this);
        m_panels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        if (widths[i] > 0) {
            // The design widths, narrowing only when the window is too small for them.
            m_panels[i]->setMinimumWidth(120);
            m_panels[i]->setMaximumWidth(widths[i]);
            m_panels[i]->setAlignment(Qt::AlignCenter);
        }
        addWidget(m_panels[i], widths[i] > 0 ? widths[i] : 50);
    }
}

void MainStatusBar::showQuestionCount(const QString &count) {
    m_panels[0]->setText(countPrefix + (count.isEmpty() ? noCount : count));
}

void MainStatusBar::showTime(const QDateTime &now) {
    m_panels[2]->setText(QStringLiteral("现在的日期和时间是： ") +
                         now.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
}

} // namespace velkora
