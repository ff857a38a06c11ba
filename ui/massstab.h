#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

class QWidget;

namespace vun::ui {

// The zoom steps of the window in per cent; 100 is the design size.
inline constexpr std::array<int, 6> Zoomstufen{100, 125, 150, 200, 250, 300};

// A design rectangle in pixels at a scale: corner and size each times the factor, rounded, so
// that every card keeps one size and the layout stays uniform.
QRect skaliert(QRect entwurf, double faktor);
QSize skaliert(QSize entwurf, double faktor);

// The largest factor at which the design fits the area.
double einpassen(QSize entwurf, QSize flaeche);

// The step after `stufe` in the direction (+1 larger, -1 smaller, 0 back to 100) whose window of
// the design size fits the free area; `stufe` itself where no other step fits that way.
int naechsteStufe(int stufe, int richtung, QSize entwurf, QSize frei);

// Lays out a window's design at a scale: every child at its design rectangle times the factor,
// shifted by the offset, and every font set on the window or on one of its widgets at its design
// size times the factor. The design is what the window and its widgets show when first laid out
// here; widgets made later are taken into the design on the next call. The factor is kept on the
// window for its widgets to read with massstab().
void massstabAnwenden(QWidget* fenster, double faktor, QPoint versatz = {});

// The factor the window of the widget was last laid out at; 1 for one never scaled.
double massstab(const QWidget* widget);

} // namespace vun::ui
