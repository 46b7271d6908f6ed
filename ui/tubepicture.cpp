#include "tubepicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdlib>

namespace anodyne {

namespace {

// A metal body seen from the side: dark edges, a bright streak left of centre.
QLinearGradient cylinderShade(qreal left, qreal right, const QColor& base)
{
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0.00, base.darker(260));
    g.setColorAt(0.18, base.darker(120));
    g.setColorAt(0.32, base.lighter(160));
    g.setColorAt(0.45, base);
    g.setColorAt(0.80, base.darker(170));
    g.setColorAt(1.00, base.darker(320));
    return g;
}

// One upright cylinder section between two elliptical rims.
void cylinder(QPainter& p, qreal cx, qreal top, qreal bottom, qreal width, qreal tilt, const QColor& base)
{
    const qreal left = cx - width / 2;
    QPainterPath body;
    body.moveTo(left, top);
    body.lineTo(left, bottom);
    body.arcTo(QRectF(left, bottom - tilt / 2, width, tilt), 180, 180);
    body.lineTo(left + width, top);
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(cylinderShade(left, left + width, base));
    p.drawPath(body);
    // Upper rim, lit from above.
    QLinearGradient rim(left, top - tilt / 2, left + width, top + tilt / 2);
    rim.setColorAt(0, base.lighter(150));
    rim.setColorAt(1, base.darker(140));
    p.setBrush(rim);
    p.drawEllipse(QRectF(left, top - tilt / 2, width, tilt));
}

QImage drawTransmittingTube(const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / 164.0, size.height() / 143.0); // drawn for 164 x 143

    // Studio backdrop fading to a lighter table top.
    QLinearGradient backdrop(0, 0, 0, 143);
    backdrop.setColorAt(0.0, QColor(96, 104, 116));
    backdrop.setColorAt(0.78, QColor(190, 194, 200));
    backdrop.setColorAt(1.0, QColor(222, 224, 228));
    p.fillRect(QRectF(0, 0, 164, 143), backdrop);

    const qreal cx = 82;

    // Soft shadow under the tube.
    QRadialGradient shadow(cx + 6, 133, 52);
    shadow.setColorAt(0, QColor(0, 0, 0, 120));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QRectF(cx - 48, 126, 108, 16));

    // Base pins and the exhaust tip below the cathode ring.
    const QColor pinMetal(200, 200, 196);
    for (int i = -3; i <= 3; ++i) {
        const qreal x = cx + i * 7.0;
        const qreal length = (i == 0) ? 9.0 : 12.0 - std::abs(i);
        QLinearGradient pin(x - 1.2, 0, x + 1.2, 0);
        pin.setColorAt(0, pinMetal.darker(200));
        pin.setColorAt(0.4, pinMetal.lighter(130));
        pin.setColorAt(1, pinMetal.darker(220));
        p.setBrush(pin);
        p.drawRoundedRect(QRectF(x - 1.2, 118, 2.4, length + 6), 1, 1);
    }

    // From the bottom up: cathode contact, ceramic, grid ring, ceramic, anode flange.
    const QColor silver(186, 188, 192);
    const QColor ceramic(236, 226, 204);
    const QColor copper(196, 120, 72);
    cylinder(p, cx, 112, 120, 58, 7, silver);
    cylinder(p, cx, 101, 112, 52, 7, ceramic);
    cylinder(p, cx, 95, 101, 64, 8, silver);
    cylinder(p, cx, 80, 95, 56, 8, ceramic);
    cylinder(p, cx, 74, 80, 70, 9, copper);

    // Glaze highlights on the ceramic rings.
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawRoundedRect(QRectF(cx - 15, 84, 4, 9), 2, 2);
    p.drawRoundedRect(QRectF(cx - 14, 104, 3, 7), 1.5, 1.5);

    // The anode cooler: a stack of thin fins, each a shaded disc, drawn from
    // the bottom so every fin covers the top of the one below.
    const QColor finMetal(170, 172, 178);
    const qreal finWidth = 128;
    for (int fin = 72; fin >= 16; fin -= 3) {
        const auto y = static_cast<qreal>(fin);
        const qreal left = cx - finWidth / 2;
        p.setBrush(QColor(40, 42, 48));
        p.drawEllipse(QRectF(left, y - 6.5, finWidth, 15));
        p.setBrush(cylinderShade(left, left + finWidth, finMetal));
        p.drawEllipse(QRectF(left, y - 8, finWidth, 15));
    }

    // Top face of the cooler: the last fin seen from above with the core's bore.
    QRadialGradient top(cx - 18, 10, 70);
    top.setColorAt(0, finMetal.lighter(150));
    top.setColorAt(0.7, finMetal);
    top.setColorAt(1, finMetal.darker(180));
    p.setBrush(top);
    p.drawEllipse(QRectF(cx - finWidth / 2, 2, finWidth, 16));
    p.setPen(QPen(finMetal.darker(150), 0.6));
    p.setBrush(Qt::NoBrush);
    for (int ring = 1; ring <= 3; ++ring) {
        const qreal w = finWidth - ring * 24.0;
        p.drawEllipse(QRectF(cx - w / 2, 10 - (16 - ring * 3.0) / 2, w, 16 - ring * 3.0));
    }
    p.setPen(Qt::NoPen);
    QRadialGradient bore(cx, 10, 12);
    bore.setColorAt(0, QColor(20, 20, 24));
    bore.setColorAt(1, QColor(90, 90, 96));
    p.setBrush(bore);
    p.drawEllipse(QRectF(cx - 12, 7, 24, 6));

    p.end();
    return image;
}

} // namespace

QImage paintTransmittingTube(const QSize& size)
{
    // Painted once per size: every later About window shares the picture.
    static QImage cached;
    if (cached.size() != size)
        cached = drawTransmittingTube(size);
    return cached;
}

} // namespace anodyne
