#include "exam/windows/DrawingWaitBox.h"

#include <QEventLoop>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace velkora {

DrawingWaitBox::DrawingWaitBox(const QWidget &anchor, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("TForm7"));
    setWindowTitle(QStringLiteral("提示"));
    // A note, not a window to work in: the focus stays with the exam window.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(true);
    QPalette aqua = palette();
    aqua.setColor(QPalette::Window, QColor(0, 255, 255));
    aqua.setColor(QPalette::WindowText, Qt::black);
    setPalette(aqua);

    auto *label = new QLabel(QStringLiteral("您好！ 本系统正在进行智能抽题，请稍候......"), this);
    label->setObjectName(QStringLiteral("Label1"));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addWidget(label);
    setFixedSize(sizeHint());
    move(anchor.frameGeometry().topLeft() + QPoint(165, 350));
    show();
    repaint();
}

void DrawingWaitBox::pauseWithEvents(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace velkora
