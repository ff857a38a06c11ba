#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

namespace vun {

// The loudspeaker of a card that plays a sound: the same drawing on every sound card, on the
// screen and on paper, so that only the ear tells two sound cards apart. Drawn in the colour
// given, as large as fits the field, centred; at any size, as it is drawn from lines.
void lautsprecherMalen(QPainter& maler, const QRectF& feld, const QColor& farbe);

} // namespace vun
