#include "printing/drucken.h"

#include "game/druckbogen.h"
#include "game/kartenbild.h"
#include "look/lautsprecher.h"
#include "look/schrift.h"
#include "pictures/bildvorrat.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace vun {

namespace {

// The painter draws in tenths of a millimetre: fine enough for font sizes in whole units.
constexpr double EinheitenProMm = 10.0;
constexpr int Textart = Qt::AlignCenter | Qt::TextWordWrap;
// Pictures go on paper at a printer's resolution for the card's size, whatever the file's size.
constexpr double BildDpi = 300.0;

QRectF inEinheiten(const QRectF& mm) {
    return {mm.x() * EinheitenProMm, mm.y() * EinheitenProMm, mm.width() * EinheitenProMm,
            mm.height() * EinheitenProMm};
}

QPen schnittlinie() {
    QPen stift(QColor(150, 150, 150));
    stift.setWidthF(0.2 * EinheitenProMm);
    return stift;
}

// Large enough to read across a table, and small enough for any word to stay whole: a guess
// from the widest word, then the last steps down as the window's cards take them.
QFont kartenschrift(const QRect& feld, const QString& text) {
    QFont groesste = schrift(12, true);
    groesste.setPixelSize(std::min(feld.height() / 3, qRound(14 * EinheitenProMm)));
    const QFontMetricsF masse(groesste);
    qreal breitestes = 0;
    for (const QString& wort : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        breitestes = std::max(breitestes, masse.horizontalAdvance(wort));
    QFont geschaetzt = groesste;
    if (breitestes > feld.width())
        geschaetzt.setPixelSize(std::max(1, int(groesste.pixelSize() * feld.width() / breitestes)));
    return passendeSchrift(geschaetzt, feld, Textart, text);
}

// The picture fitted into the field whole, decoded at the printer's resolution for the field's
// size; the two cards of one picture on a page share one decoded copy. False when the file
// cannot be read as a picture any more.
bool bildMalen(QPainter& maler, const QRect& feld, const QString& pfad,
               QHash<QString, QImage>& bilder) {
    auto it = bilder.find(pfad);
    if (it == bilder.end()) {
        const double pixelProEinheit = BildDpi / 25.4 / EinheitenProMm;
        const QSize pixel = (QSizeF(feld.size()) * pixelProEinheit).toSize();
        it = bilder.insert(pfad, eingepasstLesen(pfad, pixel));
    }
    if (it->isNull())
        return false;
    maler.drawImage(eingepasst(QSizeF(it->size()), QRectF(feld)), *it);
    return true;
}

// Quiet beside the word, yet dark enough to show on any printer in black and white: a disc in
// the top left corner for a left half, a triangle in the top right corner for a right half, so
// that the two differ in shape and in place.
void seitenzeichenMalen(QPainter& maler, const QRectF& feld, double rand, Kartenseite seite) {
    if (seite == Kartenseite::Keine)
        return;
    const double groesse = rand * 0.6;
    const double abstand = rand * 0.25;
    maler.save();
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(70, 70, 70));
    maler.setRenderHint(QPainter::Antialiasing);
    if (seite == Kartenseite::Links) {
        maler.drawEllipse(QRectF(feld.left() + abstand, feld.top() + abstand, groesse, groesse));
    } else {
        const double rechts = feld.right() - abstand;
        const double oben = feld.top() + abstand;
        const QPointF ecken[] = {{rechts - groesse / 2, oben},
                                 {rechts, oben + groesse},
                                 {rechts - groesse, oben + groesse}};
        maler.drawPolygon(ecken, 3);
    }
    maler.restore();
}

// A sound has nothing to see: the loudspeaker, and below it the file's name without its ending,
// by which the teacher sorts a printed sound game.
void klangMalen(QPainter& maler, const QRect& feld, const QString& pfad) {
    const int hoehe = feld.height() * 2 / 3;
    lautsprecherMalen(maler, QRectF(feld.x(), feld.y(), feld.width(), hoehe), Qt::black);
    const QRect zeile(feld.x(), feld.y() + hoehe, feld.width(), feld.height() - hoehe);
    const QString name = QFileInfo(pfad).completeBaseName();
    maler.setFont(kartenschrift(zeile, name));
    maler.setPen(Qt::black);
    maler.drawText(zeile, Textart, name);
}

void kopfzeileMalen(QPainter& maler, const Bogenraster& raster, const QString& titel) {
    if (titel.isEmpty() || raster.kopfzeile.isEmpty())
        return;
    const QRectF zeile = inEinheiten(raster.kopfzeile);
    QFont f = schrift(12, false);
    f.setPixelSize(qRound(zeile.height() * 0.55));
    maler.setFont(f);
    maler.setPen(Qt::black);
    const QString text = QFontMetricsF(f).elidedText(titel, Qt::ElideRight, zeile.width());
    maler.drawText(zeile, Qt::AlignHCenter | Qt::AlignTop, text);
}

void vorderseiteMalen(QPainter& maler, const Bogenraster& raster, const Kartensatz& karten,
                      bool seitenzeichen, int erste) {
    kopfzeileMalen(maler, raster, karten.titel);
    QHash<QString, QImage> bilder;
    const int letzte = std::min<int>(karten.inhalte.size(), erste + raster.proSeite());
    for (int i = erste; i < letzte; ++i) {
        const QRectF feld = inEinheiten(raster.karte(i - erste));
        maler.setPen(schnittlinie());
        maler.drawRect(feld);
        // A tenth of the shorter side as margin keeps the word clear of the scissors.
        const double rand = std::min(feld.width(), feld.height()) / 10;
        if (seitenzeichen)
            seitenzeichenMalen(maler, feld, rand, karten.seiten.value(i, Kartenseite::Keine));
        const QRect innen = feld.adjusted(rand, rand, -rand, -rand).toRect();
        const Karteninhalt& inhalt = karten.inhalte.at(i);
        if (inhalt.nurKlang()) {
            klangMalen(maler, innen, inhalt.klang);
            continue;
        }
        if (inhalt.istBild() && bildMalen(maler, innen, inhalt.bild, bilder))
            continue;
        const QString wort = inhalt.istBild() ? bildname(inhalt.bild) : inhalt.wort;
        maler.setFont(kartenschrift(innen, wort));
        maler.setPen(Qt::black);
        maler.drawText(innen, Textart, wort);
    }
}

// Thin light diagonals: the backs look alike, and a sheet of them costs little ink.
void rueckseiteMalen(QPainter& maler, const Bogenraster& raster, int anzahl) {
    QPen muster(QColor(200, 200, 200));
    muster.setWidthF(0.15 * EinheitenProMm);
    const double abstand = 6 * EinheitenProMm;
    for (int platz = 0; platz < anzahl; ++platz) {
        const QRectF feld = inEinheiten(raster.karte(platz, true));
        maler.save();
        maler.setClipRect(feld);
        maler.setPen(muster);
        for (double x = feld.left() - feld.height(); x < feld.right(); x += abstand)
            maler.drawLine(QPointF(x, feld.bottom()), QPointF(x + feld.height(), feld.top()));
        maler.restore();
        maler.setPen(schnittlinie());
        maler.drawRect(feld);
    }
}

Bogenraster rasterFuer(const QPagedPaintDevice& geraet, bool mitKopfzeile) {
    const QPageLayout layout = geraet.pageLayout();
    return bogenraster(layout.fullRect(QPageLayout::Millimeter).size(),
                       layout.paintRect(QPageLayout::Millimeter), mitKopfzeile);
}

} // namespace

bool kartenMalen(QPagedPaintDevice& geraet, const Kartensatz& karten, bool rueckseiten,
                 bool seitenzeichen, const std::function<void()>& nachSeite) {
    const Bogenraster raster = rasterFuer(geraet, !karten.titel.isEmpty());
    const QRectF druckbar = geraet.pageLayout().paintRect(QPageLayout::Millimeter);
    QPainter maler;
    if (!maler.begin(&geraet))
        return false;
    // The device's origin is the printable area's corner; the grid is measured from the paper's.
    maler.scale(geraet.logicalDpiX() / 25.4 / EinheitenProMm,
                geraet.logicalDpiY() / 25.4 / EinheitenProMm);
    maler.translate(-druckbar.left() * EinheitenProMm, -druckbar.top() * EinheitenProMm);
    const int anzahl = int(karten.inhalte.size());
    const int seiten = raster.seiten(anzahl);
    for (int seite = 0; seite < seiten; ++seite) {
        const int erste = seite * raster.proSeite();
        if (seite > 0 && !geraet.newPage())
            return false;
        vorderseiteMalen(maler, raster, karten, seitenzeichen, erste);
        if (rueckseiten) {
            if (!geraet.newPage())
                return false;
            rueckseiteMalen(maler, raster, std::min<int>(raster.proSeite(), anzahl - erste));
        }
        if (nachSeite)
            nachSeite();
    }
    return maler.end();
}

} // namespace vun
