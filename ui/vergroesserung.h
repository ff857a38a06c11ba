#pragma once

#include "ui/massstab.h"

#include <QObject>
#include <QRect>
#include <QSize>
#include <functional>

class QWheelEvent;
class QWidget;

namespace vun::ui {

// How large a window of a fixed design is shown: in zoom steps, never larger than the screen, or
// full screen with the design as large as fits and centred. The design is scaled, not stretched:
// the window's own layout function lays its widgets out anew at each size, so text and pictures
// stay sharp. The keys of the steps and of full screen are the window's extras (ui/extras.h);
// Ctrl with the mouse wheel is read here, at the window, before any widget in it.
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
    // A window not shown yet is only laid out for the screen, so that boxes before its first
    // showing already come at its scale; whoever shows it shows it full screen.
    void vollbildSetzen(bool an);
    // Lays the window out again at its size, as after a widget of the layout is made.
    void anordnen();
    // A new design, as for another board: the window takes its size at the step, or at the
    // largest smaller step that fits the screen, and stays centred; in full screen it is only
    // laid out anew.
    void setzeEntwurf(QSize entwurf);
    QSize entwurf() const { return entwurf_; }

signals:
    void massstabGeaendert(double faktor);
    void vollbildGeschaltet(bool an);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void vollbildVorbereiten();
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
