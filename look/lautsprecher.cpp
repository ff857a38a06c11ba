#include "look/lautsprecher.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace vun {

void lautsprecherMalen(QPainter& maler, const QRectF& feld, const QColor& farbe) {
    const double s = std::min(feld.width(), feld.height());
    if (s <= 0)
        return;
    // In a square of side 1, the loudspeaker's box and cone on the left, three waves on the
    // right: read as sound at a glance, also from the back of a class.
    const QPointF ecke = feld.center() - QPointF(s / 2, s / 2);
    const auto p = [&](double x, double y) { return ecke + QPointF(x * s, y * s); };
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(Qt::NoPen);
    maler.setBrush(farbe);
    const QPointF koerper[] = {p(0.10, 0.37), p(0.30, 0.37), p(0.52, 0.17),
                               p(0.52, 0.83), p(0.30, 0.63), p(0.10, 0.63)};
    maler.drawPolygon(koerper, 6);
    QPen welle(farbe);
    welle.setWidthF(0.065 * s);
    welle.setCapStyle(Qt::RoundCap);
    maler.setPen(welle);
    maler.setBrush(Qt::NoBrush);
    const QPointF mitte = p(0.52, 0.5);
    for (double radius : {0.13, 0.25, 0.37}) {
        const QRectF bogen(mitte - QPointF(radius * s, radius * s),
                           QSizeF(2 * radius * s, 2 * radius * s));
        maler.drawArc(bogen, -45 * 16, 90 * 16);
    }
    maler.restore();
}

} // namespace vun
