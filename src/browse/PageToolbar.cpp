#include "browse/PageToolbar.h"

#include "chrome/ButtonPictures.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace velkora {

namespace {
struct Placement {
    const char *name;
    int left;
    bool visible;
};
constexpr Placement placements[] = {
    {"NewImage10", 12, true},  {"NewImage16", 12, false}, {"NewImage11", 120, true},
    {"NewImage12", 228, true}, {"NewImage13", 336, true}, {"NewImage14", 444, true},
    {"NewImage15", 552, true}, {"NewImage17", 660, true}, {"NewImage18", 660, false},
};
constexpr int toolbarHeight = 31;
} // namespace

PageToolbar::PageToolbar(const PictureButton::Resolver &resolver, QWidget *parent)
    : QFrame(parent), m_background(resolver(QStringLiteral("mv/page-toolbar.bmp"))) {
    setObjectName(QStringLiteral("Panel4"));
    setFixedHeight(toolbarHeight);
    for (const Placement &p : placements) {
        const QString name = QLatin1String(p.name);
        PictureButton *b = makePictureButton(name, resolver, this);
        b->move(p.left, 2);
        b->setVisible(p.visible);
        m_buttons.append(b);
    }
    auto hidden = [this](auto *widget, const char *name, int left) {
        widget->setObjectName(QLatin1String(name));
        widget->move(left, 4);
        widget->hide();
        return widget;
    };
    m_label1 = hidden(new QLabel(this), "Label1", 176);
    m_bitBtn1 = hidden(new QPushButton(QStringLiteral("提交"), this), "BitBtn1", 488);
    m_speedButton2 = hidden(new QPushButton(QStringLiteral("放大"), this), "SpeedButton2", 599);
    m_speedButton3 = hidden(new QPushButton(QStringLiteral("缩小"), this), "SpeedButton3", 657);
}

void PageToolbar::shiftMarkedControls(int dx) {
    for (QWidget *w :
         {static_cast<QWidget *>(m_bitBtn1), static_cast<QWidget *>(m_label1),
          static_cast<QWidget *>(m_speedButton2), static_cast<QWidget *>(m_speedButton3)})
        w->move(w->x() + dx, w->y());
}

void PageToolbar::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    if (m_background.isNull())
        painter.fillRect(rect(), QColor(0xe3, 0xee, 0xf3));
    else
        painter.drawPixmap(rect(), m_background);
}

} // namespace velkora
