#pragma once

#include "ui/aussehen.h"
#include "wordlist/brett.h"

#include <QRect>
#include <QSize>

// Where the main window puts its cards, for both boards and any number of pairs: pure functions
// from the board and one size to rectangles, so that the window, its zoom and the tests agree on
// every pixel.
namespace vun::ui {

// The window of strips, in pixels at 100 %; its tool column sets the least height of any board.
inline constexpr QSize Streifenentwurf = twips(0, 0, 7605, 5790).size();
// The tool column's strip reaches this far down in the window of strips, below its bottom edge.
inline constexpr int Saeulenhoehe = 5895 / TwipsProPixel;
// Where the board starts right of the tool column.
inline constexpr int Brettlinks = 960 / TwipsProPixel;
// In full screen the title bar's caption stands in a strip above the board.
inline constexpr int Kopfhoehe = 300 / TwipsProPixel;
// Squares filling the screen keep this gap, at the window's scale, between and around them: as
// little as still parts two cards.
inline constexpr int Vollbildluecke = 3;

// A grid of equal cards: its top left corner, one card's size and the gap between two cards.
// Every rectangle of the board follows from these.
struct Gitter {
    Raster raster;
    QPoint ecke;
    QSize karte;
    int luecke = 0;

    QRect rahmen(Zelle z) const {
        return {ecke.x() + z.spalte * (karte.width() + luecke),
                ecke.y() + z.zeile * (karte.height() + luecke), karte.width(), karte.height()};
    }
    QSize groesse() const {
        return {raster.spalten * (karte.width() + luecke) - luecke,
                raster.zeilen * (karte.height() + luecke) - luecke};
    }
};

// One row of the strip below the board in group play, at 100 %: its text is half of it, as
// large as the words on the strips.
inline constexpr int Gruppenzeile = 38;

// The window of a board at 100 %: strips keep the strip window whatever their number; squares
// are as wide and as high as their grid needs, never lower than the tool column. With groups the
// window grows by the strip below the board and a margin under it.
QSize brettEntwurf(Brettform form, int paare, int gruppen = 0);

// The strip of group play at 100 %, in the window of brettEntwurf(form, paare, gruppen): below the
// board and as wide as the board's area.
QRect gruppenstreifenrahmen(Brettform form, int paare, int gruppen);

// Where the strip goes when squares fill an area (full screen): along the area's foot, the given
// height, with the gap around it; the cards take the area above it.
QRect gruppenstreifenUnten(QRect flaeche, int hoehe, int luecke);

// Card `nummer` at 100 %, in the window of brettEntwurf(form, paare). Strips stand where they
// always stood; squares lie centred in the height beside the tool column.
QRect kartenrahmen(Brettform form, int paare, int nummer);

// Squares filling an area, as in full screen: the cards as large as the area allows with the given
// gap between them and around them, centred in what is left over.
Gitter quadrateIn(int paare, QRect flaeche, int luecke);

} // namespace vun::ui
