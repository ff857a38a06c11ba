#pragma once

#include "game/gruppen.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QRect>

class QPainter;

// How a group looks wherever it shows, on the board, in the strip below it and in the window
// that sets the groups up: its colour, and its symbol, which a child who cannot tell the colours
// apart tells instead.
namespace vun {

// The symbol filled with the colour inside the square centred in the field, with an outline in
// `rand` that sets it off from any ground.
void gruppensymbolMalen(QPainter& maler, Gruppensymbol symbol, QRectF feld, QColor fuellung,
                        QColor rand);

// The strip's rows: one for the turn, and one for every three groups' pairs.
inline constexpr int Schildeprozeile = 3;
constexpr int streifenzeilen(int gruppen) {
    return 1 + (gruppen + Schildeprozeile - 1) / Schildeprozeile;
}

// Black or white, whichever reads better on the colour.
QColor schriftAuf(QColor grund);

// The strip below the board, drawn from its rectangle alone: a first row with a plate in the
// colour of the group whose turn it is ("▲ Blau ist dran"), then rows of plates, one per group
// in its colour holding its pairs ("● Rot 2"). The text is half a row high, smaller only where
// long names would not fit the width. The ground is filled first.
void gruppenstreifenMalen(QPainter& maler, QRect rahmen, const QList<Gruppe>& gruppen, int dran,
                          QFont schrift, QColor grund);

} // namespace vun
