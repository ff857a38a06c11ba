#include "game/druckbogen.h"

#include "seams/dialoge.h"
#include "wordlist/alphabet.h"

#include <QSet>
#include <algorithm>
#include <cmath>

namespace vun {

Kartensatz druckkarten(const Wortliste& liste) {
    Kartensatz satz;
    satz.titel = liste.titel();
    if (liste.art() == Listenart::Paare) {
        for (const Kartenpaar& paar : liste.eintraege()) {
            satz.inhalte << paar.links << paar.rechts;
            satz.seiten << Kartenseite::Links << Kartenseite::Rechts;
        }
        return satz;
    }
    // A word written twice in the file still makes one pair of cards, as on the board.
    QList<Karteninhalt> woerter;
    QSet<Karteninhalt> gesehen;
    for (const Kartenpaar& wort : liste.eintraege()) {
        if (gesehen.contains(wort.links))
            continue;
        gesehen.insert(wort.links);
        woerter << wort.links;
    }
    alphabetischOrdnen(woerter, [](const Karteninhalt& wort) { return wort.text(); });
    for (const Karteninhalt& wort : woerter) {
        satz.inhalte << wort << wort;
        satz.seiten << Kartenseite::Keine << Kartenseite::Keine;
    }
    return satz;
}

QSizeF Bogenraster::kartengroesse() const {
    return {flaeche.width() / spalten, flaeche.height() / zeilen};
}

QRectF Bogenraster::karte(int platz, bool rueckseite) const {
    const QSizeF groesse = kartengroesse();
    const int spalte = platz % spalten;
    const int zeile = platz / spalten;
    QRectF feld(QPointF(flaeche.left() + spalte * groesse.width(),
                        flaeche.top() + zeile * groesse.height()),
                groesse);
    if (rueckseite)
        feld.moveLeft(papier.width() - feld.right());
    return feld;
}

int Bogenraster::seiten(int karten) const {
    return karten <= 0 ? 0 : (karten + proSeite() - 1) / proSeite();
}

Bogenraster bogenraster(QSizeF papierMm, QRectF druckbarMm, bool mitKopfzeile) {
    const QRectF innen = QRectF(QPointF(0, 0), papierMm)
                             .adjusted(BogenrandMm, BogenrandMm, -BogenrandMm, -BogenrandMm);
    QRectF flaeche = druckbarMm.intersected(innen);
    if (flaeche.isEmpty())
        flaeche = druckbarMm.isEmpty() ? QRectF(QPointF(0, 0), papierMm) : druckbarMm;
    Bogenraster raster;
    // On a paper too small for a card below it the heading is left out.
    if (mitKopfzeile && flaeche.height() >= KopfzeileMm + MindestkanteMm) {
        raster.kopfzeile = QRectF(flaeche.topLeft(), QSizeF(flaeche.width(), KopfzeileMm));
        flaeche.setTop(flaeche.top() + KopfzeileMm);
    }
    raster.papier = papierMm;
    raster.flaeche = flaeche;
    raster.spalten = std::max(1, int(std::floor(flaeche.width() / MindestkanteMm)));
    raster.zeilen = std::max(1, int(std::floor(flaeche.height() / MindestkanteMm)));
    return raster;
}

bool nachfragen(int seiten) {
    return seiten >= NachfrageAbSeiten;
}

QString nachfragetext(int seiten) {
    return QStringLiteral("Die Karten dieser Liste füllen %1 Seiten.").arg(seiten) + CR +
           QStringLiteral("Trotzdem drucken?") + CR;
}

} // namespace vun
