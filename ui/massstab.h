#pragma once

#include "look/schrift.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace vun::ui {

// A design rectangle in pixels at a scale: corner and size each times the factor, rounded, so
// that every card keeps one size and the layout stays uniform.
QRect skaliert(QRect entwurf, double faktor);
QSize skaliert(QSize entwurf, double faktor);
// Fonts scale as the boxes' and the paper's do.
using vun::skaliert;

// The largest factor at which the design fits the area.
double einpassen(QSize entwurf, QSize flaeche);

// The zoom step after `stufe` in the direction (+1 larger, -1 smaller, 0 back to 100) whose
// window of the design size fits the free area; `stufe` itself where no other step fits that way.
int naechsteStufe(int stufe, int richtung, QSize entwurf, QSize frei);

// One layout of a window: its design at a factor, shifted by an offset where the window is larger
// than the design (full screen, which the window may head with what its title bar showed). A
// window's layout function hands every child its design rectangle and font through it; what already
// stands so is left alone, so that laying out again at the same factor repaints nothing.
struct Anordnung {
    double faktor = 1.0;
    QPoint versatz;
    bool vollbild = false;

    void setzen(QWidget* kind, QRect entwurf) const;
    void setzen(QWidget* kind, QRect entwurf, const QFont& schrift) const;
    // A font alone, as the window's own, which its children without a font of their own take.
    void schriftSetzen(QWidget* widget, const QFont& schrift) const;
};

} // namespace vun::ui
