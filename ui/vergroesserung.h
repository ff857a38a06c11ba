#pragma once

#include "ui/massstab.h"

#include <QObject>
#include <QRect>
#include <QSize>
#include <functional>

class QKeyEvent;
class QWheelEvent;
class QWidget;

namespace vun::ui {

// How large a window of a fixed design is shown: in zoom steps (Ctrl+Plus, Ctrl+Minus, Ctrl+0,
// Ctrl with the mouse wheel), never larger than the screen, or full screen (F11, back with F11
// or Escape) with the design as large as fits and centred. The design is scaled, not stretched:
// the window's own layout function lays its widgets out anew at each size, so text and pictures
// stay sharp. The keys are read at the window, before any widget in it; the program's input guard
// sees to it that a held key acts once.
class Vergroesserung : public QObject {
    Q_OBJECT
public:
    // `anordnen` lays the window's widgets out; `mittig` centres the window at its current
    // size, as the window places itself. In full screen the design may be taller by a strip
    // above it, `kopf` design pixels high, which the layout then fills.
    Vergroesserung(QWidget* fenster, QSize entwurf, std::function<void(const Anordnung&)> anordnen,
                   std::function<void()> mittig, int kopf = 0);

    int stufe() const { return stufe_; }
    bool vollbild() const { return vollbild_; }
    double faktor() const { return faktor_; }

    // +1 one step larger, -1 one step smaller, 0 the design size; the window stays centred.
    // Does nothing in full screen or where the next step would not fit the screen.
    void stufeWechseln(int richtung);
    void vollbildSetzen(bool an);
    // The window full screen from the start: laid out for the screen before it is first shown,
    // so that boxes of the start-up already come at its scale; shown by the caller.
    void vollbildVorbereiten();
    // Lays the window out again at its size, as after a widget of the layout is made.
    void anordnen();

signals:
    void massstabGeaendert(double faktor);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    bool tasteGedrueckt(const QKeyEvent* druck);
    bool radGedreht(const QWheelEvent* rad);
    void groesseFestlegen();
    QSize freieFlaeche() const;

    QWidget* fenster_;
    QSize entwurf_;
    int kopf_;
    std::function<void(const Anordnung&)> anordnen_;
    std::function<void()> mittig_;
    int stufe_ = 100;
    bool vollbild_ = false;
    double faktor_ = 1.0;
    QRect normalRahmen_; // where the window stood before full screen; empty: centre it
    int radRest_ = 0;    // wheel turns not yet a whole notch
};

} // namespace vun::ui
