#pragma once

#include "wordlist/karteninhalt.h"
#include "wordlist/wortliste.h"

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace vun {

// Cards on paper must suit children's hands: no card narrower than this on either side.
inline constexpr double MindestkanteMm = 50.0;
// Whatever the printer could print, the cards keep this far from the paper's edge.
inline constexpr double BogenrandMm = 8.0;
// From this many pages on the teacher is asked first: a long list makes a thick pile of paper.
inline constexpr int NachfrageAbSeiten = 31;

// Which half of a pair a card shows. On the table, where nothing keeps two look-alike cards of
// different pairs apart ("12" for 2 · 6 and for 3 · 4), the mark of its side tells a child
// which kind of card to look for. An ordinary list's cards have no side.
enum class Kartenseite { Keine, Links, Rechts };

// The cards to print: their contents in order, each one's side, and the heading of every sheet
// (empty where the list has none).
struct Kartensatz {
    QList<Karteninhalt> inhalte;
    QList<Kartenseite> seiten; // one for every card
    QString titel;
};

// The cards to print with the list's title: two equal cards for every different word of an
// ordinary list, in German alphabetical order (wordlist/alphabet.h), whatever order the game
// deals from; the two halves of every pair of a pair list, in the file's order, each pair's
// cards side by side, the left half marked as such, the right one too.
Kartensatz druckkarten(const Wortliste& liste);

// The room above the grid that a sheet's heading takes.
inline constexpr double KopfzeileMm = 8.0;

// The grid of cards on one page of paper, all sizes in millimetres from the paper's top left.
struct Bogenraster {
    QSizeF papier;
    QRectF flaeche; // what the grid fills
    int spalten = 1;
    int zeilen = 1;
    QRectF kopfzeile; // where the heading stands; empty without one

    int proSeite() const { return spalten * zeilen; }
    QSizeF kartengroesse() const;
    // Where card number platz (0 .. proSeite() - 1, row by row) lies. On the back sheet it lies
    // mirrored left to right, so that front and back meet when the sheet is turned over its
    // long edge.
    QRectF karte(int platz, bool rueckseite = false) const;
    int seiten(int karten) const;
};

// The grid that fills the printable part of the paper with as many cards as fit at their least
// size; a paper too small for one such card holds one card as large as it can be. With a
// heading the grid starts below its line.
Bogenraster bogenraster(QSizeF papierMm, QRectF druckbarMm, bool mitKopfzeile = false);

// Whether printing that many pages needs the teacher's yes first, and the question then.
bool nachfragen(int seiten);
QString nachfragetext(int seiten);

} // namespace vun
