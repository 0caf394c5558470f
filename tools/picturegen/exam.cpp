// Pictures of the simulated exam: the login and candidate-card windows, the
// button faces of the exam windows, and the quiet backgrounds of the backup
// and restore windows. Light surfaces in the teal family, nothing photographic.
#include "painting.h"

#include <QFontMetricsF>
#include <QPainterPath>

namespace velkora::picturegen::detail {

namespace {

namespace examColors {
const QColor teal{0x2a, 0x7f, 0x96};
const QColor tealDeep{0x1d, 0x5f, 0x72};
const QColor tealSoft{0x5f, 0xa9, 0xbc};
const QColor tealPale{0xd6, 0xec, 0xf1};
const QColor paper{0xfb, 0xfd, 0xfd};
const QColor mistTop{0xf4, 0xfa, 0xfb};
const QColor mistBottom{0xd9, 0xec, 0xf0};
// The sky-blue bottom panel of the exam window the bar buttons stand on.
const QColor skyBlue{0xa6, 0xca, 0xf0};
} // namespace examColors

QRectF bounds(const PictureInfo &info) {
    return QRectF(QPointF(0, 0), QSizeF(info.size));
}

// Soft horizontal waves, the calm motif shared by the exam backgrounds.
void drawWaves(QPainter &p, const QRectF &r, qreal baseline, qreal amplitude, int alpha) {
    p.setPen(Qt::NoPen);
    for (int layer = 0; layer < 3; ++layer) {
        const qreal y = baseline + layer * amplitude * 0.9;
        QPainterPath wave;
        wave.moveTo(r.left(), y);
        wave.cubicTo(r.width() * 0.30, y - amplitude, r.width() * 0.55, y + amplitude, r.right(),
                     y - amplitude * 0.4);
        wave.lineTo(r.right(), r.bottom());
        wave.lineTo(r.left(), r.bottom());
        wave.closeSubpath();
        QColor c = examColors::teal;
        c.setAlpha(alpha + layer * alpha / 2);
        p.setBrush(c);
        p.drawPath(wave);
    }
}

// A rounded medical cross, centred at c.
void drawCross(QPainter &p, const QPointF &c, qreal arm, qreal width, const QColor &fill) {
    QPainterPath cross;
    cross.setFillRule(Qt::WindingFill);
    cross.addRoundedRect(QRectF(c.x() - width / 2, c.y() - arm, width, 2 * arm), width / 4,
                         width / 4);
    cross.addRoundedRect(QRectF(c.x() - arm, c.y() - width / 2, 2 * arm, width), width / 4,
                         width / 4);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(cross.simplified());
}

// Head and shoulders of a neutral figure inside box.
void drawSilhouette(QPainter &p, const QRectF &box, const QColor &color) {
    const qreal cx = box.center().x();
    const qreal headRadius = box.width() * 0.19;
    const QPointF head(cx, box.top() + box.height() * 0.36);
    QPainterPath shoulders;
    const qreal top = head.y() + headRadius * 1.25;
    shoulders.moveTo(box.left() + box.width() * 0.10, box.bottom());
    shoulders.cubicTo(box.left() + box.width() * 0.12, top + box.height() * 0.04,
                      cx - headRadius * 1.6, top, cx, top);
    shoulders.cubicTo(cx + headRadius * 1.6, top, box.right() - box.width() * 0.12,
                      top + box.height() * 0.04, box.right() - box.width() * 0.10, box.bottom());
    shoulders.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(shoulders);
    p.drawEllipse(head, headRadius, headRadius * 1.12);
}

struct FaceColors {
    QColor top, bottom, border, text;
};

// Primary faces are filled teal; secondary faces are white with a teal rim.
FaceColors faceColors(bool primary, ButtonState state) {
    if (primary) {
        switch (state) {
        case ButtonState::Hover:
            return {QColor(0x3f, 0x9d, 0xb5), QColor(0x2a, 0x84, 0x9c), examColors::tealDeep,
                    Qt::white};
        case ButtonState::Pressed:
            return {QColor(0x1a, 0x58, 0x6a), QColor(0x22, 0x6b, 0x80), QColor(0x14, 0x48, 0x57),
                    QColor(0xe6, 0xf2, 0xf5)};
        default:
            return {QColor(0x34, 0x8f, 0xa7), examColors::tealDeep, examColors::tealDeep,
                    Qt::white};
        }
    }
    switch (state) {
    case ButtonState::Hover:
        return {Qt::white, QColor(0xe3, 0xf3, 0xf6), examColors::teal, examColors::tealDeep};
    case ButtonState::Pressed:
        return {QColor(0xc3, 0xe0, 0xe7), QColor(0xd6, 0xeb, 0xf0), examColors::tealDeep,
                examColors::tealDeep};
    default:
        return {Qt::white, QColor(0xee, 0xf5, 0xf7), examColors::tealSoft, examColors::tealDeep};
    }
}

void drawButtonFace(QPainter &p, const PictureInfo &info, const QColor &surround, bool primary,
                    int fontPixels) {
    const QRectF r = bounds(info);
    p.fillRect(r, surround);
    const FaceColors colors = faceColors(primary, info.state);
    const QRectF face = r.adjusted(0.5, 0.5, -0.5, -1.5);
    if (info.state != ButtonState::Pressed) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 40, 50, 40));
        p.drawRoundedRect(face.translated(0, 1), 3, 3);
    }
    QLinearGradient fill(0, face.top(), 0, face.bottom());
    fill.setColorAt(0.0, colors.top);
    fill.setColorAt(1.0, colors.bottom);
    p.setPen(QPen(colors.border, 1));
    p.setBrush(fill);
    p.drawRoundedRect(face, 3, 3);

    const QPointF shift = info.state == ButtonState::Pressed ? QPointF(1, 1) : QPointF(0, 0);
    p.setFont(uiFont(fontPixels, true));
    p.setPen(colors.text);
    p.drawText(face.translated(shift), Qt::AlignCenter, info.label);
}

} // namespace

void paintExamBackground(QPainter &p, const PictureInfo &info) {
    const QRectF r = bounds(info);
    QLinearGradient sky(0, 0, 0, r.height());
    sky.setColorAt(0.0, examColors::mistTop);
    sky.setColorAt(1.0, examColors::mistBottom);
    p.fillRect(r, sky);

    // A faint grid, like the ruled sheet of an answer card.
    p.setPen(QPen(QColor(0x2a, 0x7f, 0x96, 14), 1));
    for (qreal x = 40; x < r.width(); x += 40)
        p.drawLine(QPointF(x, 0), QPointF(x, r.height() * 0.7));
    for (qreal y = 40; y < r.height() * 0.7; y += 40)
        p.drawLine(QPointF(0, y), QPointF(r.width(), y));

    QRadialGradient glow(QPointF(r.width() * 0.5, r.height() * 0.25), r.width() * 0.45);
    glow.setColorAt(0.0, QColor(255, 255, 255, 170));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(r, glow);

    drawWaves(p, r, r.height() * 0.80, r.height() * 0.05, 18);
}

void paintExamBanner(QPainter &p, const PictureInfo &info) {
    const QRectF r = bounds(info);
    QLinearGradient g(0, 0, r.width(), r.height());
    g.setColorAt(0.0, examColors::tealDeep);
    g.setColorAt(1.0, examColors::teal);
    p.fillRect(r, g);

    // Light arcs on the right, a cross in a ring on the left; the window lays
    // its white title over the middle.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(QColor(255, 255, 255, 26 - i * 4), 10));
        p.drawEllipse(QPointF(r.width() - 40, r.height() * 0.8), 70.0 + i * 34, 70.0 + i * 34);
    }
    const QPointF emblem(56, r.height() / 2);
    p.setPen(QPen(QColor(255, 255, 255, 90), 2));
    p.setBrush(QColor(255, 255, 255, 30));
    p.drawEllipse(emblem, 30, 30);
    drawCross(p, emblem, 17, 11, QColor(255, 255, 255, 200));
    p.fillRect(QRectF(0, r.height() - 4, r.width(), 4), QColor(255, 255, 255, 60));
}

// Left of the login form: a terminal with a sheet and a tick.
void paintExamTerminal(QPainter &p, const PictureInfo &info) {
    const QRectF r = bounds(info);
    // A white panel of its own, so the picture reads as a card on any
    // part of the stretched background.
    p.fillRect(r, examColors::mistTop);
    p.setPen(QPen(examColors::tealPale, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);

    const QRectF screen(r.width() * 0.18, 12, r.width() * 0.64, r.height() * 0.58);
    p.setPen(QPen(examColors::tealDeep, 3));
    p.setBrush(Qt::white);
    p.drawRoundedRect(screen, 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(examColors::teal);
    p.drawRect(QRectF(r.width() / 2 - 8, screen.bottom() + 1, 16, 14));
    p.drawRoundedRect(QRectF(r.width() / 2 - 40, screen.bottom() + 14, 80, 7), 3, 3);

    // Lines of a question sheet and a tick.
    p.setBrush(examColors::tealPale);
    for (int i = 0; i < 4; ++i)
        p.drawRoundedRect(QRectF(screen.left() + 16, screen.top() + 14 + i * 14,
                                 screen.width() * (i == 3 ? 0.35 : 0.55), 6),
                          3, 3);
    QPainterPath tick;
    const QPointF t(screen.right() - 34, screen.center().y());
    tick.moveTo(t + QPointF(-12, 0));
    tick.lineTo(t + QPointF(-3, 10));
    tick.lineTo(t + QPointF(14, -12));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x3d, 0xb0, 0x7f), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
}

// Right of the middle, above the form: a quiet rule with a key mark.
void paintExamRibbon(QPainter &p, const PictureInfo &info) {
    const QRectF r = bounds(info);
    p.fillRect(r, examColors::mistTop);
    const qreal y = r.height() / 2;
    QLinearGradient line(0, 0, r.width(), 0);
    line.setColorAt(0.0, examColors::teal);
    line.setColorAt(1.0, QColor(0x2a, 0x7f, 0x96, 0));
    p.fillRect(QRectF(26, y - 1, r.width() - 26, 2), line);
    p.setPen(QPen(examColors::teal, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(10, y), 5.5, 5.5);
    p.drawLine(QPointF(15.5, y), QPointF(24, y));
    p.drawLine(QPointF(21, y), QPointF(21, y + 4));
    p.setPen(Qt::NoPen);
    p.setBrush(examColors::tealSoft);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(r.width() * 0.55 + i * 12, y), 2, 2);
}

// The candidate card: a white card with a teal head band; the window writes
// the candidate's lines onto it.
void paintExamCard(QPainter &p, const PictureInfo &info) {
    const QRectF r = bounds(info);
    p.fillRect(r, examColors::mistTop);
    const QRectF card = r.adjusted(2, 2, -3, -4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 40, 50, 30));
    p.drawRoundedRect(card.translated(1, 2), 8, 8);
    p.setPen(QPen(examColors::tealSoft, 1));
    p.setBrush(examColors::paper);
    p.drawRoundedRect(card, 8, 8);

    QPainterPath outline;
    outline.addRoundedRect(card, 8, 8);
    p.save();
    p.setClipPath(outline);
    p.fillRect(QRectF(card.left(), card.top(), card.width(), 14), examColors::teal);
    p.restore();

    // Faint guide lines under the eleven text rows and a watermark cross.
    p.setPen(QPen(QColor(0x2a, 0x7f, 0x96, 30), 1, Qt::DashLine));
    for (int row = 0; row < 11; ++row) {
        const qreal y = 45.5 + row * 28;
        p.drawLine(QPointF(card.left() + 16, y), QPointF(card.right() - 16, y));
    }
    drawCross(p, QPointF(card.right() - 60, card.bottom() - 60), 34, 22,
              QColor(0x2a, 0x7f, 0x96, 18));
}

// A drawn portrait placeholder; the second photo (taken on site) has a
// camera-frame outline.
void paintExamPhoto(QPainter &p, const PictureInfo &info) {
    const QRectF r = bounds(info);
    const bool onSite = info.name.contains(QLatin1String("-2."));
    p.fillRect(r, Qt::white);
    QLinearGradient back(0, 0, 0, r.height());
    back.setColorAt(0.0, onSite ? QColor(0xec, 0xf1, 0xf3) : QColor(0xdc, 0xee, 0xf3));
    back.setColorAt(1.0, onSite ? QColor(0xd6, 0xe0, 0xe4) : QColor(0xbf, 0xdf, 0xe8));
    const QRectF inner = r.adjusted(4, 4, -4, -4);
    p.fillRect(inner, back);
    p.save();
    p.setClipRect(inner);
    drawSilhouette(
        p, inner.adjusted(inner.width() * 0.08, inner.height() * 0.08, -inner.width() * 0.08, 0),
        onSite ? QColor(0x8d, 0xa3, 0xab) : QColor(0x6f, 0xa3, 0xb3));
    p.restore();
    p.setPen(QPen(QColor(0xb8, 0xcc, 0xd3), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    if (onSite) {
        p.setPen(QPen(examColors::teal, 2.5, Qt::SolidLine, Qt::SquareCap));
        const qreal m = 10, a = 14;
        const QRectF f = r.adjusted(m, m, -m, -m);
        for (const QPointF &corner : {f.topLeft(), f.topRight(), f.bottomLeft(), f.bottomRight()}) {
            const qreal dx = corner.x() < r.center().x() ? a : -a;
            const qreal dy = corner.y() < r.center().y() ? a : -a;
            p.drawLine(corner, corner + QPointF(dx, 0));
            p.drawLine(corner, corner + QPointF(0, dy));
        }
    }
}

// Buttons of the login and card windows, on the light background.
void paintExamEntryButton(QPainter &p, const PictureInfo &info) {
    const bool primary =
        info.button == QLatin1String("exam-login") || info.button == QLatin1String("exam-start");
    drawButtonFace(p, info, QColor(0xe9, 0xf4, 0xf6), primary, 15);
}

// Buttons of the exam window's sky-blue bottom panel; submitting stands out.
void paintExamBarButton(QPainter &p, const PictureInfo &info) {
    const bool primary = info.button == QLatin1String("exam-submit");
    drawButtonFace(p, info, examColors::skyBlue, primary, 14);
}

// Backup and restore windows put their own labels on these.
void paintMaintenanceBackground(QPainter &p, const PictureInfo &info) {
    const QRectF r = bounds(info);
    const bool restore = info.name.contains(QLatin1String("restore"));
    QLinearGradient sky(0, 0, 0, r.height());
    sky.setColorAt(0.0, examColors::mistTop);
    sky.setColorAt(1.0, QColor(0xe4, 0xf1, 0xf4));
    p.fillRect(r, sky);
    p.fillRect(QRectF(0, 0, r.width(), 4), examColors::teal);

    // A database drum in the lower right, with an arrow out (backup) or in (restore).
    const QPointF drum(r.width() - 62, r.height() - 62);
    p.setPen(Qt::NoPen);
    const QColor body(0x2a, 0x7f, 0x96, 26);
    for (int disc = 2; disc >= 0; --disc) {
        const qreal y = drum.y() + disc * 16;
        p.setBrush(body);
        p.drawRect(QRectF(drum.x() - 30, y - 8, 60, 16));
        p.setBrush(QColor(0x2a, 0x7f, 0x96, 40));
        p.drawEllipse(QPointF(drum.x(), y - 8), 30, 9);
    }
    QPainterPath arrow;
    const qreal ax = drum.x() - 62, ay = drum.y() + 8;
    const qreal dir = restore ? 1 : -1; // restore points towards the drum
    arrow.moveTo(ax - 14 * dir, ay);
    arrow.lineTo(ax + 10 * dir, ay);
    arrow.moveTo(ax + 2 * dir, ay - 8);
    arrow.lineTo(ax + 10 * dir, ay);
    arrow.lineTo(ax + 2 * dir, ay + 8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x2a, 0x7f, 0x96, 70), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(arrow);
    drawWaves(p, r, r.height() * 0.86, 6, 10);
}

} // namespace velkora::picturegen::detail
