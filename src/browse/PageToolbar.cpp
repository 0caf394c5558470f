#include "browse/PageToolbar.h"

#include "chrome/ButtonPictures.h"
#include "chrome/MainWindowCommands.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace velkora {

namespace {
struct Placement {
    MainWindowCommand command;
    int left;
    bool visible;
};
constexpr Placement placements[] = {
    {&MainWindowCommands::showAnswers, 12, true},
    {&MainWindowCommands::hideAnswers, 12, false},
    {&MainWindowCommands::answerAgain, 120, true},
    {&MainWindowCommands::submitChapter, 228, true},
    {&MainWindowCommands::print, 336, true},
    {&MainWindowCommands::largerText, 444, true},
    {&MainWindowCommands::smallerText, 552, true},
    {&MainWindowCommands::fullScreen, 660, true},
    {&MainWindowCommands::leaveFullScreen, 660, false},
};
constexpr int toolbarHeight = 31;

// Label1, BitBtn1, SpeedButton2, SpeedButton3: their left edges in the
// window of the design, and in a maximised window counted from the
// screen's right edge.
struct MarkedPlacement {
    int designLeft;
    int maximisedFromRight;
};
constexpr MarkedPlacement markedPlacements[] = {{176, 900}, {488, 560}, {599, 460}, {657, 400}};
} // namespace

PageToolbar::PageToolbar(const PictureButton::Resolver &resolver, QWidget *parent)
    : QFrame(parent), m_background(resolver(QStringLiteral("mv/page-toolbar.bmp"))) {
    setObjectName(QStringLiteral("Panel4"));
    setFixedHeight(toolbarHeight);
    for (const Placement &p : placements) {
        const QString name = QLatin1String(designerName(p.command));
        PictureButton *b = makePictureButton(name, resolver, this);
        b->move(p.left, 2);
        b->setVisible(p.visible);
        m_buttons.append(b);
    }
    auto hidden = [](auto *widget, const char *name) {
        widget->setObjectName(QLatin1String(name));
        widget->move(0, 4);
        widget->hide();
        return widget;
    };
    m_label1 = hidden(new QLabel(this), "Label1");
    m_bitBtn1 = hidden(new QPushButton(QStringLiteral("提交"), this), "BitBtn1");
    m_speedButton2 = hidden(new QPushButton(QStringLiteral("放大"), this), "SpeedButton2");
    m_speedButton3 = hidden(new QPushButton(QStringLiteral("缩小"), this), "SpeedButton3");
    placeMarkedControls(false, 0);
}

QList<QWidget *> PageToolbar::markedControls() const {
    return {m_label1, m_bitBtn1, m_speedButton2, m_speedButton3};
}

void PageToolbar::placeMarkedControls(bool maximised, int screenWidth) {
    const QList<QWidget *> controls = markedControls();
    for (int i = 0; i < controls.size(); ++i) {
        const MarkedPlacement &place = markedPlacements[i];
        controls[i]->move(maximised ? screenWidth - place.maximisedFromRight : place.designLeft,
                          controls[i]->y());
    }
}

void PageToolbar::shiftMarkedControls(int dx) {
    for (QWidget *w : markedControls())
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
