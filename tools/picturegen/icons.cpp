// Icons and glyphs. Toolbar icons are laid out on a 32 x 32 grid, page glyphs
// on 16 x 16 and title glyphs on 10 x 10; the box passed in scales the grid.
#include "painting.h"

#include <QPainterPath>
#include <QtMath>

namespace velkora::picturegen::detail {

namespace {

// Maps the icon grid onto box for the lifetime of the object.
class GridScope {
public:
    GridScope(QPainter &p, const QRectF &box, qreal grid) : m_p(p) {
        m_p.save();
        m_p.translate(box.topLeft());
        m_p.scale(box.width() / grid, box.height() / grid);
    }
    ~GridScope() { m_p.restore(); }
    GridScope(const GridScope &) = delete;
    GridScope &operator=(const GridScope &) = delete;

private:
    QPainter &m_p;
};

QPen roundPen(const QColor &color, qreal width) {
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPointF onCircle(const QPointF &c, qreal r, qreal degrees) {
    // Qt angles: 0 degrees at 3 o'clock, counter-clockwise positive, y down.
    const qreal a = qDegreesToRadians(degrees);
    return {c.x() + r * qCos(a), c.y() - r * qSin(a)};
}

// Filled arrow head at the end of an arc that runs counter-clockwise (sweep > 0)
// or clockwise (sweep < 0) and stops at endDegrees.
QPainterPath arcArrowHead(const QPointF &c, qreal r, qreal endDegrees, qreal sweep, qreal size) {
    const QPointF tip0 = onCircle(c, r, endDegrees);
    const qreal a = qDegreesToRadians(endDegrees);
    // tangent in the direction of travel
    const qreal dir = sweep > 0 ? 1 : -1;
    const QPointF tangent(-qSin(a) * dir, -qCos(a) * dir);
    const QPointF normal(qCos(a), -qSin(a));
    const QPointF tip = tip0 + tangent * size * 0.9;
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip0 + normal * size * 0.75);
    head.lineTo(tip0 - normal * size * 0.75);
    head.closeSubpath();
    return head;
}

QPainterPath arcPath(const QPointF &c, qreal r, qreal startDegrees, qreal sweep) {
    QPainterPath path;
    path.arcMoveTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), startDegrees);
    path.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), startDegrees, sweep);
    return path;
}

// Round badge used on several icons (clock, arrow, wrong mark).
void drawBadge(QPainter &p, const QPointF &c, qreal r, const QColor &fill) {
    p.setPen(QPen(Qt::white, 1.6));
    p.setBrush(fill);
    p.drawEllipse(c, r, r);
}

// ------------------------------------------------------------ toolbar icons

void iconBook(QPainter &p) {
    QPainterPath cover;
    cover.moveTo(1.5, 8);
    cover.lineTo(1.5, 27);
    cover.cubicTo(7, 26, 12, 27, 16, 29.5);
    cover.cubicTo(20, 27, 25, 26, 30.5, 27);
    cover.lineTo(30.5, 8);
    cover.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colors::tealLight);
    p.drawPath(cover);

    QPainterPath left;
    left.moveTo(16, 9);
    left.cubicTo(12, 6, 7, 5.5, 3, 6.5);
    left.lineTo(3, 25);
    left.cubicTo(7, 24, 12, 24.5, 16, 27.5);
    left.closeSubpath();
    QPainterPath right;
    right.moveTo(16, 9);
    right.cubicTo(20, 6, 25, 5.5, 29, 6.5);
    right.lineTo(29, 25);
    right.cubicTo(25, 24, 20, 24.5, 16, 27.5);
    right.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(left);
    p.drawPath(right);

    p.setPen(roundPen(colors::teal, 1.1));
    p.drawLine(QPointF(16, 9.5), QPointF(16, 27));
    QColor line = colors::teal;
    line.setAlpha(150);
    p.setPen(roundPen(line, 1.2));
    for (int i = 0; i < 4; ++i) {
        const qreal y = 11.5 + 3.6 * i;
        p.drawLine(QPointF(5.5, y), QPointF(13, y + 1));
    }
    for (int i = 1; i < 4; ++i) {
        const qreal y = 11.5 + 3.6 * i;
        p.drawLine(QPointF(19, y + 1), QPointF(26.5, y));
    }
    // ribbon bookmark
    QPainterPath ribbon;
    ribbon.moveTo(21, 6.3);
    ribbon.lineTo(26, 6.1);
    ribbon.lineTo(26, 14.5);
    ribbon.lineTo(23.5, 12.5);
    ribbon.lineTo(21, 14.5);
    ribbon.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colors::amberDeep);
    p.drawPath(ribbon);
}

void iconStar(QPainter &p) {
    const QPointF c(16, 17);
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 == 0) ? 14.5 : 6.2;
        const QPointF pt = onCircle(c, r, 90 + 36 * i);
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    QLinearGradient fill(0, 3, 0, 30);
    fill.setColorAt(0.0, QColor(0xff, 0xe0, 0x7a));
    fill.setColorAt(1.0, colors::amberDeep);
    p.setPen(roundPen(Qt::white, 1.8));
    p.setBrush(fill);
    p.drawPath(star);
    // glint
    p.setPen(roundPen(QColor(255, 255, 255, 200), 1.4));
    p.drawLine(QPointF(12.5, 14.5), QPointF(14.5, 11.5));
}

void iconClipboardClock(QPainter &p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(4, 5, 19, 24), 2.5, 2.5);
    p.setPen(QPen(colors::teal, 1.2));
    p.setBrush(colors::tealLight);
    p.drawRoundedRect(QRectF(8.5, 2.5, 10, 5.5), 1.6, 1.6);

    p.setPen(roundPen(colors::teal, 1.4));
    // ticked first line, plain lines below
    p.drawPolyline(QPolygonF({QPointF(7.5, 13), QPointF(9, 14.6), QPointF(11.5, 11.6)}));
    p.drawLine(QPointF(13.5, 13.2), QPointF(19.5, 13.2));
    p.drawLine(QPointF(7.5, 18.5), QPointF(15, 18.5));
    p.drawLine(QPointF(7.5, 23.5), QPointF(13, 23.5));

    const QPointF c(23, 22.5);
    drawBadge(p, c, 7.4, colors::amber);
    p.setPen(roundPen(colors::tealDark, 1.6));
    p.drawLine(c, c + QPointF(0, -4.4));
    p.drawLine(c, c + QPointF(3.2, 1.2));
}

void iconDatabase(QPainter &p, bool backupArrow) {
    const qreal x = 3, w = 20, top = 6, bottom = 25, ry = 3.6;
    QPainterPath body;
    body.setFillRule(Qt::WindingFill);
    body.addRect(QRectF(x, top, w, bottom - top));
    body.addEllipse(QRectF(x, bottom - ry, w, 2 * ry));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(body.simplified());

    // bands between the platters
    p.setPen(roundPen(colors::teal, 1.2));
    p.setBrush(Qt::NoBrush);
    for (qreal y : {top + 6.5, top + 13.0})
        p.drawArc(QRectF(x, y - ry, w, 2 * ry), 180 * 16, 180 * 16);
    p.setBrush(colors::mist);
    p.drawEllipse(QRectF(x, top - ry, w, 2 * ry));

    if (backupArrow) {
        const QPointF c(24, 22.5);
        drawBadge(p, c, 7.2, colors::fresh);
        p.setPen(roundPen(Qt::white, 1.9));
        p.drawLine(c + QPointF(0, -3.8), c + QPointF(0, 3.2));
        p.drawPolyline(QPolygonF({c + QPointF(-3, 0.4), c + QPointF(0, 3.4), c + QPointF(3, 0.4)}));
    }
}

void iconWrongBook(QPainter &p) {
    p.setPen(Qt::NoPen);
    p.setBrush(colors::tealLight);
    p.drawRoundedRect(QRectF(6, 3.5, 20, 25.5), 2.5, 2.5);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(8, 3.5, 18, 25.5), 2.5, 2.5);
    // rings of the binding
    p.setPen(roundPen(colors::tealDark, 1.5));
    for (qreal y : {8.0, 13.0, 18.0, 23.0})
        p.drawLine(QPointF(4.5, y), QPointF(9, y));
    p.setPen(roundPen(QColor(0x12, 0x75, 0x84, 150), 1.3));
    p.drawLine(QPointF(11.5, 9), QPointF(22.5, 9));
    p.drawLine(QPointF(11.5, 13.5), QPointF(22.5, 13.5));
    p.drawLine(QPointF(11.5, 18), QPointF(16, 18));

    const QPointF c(22.5, 22.5);
    drawBadge(p, c, 7.2, colors::alertRed);
    p.setPen(roundPen(Qt::white, 2));
    p.drawLine(c + QPointF(-2.7, -2.7), c + QPointF(2.7, 2.7));
    p.drawLine(c + QPointF(2.7, -2.7), c + QPointF(-2.7, 2.7));
}

void iconRestore(QPainter &p) {
    const QPointF c(16, 16.5);
    const qreal r = 11.5;
    // Two arcs chasing each other clockwise.
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(Qt::white, 3));
    p.drawPath(arcPath(c, r, 160, -110));
    p.drawPath(arcPath(c, r, -20, -110));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(arcArrowHead(c, r, 50, -1, 4.4));
    p.drawPath(arcArrowHead(c, r, -130, -1, 4.4));

    // small database in the middle
    const qreal x = 11, w = 10, top = 11.5, bottom = 20.5, ry = 1.9;
    QPainterPath body;
    body.setFillRule(Qt::WindingFill);
    body.addRect(QRectF(x, top, w, bottom - top));
    body.addEllipse(QRectF(x, bottom - ry, w, 2 * ry));
    p.setBrush(colors::amber);
    p.drawPath(body.simplified());
    p.setPen(QPen(colors::amberDeep, 1));
    p.setBrush(QColor(0xff, 0xe6, 0xa0));
    p.drawEllipse(QRectF(x, top - ry, w, 2 * ry));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(x, top + 4.5 - ry, w, 2 * ry), 180 * 16, 180 * 16);
}

void iconUpgradeCloud(QPainter &p) {
    QPainterPath cloud;
    cloud.setFillRule(Qt::WindingFill);
    cloud.addEllipse(QPointF(9.5, 18.5), 7, 7);
    cloud.addEllipse(QPointF(17, 13), 9, 9);
    cloud.addEllipse(QPointF(24.5, 19), 6, 6);
    cloud.addRoundedRect(QRectF(2.5, 17, 28, 10), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(cloud.simplified());

    QPainterPath arrow;
    arrow.moveTo(16.5, 9.5);
    arrow.lineTo(22.5, 16.5);
    arrow.lineTo(19, 16.5);
    arrow.lineTo(19, 24.5);
    arrow.lineTo(14, 24.5);
    arrow.lineTo(14, 16.5);
    arrow.lineTo(10.5, 16.5);
    arrow.closeSubpath();
    QLinearGradient fill(0, 9.5, 0, 24.5);
    fill.setColorAt(0.0, colors::fresh);
    fill.setColorAt(1.0, QColor(0x1f, 0xa8, 0x6a));
    p.setBrush(fill);
    p.drawPath(arrow);
}

} // namespace

void drawToolIcon(QPainter &p, const QRectF &box, const QString &key) {
    GridScope grid(p, box, 32);
    if (key == QLatin1String("kstk"))
        iconBook(p);
    else if (key == QLatin1String("wdsc"))
        iconStar(p);
    else if (key == QLatin1String("mnkc"))
        iconClipboardClock(p);
    else if (key == QLatin1String("sjbf"))
        iconDatabase(p, true);
    else if (key == QLatin1String("cttk"))
        iconWrongBook(p);
    else if (key == QLatin1String("sjhy"))
        iconRestore(p);
    else if (key == QLatin1String("rjsj"))
        iconUpgradeCloud(p);
}

void drawAppIcon(QPainter &p, const QRectF &box) {
    GridScope grid(p, box, 32);
    // A tile in the toolbar's colours carrying the chapter-practice book,
    // with a medical cross on a badge like those of the toolbar icons.
    QLinearGradient tile(0, 1, 0, 31);
    tile.setColorAt(0.0, colors::toolbarTop);
    tile.setColorAt(1.0, colors::titleDeep);
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6.5, 6.5);
    drawToolIcon(p, QRectF(3, 2.5, 24, 24), QStringLiteral("kstk"));

    const QPointF c(22.5, 22.5);
    drawBadge(p, c, 6.3, colors::alertRed);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(c.x() - 1.2, c.y() - 3.6, 2.4, 7.2));
    p.drawRect(QRectF(c.x() - 3.6, c.y() - 1.2, 7.2, 2.4));
}

// ------------------------------------------------------------ page glyphs

void drawPageGlyph(QPainter &p, const QRectF &box, const QString &key, const QColor &color) {
    GridScope grid(p, box, 16);
    const QPen pen = roundPen(color, 1.4);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);

    auto eye = [&] {
        QPainterPath lid;
        lid.moveTo(1, 8);
        lid.cubicTo(4, 3, 12, 3, 15, 8);
        lid.cubicTo(12, 13, 4, 13, 1, 8);
        p.drawPath(lid);
        p.setBrush(color);
        p.drawEllipse(QPointF(8, 8), 2.3, 2.3);
        p.setBrush(Qt::NoBrush);
    };

    if (key == QLatin1String("xsda")) {
        eye();
    } else if (key == QLatin1String("ycda")) {
        eye();
        p.setPen(roundPen(color, 1.6));
        p.drawLine(QPointF(2.5, 14), QPointF(13.5, 2));
    } else if (key == QLatin1String("cxdt")) {
        const QPointF c(8, 8.5);
        p.drawPath(arcPath(c, 5.6, 100, 260));
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawPath(arcArrowHead(c, 5.6, 0, 1, 3.0));
    } else if (key == QLatin1String("tjsj")) {
        // paper plane
        QPainterPath plane;
        plane.moveTo(1, 7.5);
        plane.lineTo(15, 1.5);
        plane.lineTo(11, 14.5);
        plane.lineTo(7.5, 10);
        plane.closeSubpath();
        p.setBrush(QColor(color.red(), color.green(), color.blue(), 60));
        p.drawPath(plane);
        p.drawLine(QPointF(7.5, 10), QPointF(15, 1.5));
        p.drawLine(QPointF(7.5, 10), QPointF(7.5, 14));
    } else if (key == QLatin1String("dy")) {
        p.drawRect(QRectF(4.5, 1.5, 7, 4));
        p.drawRoundedRect(QRectF(1.5, 5.5, 13, 6.5), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 9.5, 7, 5));
        p.setPen(roundPen(color, 1));
        p.drawLine(QPointF(6, 11.5), QPointF(10, 11.5));
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawEllipse(QPointF(12.3, 7.7), 0.8, 0.8);
    } else if (key == QLatin1String("da") || key == QLatin1String("xiao")) {
        // letter A with a plus or a minus beside it
        QPainterPath a;
        a.moveTo(1, 14.5);
        a.lineTo(5.5, 2.5);
        a.lineTo(10, 14.5);
        p.setPen(roundPen(color, 1.6));
        p.drawPath(a);
        p.drawLine(QPointF(2.8, 10), QPointF(8.2, 10));
        p.drawLine(QPointF(11, 5), QPointF(15.5, 5));
        if (key == QLatin1String("da"))
            p.drawLine(QPointF(13.25, 2.75), QPointF(13.25, 7.25));
    } else if (key == QLatin1String("qpxs")) {
        // corners pointing outwards
        p.setPen(roundPen(color, 1.6));
        p.drawPolyline(QPolygonF({QPointF(1.5, 6), QPointF(1.5, 1.5), QPointF(6, 1.5)}));
        p.drawPolyline(QPolygonF({QPointF(10, 1.5), QPointF(14.5, 1.5), QPointF(14.5, 6)}));
        p.drawPolyline(QPolygonF({QPointF(14.5, 10), QPointF(14.5, 14.5), QPointF(10, 14.5)}));
        p.drawPolyline(QPolygonF({QPointF(6, 14.5), QPointF(1.5, 14.5), QPointF(1.5, 10)}));
        p.drawLine(QPointF(4, 4), QPointF(6.5, 6.5));
        p.drawLine(QPointF(12, 12), QPointF(9.5, 9.5));
    } else if (key == QLatin1String("ckxs")) {
        p.drawRoundedRect(QRectF(1.5, 2.5, 13, 11), 1.5, 1.5);
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawRect(QRectF(1.5, 2.5, 13, 3));
    }
}

// ------------------------------------------------------------ title glyphs

void drawTitleGlyph(QPainter &p, const QRectF &box, const QString &key, const QColor &color) {
    GridScope grid(p, box, 10);
    p.setBrush(Qt::NoBrush);
    // One-pixel lines on half-pixel positions stay sharp when box sits on whole pixels.
    p.setPen(QPen(color, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    if (key == QLatin1String("MinBtn")) {
        p.drawLine(QPointF(0, 7.5), QPointF(10, 7.5));
        p.drawLine(QPointF(0, 8.5), QPointF(10, 8.5));
    } else if (key == QLatin1String("MaxBtn")) {
        p.drawRect(QRectF(0.5, 0.5, 9, 9));
        p.drawLine(QPointF(1, 1.5), QPointF(9, 1.5));
    } else if (key == QLatin1String("resBtn")) {
        // back square peeking out top right, front square bottom left
        p.drawPolyline(QPolygonF({QPointF(2.5, 2.5), QPointF(2.5, 0.5), QPointF(9.5, 0.5),
                                  QPointF(9.5, 7.5), QPointF(7.5, 7.5)}));
        p.drawRect(QRectF(0.5, 2.5, 7, 7));
        p.drawLine(QPointF(1, 3.5), QPointF(7, 3.5));
    } else if (key == QLatin1String("CloseBtn")) {
        p.setPen(QPen(color, 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0.7, 0.7), QPointF(9.3, 9.3));
        p.drawLine(QPointF(9.3, 0.7), QPointF(0.7, 9.3));
    }
}

} // namespace velkora::picturegen::detail
