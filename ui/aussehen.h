#pragma once

#include "game/kartenbild.h"
#include "look/schrift.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <Qt>

class QLabel;
class QMouseEvent;
class QWidget;

namespace vun::ui {

// Both windows are laid out in twips; 15 of them make one pixel at 96 dots per inch.
inline constexpr int TwipsProPixel = 15;

constexpr QRect twips(int links, int oben, int breite, int hoehe) {
    return {links / TwipsProPixel, oben / TwipsProPixel, breite / TwipsProPixel,
            hoehe / TwipsProPixel};
}

inline QColor farbe(Rgb rgb) {
    return QColor(rgb.rot, rgb.gruen, rgb.blau);
}

// Fills the widget's background and sets its text colour.
void einfaerben(QWidget* widget, QColor hintergrund, QColor text);

// A label of the design: plain text, top-aligned as such labels are, wrapped within its width.
// Its window's layout gives it its place.
QLabel* neuesLabel(QWidget* eltern, const QString& name, const QString& text,
                   Qt::Alignment ausrichtung);

// A window of the program: a fixed design with a title bar and a close box, and the given
// buttons of the title bar beside those, on its background colour.
void festesFenster(QWidget* fenster, const QString& name, Qt::WindowFlags knoepfe,
                   QColor hintergrund);

// True for a release of the left button inside the widget: a click as the player means it.
bool istKlick(const QWidget* widget, const QMouseEvent* ereignis);

} // namespace vun::ui
