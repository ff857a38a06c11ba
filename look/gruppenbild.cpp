#include "look/gruppenbild.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>
#include <algorithm>

namespace vun {

namespace {

QColor farbeVon(Rgb rgb) {
    return QColor(rgb.rot, rgb.gruen, rgb.blau);
}

QPainterPath umriss(Gruppensymbol symbol, QRectF q) {
    QPainterPath pfad;
    const QPointF m = q.center();
    const double r = q.width() / 2;
    switch (symbol) {
    case Gruppensymbol::Kreis:
        pfad.addEllipse(q);
        break;
    case Gruppensymbol::Quadrat:
        pfad.addRect(q.adjusted(r * 0.1, r * 0.1, -r * 0.1, -r * 0.1));
        break;
    case Gruppensymbol::Dreieck:
        pfad.addPolygon(QPolygonF{{m.x(), q.top()}, q.bottomRight(), q.bottomLeft()});
        break;
    case Gruppensymbol::Raute:
        pfad.addPolygon(QPolygonF{
            {m.x(), q.top()}, {q.right(), m.y()}, {m.x(), q.bottom()}, {q.left(), m.y()}});
        break;
    case Gruppensymbol::Stern: {
        // Five points, the inner corners at 0.4 of the radius, one point straight up; a little
        // lower than the middle, as a star's weight is below its top point.
        QPolygonF stern;
        const QPointF mitte = m + QPointF(0, r * 0.1);
        for (int i = 0; i < 10; ++i) {
            const double winkel = -M_PI / 2 + i * M_PI / 5;
            const double weite = (i % 2 ? 0.42 : 1.0) * r * 1.05;
            stern << mitte + QPointF(weite * std::cos(winkel), weite * std::sin(winkel));
        }
        pfad.addPolygon(stern);
        break;
    }
    case Gruppensymbol::Herz: {
        const double x = q.left(), y = q.top(), w = q.width(), h = q.height();
        pfad.moveTo(x + w / 2, y + h * 0.95);
        pfad.cubicTo(x - w * 0.15, y + h * 0.45, x + w * 0.15, y - h * 0.1, x + w / 2,
                     y + h * 0.25);
        pfad.cubicTo(x + w * 0.85, y - h * 0.1, x + w * 1.15, y + h * 0.45, x + w / 2,
                     y + h * 0.95);
        break;
    }
    }
    pfad.closeSubpath();
    return pfad;
}

// A plate in the group's colour: its symbol, then the text.
struct Schild {
    int gruppe;
    QString text;
};

int schildbreite(const QFontMetrics& masse, const Schild& s) {
    const int h = masse.height();
    return h / 2 + h + h / 3 + masse.horizontalAdvance(s.text) + h / 2;
}

int zeilenbreite(const QFontMetrics& masse, const QList<Schild>& zeile) {
    int breite = 0;
    for (const Schild& s : zeile)
        breite += schildbreite(masse, s) + masse.height() / 2;
    return breite;
}

void schildMalen(QPainter& maler, QPoint ecke, int hoehe, const Schild& s) {
    const QFontMetrics masse(maler.font());
    const int h = masse.height();
    const QRect platte(ecke, QSize(schildbreite(masse, s), hoehe));
    const QColor grund = farbeVon(gruppenfarbe(s.gruppe));
    const QColor schrift = schriftAuf(grund);
    maler.setPen(QPen(Qt::black, std::max(1, hoehe / 20)));
    maler.setBrush(grund);
    maler.drawRoundedRect(platte, hoehe / 5.0, hoehe / 5.0);
    const QRectF feld(platte.left() + h / 2.0, platte.center().y() - h / 2.0 + 1, h, h);
    gruppensymbolMalen(maler, gruppensymbol(s.gruppe),
                       feld.adjusted(h * 0.1, h * 0.1, -h * 0.1, -h * 0.1), schrift, grund);
    maler.setPen(schrift);
    maler.drawText(QRect(platte.left() + h / 2 + h + h / 3, platte.top(), platte.width(), hoehe),
                   Qt::AlignLeft | Qt::AlignVCenter, s.text);
}

} // namespace

void gruppensymbolMalen(QPainter& maler, Gruppensymbol symbol, QRectF feld, QColor fuellung,
                        QColor rand) {
    const double seite = std::min(feld.width(), feld.height());
    const QRectF q(feld.center() - QPointF(seite / 2, seite / 2), QSizeF(seite, seite));
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(QPen(rand, std::max(1.0, seite / 14), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    maler.setBrush(fuellung);
    maler.drawPath(umriss(symbol, q));
    maler.restore();
}

QColor schriftAuf(QColor grund) {
    // Relative luminance as the web's contrast rule has it: white where it contrasts more.
    const auto kanal = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double l = 0.2126 * kanal(grund.redF()) + 0.7152 * kanal(grund.greenF()) +
                     0.0722 * kanal(grund.blueF());
    return (l + 0.05) / 0.05 >= 1.05 / (l + 0.05) ? Qt::black : Qt::white;
}

void gruppenstreifenMalen(QPainter& maler, QRect rahmen, const QList<Gruppe>& gruppen, int dran,
                          QFont schrift, QColor grund) {
    maler.fillRect(rahmen, grund);
    if (gruppen.isEmpty() || dran < 1 || dran > gruppen.size())
        return;
    const Gruppe& jetzt = gruppen.at(dran - 1);
    QList<QList<Schild>> zeilen{{{jetzt.nummer, QStringLiteral("%1 ist dran").arg(jetzt.name)}}};
    for (qsizetype i = 0; i < gruppen.size(); ++i) {
        if (i % Schildeprozeile == 0)
            zeilen.append(QList<Schild>());
        const Gruppe& g = gruppen.at(i);
        zeilen.last().append({g.nummer, QStringLiteral("%1 %2").arg(g.name).arg(g.paare)});
    }
    const int zeile = rahmen.height() / int(zeilen.size());
    schrift.setPixelSize(std::max(1, zeile / 2));
    const auto passt = [&] {
        const QFontMetrics masse(schrift);
        return std::all_of(zeilen.cbegin(), zeilen.cend(), [&](const QList<Schild>& z) {
            return zeilenbreite(masse, z) <= rahmen.width() + masse.height() / 2;
        });
    };
    while (schrift.pixelSize() > 4 && !passt())
        schrift.setPixelSize(schrift.pixelSize() - 1);
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setFont(schrift);
    const QFontMetrics masse(schrift);
    const int luft = std::max(1, zeile / 10);
    for (qsizetype z = 0; z < zeilen.size(); ++z) {
        QPoint ecke = rahmen.topLeft() + QPoint(0, int(z) * zeile + luft);
        for (const Schild& s : zeilen.at(z)) {
            schildMalen(maler, ecke, zeile - 2 * luft, s);
            ecke.rx() += schildbreite(masse, s) + masse.height() / 2;
        }
    }
    maler.restore();
}

} // namespace vun
