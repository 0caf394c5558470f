// Window chrome: toolbar buttons, title strip buttons, page toolbar buttons and
// the background strips they sit on.
#include "painting.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include <cmath>

namespace velkora::picturegen::detail {

namespace {

QColor withAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

// Pressed buttons move their content one pixel right and down.
QPointF contentShift(ButtonState state) {
    return state == ButtonState::Pressed ? QPointF(1, 1) : QPointF(0, 0);
}

// Text with a soft one-pixel shadow under it, for white labels on the dark strips.
void drawShadowedText(QPainter &p, const QRectF &rect, int flags, const QString &text,
                      const QColor &color, int shadowAlpha) {
    p.setPen(QColor(0, 0, 0, shadowAlpha));
    p.drawText(rect.translated(0, 1), flags, text);
    p.setPen(color);
    p.drawText(rect, flags, text);
}

// Draws the icon into an offscreen layer first so it can throw a soft shadow.
void drawIconWithShadow(QPainter &p, const QRectF &box, const QString &key, int shadowAlpha) {
    const int side = int(box.width());
    QImage layer(side, side, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::Antialiasing);
        drawToolIcon(lp, QRectF(0, 0, side, side), key);
    }
    QImage shadow = layer;
    {
        QPainter sp(&shadow);
        sp.setCompositionMode(QPainter::CompositionMode_SourceIn);
        sp.fillRect(shadow.rect(), QColor(0, 0, 0, shadowAlpha));
    }
    p.drawImage(box.topLeft() + QPointF(0, 1.5), shadow);
    p.drawImage(box.topLeft(), layer);
}

} // namespace

QFont uiFont(int pixelSize, bool bold) {
    QFont font(QString::fromLatin1(kFontFamily));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QLinearGradient toolbarGradient(qreal height) {
    QLinearGradient g(0, 0, 0, height);
    g.setColorAt(0.0, colors::toolbarTop);
    g.setColorAt(1.0, colors::toolbarBottom);
    return g;
}

QLinearGradient pageStripGradient(qreal stripHeight) {
    QLinearGradient g(0, 0, 0, stripHeight);
    g.setColorAt(0.0, colors::paleTop);
    g.setColorAt(1.0, colors::paleBottom);
    return g;
}

void paintTitleSheen(QPainter &p, const QRectF &rect) {
    QLinearGradient sheen(0, rect.top(), 0, rect.bottom());
    sheen.setColorAt(0.0, QColor(255, 255, 255, 34));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 8));
    sheen.setColorAt(1.0, QColor(0, 0, 0, 18));
    p.fillRect(rect, sheen);
    p.fillRect(QRectF(rect.left(), rect.bottom() - 1, rect.width(), 1), QColor(6, 40, 52, 140));
}

// ---------------------------------------------------------------- main toolbar

void paintMainToolButton(QPainter &p, const PictureInfo &info) {
    const QRectF r(QPointF(0, 0), QSizeF(info.size));
    p.fillRect(r, toolbarGradient(r.height()));

    const QRectF plate = r.adjusted(2, 2, -2, -2);
    if (info.state == ButtonState::Hover) {
        QLinearGradient glow(0, plate.top(), 0, plate.bottom());
        glow.setColorAt(0.0, QColor(255, 255, 255, 70));
        glow.setColorAt(1.0, QColor(255, 255, 255, 30));
        p.setPen(QPen(QColor(255, 255, 255, 110), 1));
        p.setBrush(glow);
        p.drawRoundedRect(plate.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    } else if (info.state == ButtonState::Pressed) {
        p.setPen(QPen(QColor(0, 20, 28, 90), 1));
        p.setBrush(QColor(0, 24, 32, 80));
        p.drawRoundedRect(plate.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
        // inner shadow along the top edge reads as "pushed in"
        QLinearGradient inner(0, plate.top(), 0, plate.top() + 6);
        inner.setColorAt(0.0, QColor(0, 0, 0, 60));
        inner.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(inner);
        p.drawRoundedRect(plate.adjusted(1, 1, -1, -1), 4.5, 4.5);
    }

    p.save();
    p.translate(contentShift(info.state));
    const QRectF iconBox((r.width() - 32) / 2.0, 5, 32, 32);
    drawIconWithShadow(p, iconBox, info.button, info.state == ButtonState::Pressed ? 40 : 70);

    p.setFont(uiFont(12));
    const QColor text = info.state == ButtonState::Pressed ? QColor(226, 240, 243) : Qt::white;
    drawShadowedText(p, QRectF(0, 41, r.width(), 18), Qt::AlignHCenter | Qt::AlignVCenter,
                     info.label, text, 90);
    p.restore();
}

// ---------------------------------------------------------------- title strip

void paintTitleButton(QPainter &p, const PictureInfo &info) {
    const QRectF r(QPointF(0, 0), QSizeF(info.size));
    const bool isClose = info.button == QLatin1String("CloseBtn");

    // The buttons sit at the right end of the title strip, where its gradient is flat.
    p.fillRect(r, colors::titleTeal);
    switch (info.state) {
    case ButtonState::Hover:
        p.fillRect(r, isClose ? colors::closeRed : QColor(255, 255, 255, 46));
        break;
    case ButtonState::Pressed:
        p.fillRect(r, isClose ? colors::closeRedDeep : QColor(0, 20, 28, 90));
        break;
    default:
        break;
    }
    paintTitleSheen(p, r);

    // whole-pixel position keeps the one-pixel strokes crisp
    const QRectF glyph =
        QRectF(std::floor((r.width() - 10) / 2.0) + 1, std::floor((r.height() - 10) / 2.0), 10, 10)
            .translated(contentShift(info.state));
    const QColor glyphColor = info.state == ButtonState::Normal ? QColor(232, 244, 246) : Qt::white;
    drawTitleGlyph(p, glyph, info.button, glyphColor);
}

void paintTitleStrip(QPainter &p, const PictureInfo &info) {
    const QRectF r(QPointF(0, 0), QSizeF(info.size));
    // Deep blue on the left into teal; flat from the middle on so the strip can be
    // stretched and the title buttons match its right end.
    QLinearGradient g(0, 0, r.width(), 0);
    g.setColorAt(0.0, colors::titleDeep);
    g.setColorAt(0.55, colors::titleTeal);
    g.setColorAt(1.0, colors::titleTeal);
    p.fillRect(r, g);
    paintTitleSheen(p, r);

    // Round emblem: white disc, teal cross, amber ring.
    const QPointF c(13.5, 12);
    p.setPen(QPen(colors::amber, 1.4));
    p.setBrush(Qt::white);
    p.drawEllipse(c, 8, 8);
    QPainterPath cross;
    cross.setFillRule(Qt::WindingFill);
    cross.addRoundedRect(QRectF(c.x() - 1.9, c.y() - 5, 3.8, 10), 0.9, 0.9);
    cross.addRoundedRect(QRectF(c.x() - 5, c.y() - 1.9, 10, 3.8), 0.9, 0.9);
    p.setPen(Qt::NoPen);
    p.setBrush(colors::teal);
    p.drawPath(cross.simplified());

    // "Velkora" in bold, the rest of the title regular.
    const QString title = info.label;
    const int split = title.indexOf(QLatin1Char(' '));
    const QString brand = split < 0 ? title : title.left(split);
    const QString rest = split < 0 ? QString() : title.mid(split);

    const QFont brandFont = uiFont(13, true);
    const QFont restFont = uiFont(12);
    const QFontMetricsF brandMetrics(brandFont);
    const QRectF textBox(27, 0, r.width() - 27, r.height() - 1);
    p.setFont(brandFont);
    drawShadowedText(p, textBox, Qt::AlignLeft | Qt::AlignVCenter, brand, Qt::white, 70);
    p.setFont(restFont);
    drawShadowedText(p, textBox.adjusted(brandMetrics.horizontalAdvance(brand), 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignVCenter, rest, QColor(240, 248, 250), 70);
}

// ---------------------------------------------------------------- toolbar banner

void paintBanner(QPainter &p, const PictureInfo &info) {
    const QRectF r(QPointF(0, 0), QSizeF(info.size));
    // Same vertical gradient as the buttons on its left, brightening gently to the right.
    p.fillRect(r, toolbarGradient(r.height()));
    QLinearGradient lift(0, 0, r.width(), 0);
    lift.setColorAt(0.0, QColor(255, 255, 255, 0));
    lift.setColorAt(0.6, QColor(120, 220, 230, 26));
    lift.setColorAt(1.0, QColor(150, 235, 240, 46));
    p.fillRect(r, lift);

    // The window is often only 1024 wide, leaving about 600 pixels of banner in
    // view, so the motifs sit in its first two thirds and quieten further right.
    const QPointF crossCentre(560, 31);
    QRadialGradient glow(crossCentre, 130);
    glow.setColorAt(0.0, QColor(255, 255, 255, 42));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(r, glow);

    // Scattered dots, like cells under a lens.
    p.setPen(Qt::NoPen);
    const struct {
        qreal x, y, radius;
        int alpha;
    } dots[] = {{372, 13, 2, 34},   {412, 52, 3, 26}, {470, 12, 2.5, 32}, {500, 54, 2, 36},
                {628, 14, 3.5, 24}, {655, 52, 2, 34}, {705, 22, 4.5, 20}, {742, 50, 2.5, 30},
                {800, 12, 2, 36},   {846, 44, 5, 18}, {884, 18, 2.5, 28}};
    for (const auto &d : dots) {
        p.setBrush(QColor(255, 255, 255, d.alpha));
        p.drawEllipse(QPointF(d.x, d.y), d.radius, d.radius);
    }

    // Pulse line: flat, one heartbeat before the cross, a smaller one after it.
    const qreal base = 41;
    auto beat = [base](QPainterPath &path, qreal x, qreal scale) {
        path.lineTo(x, base);
        path.lineTo(x + 8 * scale, base - 4 * scale);
        path.lineTo(x + 15 * scale, base);
        path.lineTo(x + 22 * scale, base);
        path.lineTo(x + 28 * scale, base + 6 * scale);
        path.lineTo(x + 37 * scale, base - 26 * scale);
        path.lineTo(x + 46 * scale, base + 11 * scale);
        path.lineTo(x + 53 * scale, base);
        path.lineTo(x + 68 * scale, base);
        path.cubicTo(x + 75 * scale, base - 7 * scale, x + 84 * scale, base - 7 * scale,
                     x + 91 * scale, base);
    };
    QPainterPath pulse;
    pulse.moveTo(345, base);
    beat(pulse, 410, 1.0);
    beat(pulse, 700, 0.7);
    pulse.lineTo(r.width(), base);
    QLinearGradient fade(345, 0, r.width(), 0);
    fade.setColorAt(0.0, QColor(255, 255, 255, 0));
    fade.setColorAt(0.12, QColor(255, 255, 255, 110));
    fade.setColorAt(0.5, QColor(255, 255, 255, 70));
    fade.setColorAt(1.0, QColor(255, 255, 255, 25));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(fade), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(pulse);

    // Rounded cross.
    QPainterPath cross;
    cross.setFillRule(Qt::WindingFill);
    cross.addRoundedRect(QRectF(crossCentre.x() - 8, crossCentre.y() - 22, 16, 44), 4, 4);
    cross.addRoundedRect(QRectF(crossCentre.x() - 22, crossCentre.y() - 8, 44, 16), 4, 4);
    p.setPen(QPen(QColor(255, 255, 255, 70), 1.5));
    p.setBrush(QColor(255, 255, 255, 34));
    p.drawPath(cross.simplified());

    // Slogan with a short amber accent under its start.
    p.setFont(uiFont(19, true));
    const QRectF sloganBox(34, 6, r.width() - 34, 44);
    drawShadowedText(p, sloganBox, Qt::AlignLeft | Qt::AlignVCenter, info.label, Qt::white, 80);
    p.setPen(Qt::NoPen);
    p.setBrush(colors::amber);
    p.drawRoundedRect(QRectF(35, 48, 34, 3), 1.5, 1.5);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawRoundedRect(QRectF(73, 48, 12, 3), 1.5, 1.5);
}

// ---------------------------------------------------------------- page toolbar

void paintPageToolbar(QPainter &p, const PictureInfo &info) {
    const QRectF r(QPointF(0, 0), QSizeF(info.size));
    p.fillRect(r, pageStripGradient(r.height()));
    p.fillRect(QRectF(0, 0, r.width(), 1), QColor(255, 255, 255, 200));
    p.fillRect(QRectF(0, r.height() - 1, r.width(), 1), colors::paleLine);
}

void paintPageToolButton(QPainter &p, const PictureInfo &info) {
    const QRectF r(QPointF(0, 0), QSizeF(info.size));
    // The button stands centred on the 31-pixel strip; continue the strip around it.
    const qreal stripOffset = (31 - r.height()) / 2.0;
    QLinearGradient strip = pageStripGradient(31);
    strip.setStart(0, -stripOffset);
    strip.setFinalStop(0, 31 - stripOffset);
    p.fillRect(r, strip);

    QColor top, bottom, border, text, glyph;
    switch (info.state) {
    case ButtonState::Hover:
        top = QColor(0xf2, 0xfc, 0xfd);
        bottom = QColor(0xc8, 0xed, 0xf2);
        border = QColor(0x3b, 0xa7, 0xb5);
        text = colors::tealDark;
        glyph = colors::teal;
        break;
    case ButtonState::Pressed:
        top = QColor(0xa9, 0xd9, 0xe0);
        bottom = QColor(0xc9, 0xe8, 0xec);
        border = QColor(0x24, 0x80, 0x8e);
        text = colors::tealDark;
        glyph = colors::tealDark;
        break;
    default:
        top = QColor(0xff, 0xff, 0xff);
        bottom = QColor(0xe6, 0xef, 0xf2);
        border = QColor(0xb4, 0xc8, 0xd0);
        text = colors::ink;
        glyph = colors::teal;
        break;
    }
    const QRectF face = r.adjusted(1.5, 1.5, -1.5, -1.5);
    QLinearGradient fill(0, face.top(), 0, face.bottom());
    fill.setColorAt(0.0, top);
    fill.setColorAt(1.0, bottom);
    p.setPen(QPen(border, 1));
    p.setBrush(fill);
    p.drawRoundedRect(face, 4, 4);

    p.save();
    p.translate(contentShift(info.state));
    const QFont font = uiFont(13);
    const qreal textWidth = QFontMetricsF(font).horizontalAdvance(info.label);
    const qreal gap = 5;
    const qreal groupWidth = 16 + gap + textWidth;
    const qreal left = std::round((r.width() - groupWidth) / 2.0);
    drawPageGlyph(p, QRectF(left, (r.height() - 16) / 2.0, 16, 16), info.button, glyph);
    p.setFont(font);
    p.setPen(text);
    p.drawText(QRectF(left + 16 + gap, 0, textWidth + 2, r.height() - 1),
               Qt::AlignLeft | Qt::AlignVCenter, info.label);
    p.restore();
}

void paintTreeHeader(QPainter &p, const PictureInfo &info) {
    const QRectF r(QPointF(0, 0), QSizeF(info.size));
    QLinearGradient g(0, 0, 0, r.height());
    g.setColorAt(0.0, QColor(0xf1, 0xf7, 0xf9));
    g.setColorAt(1.0, QColor(0xd5, 0xe4, 0xe9));
    p.fillRect(r, g);
    p.fillRect(QRectF(0, 0, r.width(), 1), QColor(255, 255, 255, 220));
    p.fillRect(QRectF(r.width() - 1, 0, 1, r.height()), QColor(0xc4, 0xd5, 0xdb));
    // teal underline: the column header reads as the head of the tree
    p.fillRect(QRectF(0, r.height() - 2, r.width(), 2), colors::teal);
}

// ---------------------------------------------------------------- score window

void paintDialogButton(QPainter &p, const PictureInfo &info) {
    const QRectF r(QPointF(0, 0), QSizeF(info.size));
    p.fillRect(r, QColor(0xf3, 0xf7, 0xf9)); // window face around the rounded corners

    QColor top, bottom;
    switch (info.state) {
    case ButtonState::Hover:
        top = QColor(0x2c, 0xab, 0xb9);
        bottom = QColor(0x16, 0x84, 0x92);
        break;
    case ButtonState::Pressed:
        top = QColor(0x0a, 0x4c, 0x58);
        bottom = QColor(0x0d, 0x5d, 0x6a);
        break;
    default:
        top = QColor(0x1a, 0x8e, 0x9c);
        bottom = QColor(0x0f, 0x66, 0x74);
        break;
    }
    const QRectF face = r.adjusted(1.5, 1.5, -1.5, -2.5);
    if (info.state != ButtonState::Pressed) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 40, 50, 45));
        p.drawRoundedRect(face.translated(0, 1), 5, 5);
    }
    QLinearGradient fill(0, face.top(), 0, face.bottom());
    fill.setColorAt(0.0, top);
    fill.setColorAt(1.0, bottom);
    p.setPen(QPen(withAlpha(colors::tealDark, 200), 1));
    p.setBrush(fill);
    p.drawRoundedRect(face, 5, 5);

    p.setFont(uiFont(14, true));
    drawShadowedText(p, face.translated(contentShift(info.state)), Qt::AlignCenter, info.label,
                     Qt::white, 70);
}

} // namespace velkora::picturegen::detail
