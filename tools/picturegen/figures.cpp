// Pictures of the demo question bank: a schematic chest radiograph and an
// audiogram. Randomness uses fixed seeds so every build draws the same pixels.
#include "painting.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QtMath>

#include <array>
#include <cmath>

namespace velkora::picturegen::detail {

namespace {

// ------------------------------------------------------------ radiograph

// Patient's right lung, which shows on the viewer's left.
QPainterPath rightLung() {
    QPainterPath lung;
    lung.moveTo(214, 96);
    lung.cubicTo(207, 72, 178, 58, 152, 62);
    lung.cubicTo(112, 68, 86, 110, 79, 170);
    lung.cubicTo(73, 230, 70, 282, 73, 318);
    lung.cubicTo(96, 292, 160, 270, 207, 290);
    lung.cubicTo(213, 230, 211, 150, 214, 96);
    lung.closeSubpath();
    return lung;
}

// Patient's left lung; its lower medial edge gives way to the heart.
QPainterPath leftLung() {
    QPainterPath lung;
    lung.moveTo(266, 96);
    lung.cubicTo(273, 72, 302, 58, 328, 62);
    lung.cubicTo(368, 68, 394, 110, 401, 170);
    lung.cubicTo(407, 230, 410, 288, 407, 326);
    lung.cubicTo(386, 302, 346, 294, 318, 300);
    lung.cubicTo(298, 262, 274, 205, 271, 160);
    lung.cubicTo(269, 130, 267, 110, 266, 96);
    lung.closeSubpath();
    return lung;
}

QPainterPath heartShadow() {
    QPainterPath heart;
    heart.moveTo(234, 184);
    heart.cubicTo(264, 178, 300, 206, 322, 246);
    heart.cubicTo(338, 276, 336, 300, 312, 307);
    heart.lineTo(214, 307);
    heart.cubicTo(199, 290, 197, 242, 209, 216);
    heart.cubicTo(214, 201, 222, 189, 234, 184);
    heart.closeSubpath();
    return heart;
}

QPainterPath torso(const QRectF &film) {
    QPainterPath body;
    body.moveTo(202, 0);
    body.lineTo(278, 0);
    body.cubicTo(283, 34, 330, 45, 398, 54);
    body.cubicTo(446, 62, 462, 92, 465, 142);
    body.lineTo(472, film.bottom());
    body.lineTo(8, film.bottom());
    body.lineTo(15, 142);
    body.cubicTo(18, 92, 34, 62, 82, 54);
    body.cubicTo(150, 45, 197, 34, 202, 0);
    body.closeSubpath();
    return body;
}

// Branching vessel shadows fanning out from a hilum.
void drawVessels(QPainter &p, const QPointF &hilum, qreal side, QRandomGenerator &rng) {
    for (int i = 0; i < 9; ++i) {
        const qreal angle = qDegreesToRadians(-70.0 + i * 17.0 + rng.bounded(8.0));
        const qreal length = 70 + rng.bounded(45.0);
        const QPointF dir(side * qCos(angle), qSin(angle));
        QPointF a = hilum;
        qreal width = 3.2;
        for (int step = 0; step < 4; ++step) {
            const QPointF jitter(rng.bounded(10.0) - 5, rng.bounded(10.0) - 5);
            const QPointF b = a + dir * (length / 4) + jitter;
            p.setPen(QPen(QColor(200, 200, 200, 48), width, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(a, b);
            a = b;
            width *= 0.7;
        }
    }
}

// Anatomy under the opacities: soft tissue, lungs, mediastinum, bones.
void paintChestAnatomy(QPainter &p, const QRectF &film, QRandomGenerator &rng) {
    p.fillRect(film, QColor(6, 7, 8));

    const QPainterPath body = torso(film);
    QLinearGradient tissue(0, 0, 0, film.bottom());
    tissue.setColorAt(0.0, QColor(84, 86, 88));
    tissue.setColorAt(0.7, QColor(112, 114, 116));
    tissue.setColorAt(1.0, QColor(142, 144, 146));
    p.setPen(Qt::NoPen);
    p.setBrush(tissue);
    p.drawPath(body);
    p.setClipPath(body);

    // spine behind the mediastinum
    QLinearGradient spine(218, 0, 262, 0);
    spine.setColorAt(0.0, QColor(150, 152, 154, 0));
    spine.setColorAt(0.3, QColor(172, 174, 176));
    spine.setColorAt(0.7, QColor(172, 174, 176));
    spine.setColorAt(1.0, QColor(150, 152, 154, 0));
    p.fillRect(QRectF(214, 0, 52, film.bottom()), spine);

    const QPainterPath lungR = rightLung();
    const QPainterPath lungL = leftLung();
    for (const QPainterPath *lung : {&lungR, &lungL}) {
        const QRectF b = lung->boundingRect();
        // darkest in the middle of the field, greyer where soft tissue overlaps
        QRadialGradient air(QPointF(b.center().x(), b.top() + b.height() * 0.42),
                            b.height() * 0.62);
        air.setColorAt(0.0, QColor(26, 29, 32));
        air.setColorAt(0.65, QColor(38, 42, 46));
        air.setColorAt(1.0, QColor(78, 82, 86));
        p.setBrush(air);
        p.drawPath(*lung);
    }

    // trachea down to the carina and the main bronchi
    p.setPen(QPen(QColor(48, 52, 56, 210), 13, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath airway;
    airway.moveTo(240, -5);
    airway.lineTo(240, 150);
    airway.moveTo(240, 150);
    airway.lineTo(218, 172);
    airway.moveTo(240, 150);
    airway.lineTo(264, 168);
    p.drawPath(airway);

    // vessel shadows fanning out from the hila
    p.save();
    p.setClipPath(lungR.united(lungL), Qt::IntersectClip);
    drawVessels(p, QPointF(210, 172), -1, rng);
    drawVessels(p, QPointF(272, 170), 1, rng);
    p.restore();

    // aortic knob and heart
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 152, 154));
    p.drawEllipse(QPointF(262, 166), 17, 15);
    QRadialGradient heartFill(QPointF(262, 258), 92);
    heartFill.setColorAt(0.0, QColor(166, 168, 170));
    heartFill.setColorAt(1.0, QColor(138, 140, 142));
    p.setBrush(heartFill);
    p.drawPath(heartShadow());

    // posterior ribs arching out from the spine, seen faintly through everything
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 10; ++i) {
        const qreal y = 72 + i * 24.5;
        for (qreal side : {-1.0, 1.0}) {
            auto x = [side](qreal dx) { return 240 + side * dx; };
            QPainterPath rib;
            rib.moveTo(x(18), y);
            rib.cubicTo(x(64), y - 16, x(140), y - 10, x(166), y + 34 + i * 1.5);
            p.setPen(QPen(QColor(215, 217, 220, 40), 8, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(rib);
            p.setPen(QPen(QColor(235, 236, 238, 42), 1.8, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(rib.translated(0, -3.4));
            p.drawPath(rib.translated(0, 3.4));
        }
    }

    // clavicles
    for (qreal side : {-1.0, 1.0}) {
        auto x = [side](qreal dx) { return 240 + side * dx; };
        QPainterPath clavicle;
        clavicle.moveTo(x(14), 82);
        clavicle.cubicTo(x(60), 72, x(120), 54, x(172), 64);
        p.setPen(QPen(QColor(200, 202, 205, 180), 9, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(clavicle);
    }
}

} // namespace

void paintChestRadiograph(QPainter &p, const PictureInfo &info) {
    const QRectF r(QPointF(0, 0), QSizeF(info.size));
    const QRectF film(0, 0, r.width(), r.height() - 36);
    QRandomGenerator rng(20240611);

    // Film unsharpness: paint the anatomy, then soften it by scaling down and up.
    QImage anatomy(film.size().toSize(), QImage::Format_RGB32);
    {
        QPainter ap(&anatomy);
        ap.setRenderHint(QPainter::Antialiasing);
        paintChestAnatomy(ap, film, rng);
    }
    const QSize small = anatomy.size() / 3;
    anatomy = anatomy.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                  .scaled(anatomy.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    p.fillRect(r, QColor(14, 15, 17));
    p.drawImage(film.topLeft(), anatomy);

    // Small rounded opacities, 1.5 to 3 mm, dense in the upper zones and
    // thinning out through the middle zones; the lower zones stay clear.
    const QPainterPath heart = heartShadow();
    const QPainterPath lungR = rightLung();
    const QPainterPath lungL = leftLung();
    p.setPen(Qt::NoPen);
    for (const QPainterPath *lung : {&lungR, &lungL}) {
        const QRectF b = lung->boundingRect();
        int placed = 0;
        for (int attempt = 0; attempt < 8000 && placed < 190; ++attempt) {
            const QPointF pt(b.left() + rng.bounded(b.width()), 68 + rng.bounded(180.0));
            if (heart.contains(pt))
                continue;
            // keep clear of the lung edge
            if (!lung->contains(pt + QPointF(5, 0)) || !lung->contains(pt - QPointF(5, 0)) ||
                !lung->contains(pt - QPointF(0, 5)))
                continue;
            const qreal zone = (pt.y() - 68) / 180.0; // 0 apex .. 1 end of the middle zone
            if (rng.generateDouble() < zone * 0.7)
                continue;
            const qreal radius = 1.3 + rng.bounded(1.2);
            const int shade = 190 + rng.bounded(45);
            QRadialGradient dot(pt, radius + 0.9);
            dot.setColorAt(0.0, QColor(shade, shade, shade, 225));
            dot.setColorAt(0.6, QColor(shade, shade, shade, 160));
            dot.setColorAt(1.0, QColor(shade, shade, shade, 0));
            p.setBrush(dot);
            p.drawEllipse(pt, radius + 0.9, radius + 0.9);
            ++placed;
        }
    }

    // film grain and a darkened rim
    for (int i = 0; i < 6000; ++i) {
        const QPointF pt(rng.bounded(film.width()), rng.bounded(film.height()));
        const int v = rng.bounded(256);
        p.fillRect(QRectF(pt, QSizeF(1, 1)), QColor(v, v, v, 12));
    }
    QRadialGradient rim(film.center(), film.width() * 0.72);
    rim.setColorAt(0.6, QColor(0, 0, 0, 0));
    rim.setColorAt(1.0, QColor(0, 0, 0, 150));
    p.fillRect(film, rim);

    // side marker and caption
    p.setFont(uiFont(20, true));
    p.setPen(QColor(235, 235, 235));
    p.drawText(QRectF(18, 10, 40, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("R"));
    const QRectF band(0, film.bottom(), r.width(), r.height() - film.bottom());
    p.setFont(uiFont(16));
    p.setPen(QColor(226, 228, 230));
    p.drawText(band, Qt::AlignCenter, info.label);
}

// ------------------------------------------------------------ audiogram

namespace {

constexpr std::array<int, 8> kFrequencies{250, 500, 1000, 2000, 3000, 4000, 6000, 8000};
// Noise-induced loss: both ears dip at 4000 Hz and recover towards 8000 Hz.
constexpr std::array<int, 8> kRightEar{10, 10, 15, 20, 40, 65, 45, 25};
constexpr std::array<int, 8> kLeftEar{15, 15, 15, 25, 45, 60, 50, 30};
constexpr int kLevelTop = -10;
constexpr int kLevelBottom = 120;

} // namespace

void paintAudiogram(QPainter &p, const PictureInfo &info) {
    const QRectF r(QPointF(0, 0), QSizeF(info.size));
    p.fillRect(r, Qt::white);

    const QRectF plot(72, 50, 468, 300);
    // 250 Hz and 8000 Hz sit a little inside the frame so their marks stay whole.
    const qreal inset = 16;
    auto xOf = [&](qreal hz) {
        return plot.left() + inset + (plot.width() - 2 * inset) * std::log2(hz / 250.0) / 5.0;
    };
    auto yOf = [&](qreal db) {
        return plot.top() + plot.height() * (db - kLevelTop) / (kLevelBottom - kLevelTop);
    };

    // title
    p.setFont(uiFont(18, true));
    p.setPen(colors::ink);
    p.drawText(QRectF(0, 6, r.width(), 34), Qt::AlignCenter, info.label);

    // normal hearing band
    p.fillRect(QRectF(plot.left(), yOf(kLevelTop), plot.width(), yOf(25) - yOf(kLevelTop)),
               QColor(0xe6, 0xf6, 0xee));

    // grid
    p.setPen(QPen(QColor(0xd3, 0xdc, 0xe0), 1));
    for (int db = kLevelTop; db <= kLevelBottom; db += 10)
        p.drawLine(QPointF(plot.left(), yOf(db)), QPointF(plot.right(), yOf(db)));
    for (int hz : kFrequencies) {
        const bool interOctave = hz == 3000 || hz == 6000;
        p.setPen(QPen(QColor(0xd3, 0xdc, 0xe0), 1, interOctave ? Qt::DashLine : Qt::SolidLine));
        p.drawLine(QPointF(xOf(hz), plot.top()), QPointF(xOf(hz), plot.bottom()));
    }
    p.setPen(QPen(QColor(0x9a, 0xab, 0xb3), 1));
    p.drawLine(QPointF(plot.left(), yOf(0)), QPointF(plot.right(), yOf(0)));
    p.setPen(QPen(colors::ink, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);

    // axis numbers
    p.setFont(uiFont(11));
    p.setPen(colors::ink);
    for (int db = kLevelTop; db <= kLevelBottom; db += 10)
        p.drawText(QRectF(plot.left() - 40, yOf(db) - 8, 34, 16), Qt::AlignRight | Qt::AlignVCenter,
                   db < 0 ? QString(QChar(0x2212)) + QString::number(-db) : QString::number(db));
    for (int hz : kFrequencies)
        p.drawText(QRectF(xOf(hz) - 20, plot.bottom() + 4, 40, 16), Qt::AlignCenter,
                   QString::number(hz));

    // axis titles
    p.setFont(uiFont(12));
    p.drawText(QRectF(plot.left(), plot.bottom() + 20, plot.width(), 18), Qt::AlignCenter,
               QStringLiteral("频率 (Hz)"));
    p.save();
    p.translate(18, plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-plot.height() / 2, -9, plot.height(), 18), Qt::AlignCenter,
               QStringLiteral("听力级 (dB HL)"));
    p.restore();

    const QColor red(0xd6, 0x2e, 0x2e);
    const QColor blue(0x1f, 0x5f, 0xd1);
    auto series = [&](const std::array<int, 8> &levels, const QColor &color, bool circles,
                      qreal nudge) {
        QPolygonF line;
        for (size_t i = 0; i < kFrequencies.size(); ++i)
            line << QPointF(xOf(kFrequencies[i]) + nudge, yOf(levels[i]));
        p.setPen(
            QPen(color, 1.6, circles ? Qt::SolidLine : Qt::DashLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(line);
        for (const QPointF &pt : line) {
            if (circles) {
                p.setPen(QPen(color, 1.8));
                p.setBrush(Qt::white);
                p.drawEllipse(pt, 5, 5);
            } else {
                p.setPen(QPen(color, 2, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(pt + QPointF(-4.5, -4.5), pt + QPointF(4.5, 4.5));
                p.drawLine(pt + QPointF(4.5, -4.5), pt + QPointF(-4.5, 4.5));
            }
        }
    };
    // The two ears sit a hair apart so equal thresholds stay readable.
    series(kRightEar, red, true, -2);
    series(kLeftEar, blue, false, 2);

    // legend in the empty lower left of the chart
    const QRectF legend(plot.left() + 10, yOf(88), 116, 58);
    p.setPen(QPen(QColor(0xc3, 0xcf, 0xd4), 1));
    p.setBrush(QColor(0xf7, 0xfa, 0xfb));
    p.drawRoundedRect(legend, 5, 5);
    p.setFont(uiFont(12));
    const qreal sx = legend.left() + 22;
    const qreal y1 = legend.top() + 18;
    const qreal y2 = legend.top() + 40;
    p.setPen(QPen(red, 1.6));
    p.drawLine(QPointF(sx - 12, y1), QPointF(sx + 12, y1));
    p.setPen(QPen(red, 1.8));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(sx, y1), 5, 5);
    p.setPen(QPen(blue, 1.6, Qt::DashLine));
    p.drawLine(QPointF(sx - 12, y2), QPointF(sx + 12, y2));
    p.setPen(QPen(blue, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(sx - 4.5, y2 - 4.5), QPointF(sx + 4.5, y2 + 4.5));
    p.drawLine(QPointF(sx + 4.5, y2 - 4.5), QPointF(sx - 4.5, y2 + 4.5));
    p.setPen(colors::ink);
    p.drawText(QRectF(sx + 20, y1 - 9, legend.right() - sx - 22, 18),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("右耳 气导"));
    p.drawText(QRectF(sx + 20, y2 - 9, legend.right() - sx - 22, 18),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("左耳 气导"));
}

} // namespace velkora::picturegen::detail
