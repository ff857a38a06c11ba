#pragma once

#include <QFont>
#include <QRect>
#include <QString>

namespace vun {

// The program's one face, on screen and on paper: sans-serif at the pixel size a point size has
// at 96 dpi, so a layout holds on any screen; Qt's high-DPI scaling does the rest.
QFont schrift(double punkt, bool fett, bool kursiv = false);

// The given font, its pixel size stepped down until the text laid out with the given flags
// fits the field; a text that fits keeps the font as it is.
QFont passendeSchrift(QFont schrift, QRect feld, int art, const QString& text);

// A design font at a scale: its pixel or point size times the factor. The windows, the boxes and
// the print dialog grow their text by it alike.
QFont skaliert(QFont entwurf, double faktor);

} // namespace vun
