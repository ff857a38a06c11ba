#pragma once

#include "tests/support/spiel.h"
#include "ui/aussehen.h"
#include "ui/dateiliste.h"
#include "ui/hauptfenster.h"
#include "ui/infofenster.h"
#include "ui/karte.h"
#include "ui/programm.h"

#include <QLabel>
#include <QtTest>

namespace vun::test {

// A game in its real main window, shown offscreen, played with mouse clicks.
struct FensterSpiel : Spiel {
    ui::Hauptfenster fenster{memo};

    explicit FensterSpiel(const QStringList& woerter = standardWoerter()) : Spiel(woerter) {
        fenster.show();
    }

    QWidget* teil(const QString& name) const {
        return fenster.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    }
    QWidget* bild(int n) const { return teil(QStringLiteral("Bild%1").arg(n)); }
    ui::Karte* karte(int n) const { return fenster.karte(n); }

    void klickKarte(int n) { QTest::mouseClick(karte(n), Qt::LeftButton); }
    // Finds the pairs not yet found by mouse, in card order; nachPaar(k, p) checks every pair
    // but the last, whose click ends the game.
    template <class Pruefung> void uebrigePaareFinden(QList<int> erledigt, Pruefung nachPaar) {
        for (int k = 1; k <= 18; ++k) {
            if (erledigt.contains(k))
                continue;
            const int p = partner(k);
            erledigt << k << p;
            klickKarte(k);
            klickKarte(p);
            if (erledigt.size() < 18)
                nachPaar(k, p);
        }
    }
    void klickBild(int n) { QTest::mouseClick(bild(n), Qt::LeftButton); }

    // The load messages shown so far, as "NAME wurde geladen!".
    QStringList geladen() const {
        QStringList namen;
        for (const Gezeigt& g : dialoge.gezeigt)
            if (g.prompt.endsWith(QStringLiteral(" wurde geladen!\r")))
                namen.append(g.prompt.chopped(1));
        return namen;
    }
};

// The whole program as main() wires it, on a list in a folder of its own, its boxes scripted:
// for what only the program connects, such as Ctrl+P to the printer.
struct ProgrammSpiel {
    QTemporaryDir ordner;
    SkriptDialoge dialoge;
    SkriptZufall zufall;
    ui::Programm programm{ui::Startort{QDir(ordner.path()), {}}, &dialoge, &zufall};

    explicit ProgrammSpiel(const QStringList& woerter = Spiel::standardWoerter()) {
        wortlisteSchreiben(ordner.filePath(QStringLiteral("VUNMEMO.TXT")), woerter);
        programm.fenster.starten();
    }
};

// A double-click as the window system delivers it, through the widget's window: press, release,
// double-click, release; each event goes to whatever widget is under the point by then.
inline void doppelklick(QWidget* widget, QPoint p = {}) {
    if (p.isNull())
        p = widget->rect().center();
    QTest::mouseDClick(widget->window()->windowHandle(), Qt::LeftButton, {},
                       widget->mapTo(widget->window(), p));
}
// A third press right after a double-click: Qt counts it as a press of its own.
inline void dreifachklick(QWidget* widget, QPoint p = {}) {
    if (p.isNull())
        p = widget->rect().center();
    const QPoint imFenster = widget->mapTo(widget->window(), p);
    doppelklick(widget, p);
    QTest::mouseClick(widget->window()->windowHandle(), Qt::LeftButton, {}, imFenster);
}

// The colour a widget shows at a point, as drawn.
inline QColor pixel(QWidget* widget, QPoint p) {
    return widget->grab().toImage().pixelColor(p);
}

inline QColor farbeVon(Rgb rgb) {
    return QColor(rgb.rot, rgb.gruen, rgb.blau);
}

// Counts the paint events a widget gets.
class Malzaehler : public QObject {
public:
    explicit Malzaehler(QWidget* widget) : QObject(widget) { widget->installEventFilter(this); }
    int anzahl = 0;

protected:
    bool eventFilter(QObject*, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::Paint)
            ++anzahl;
        return false;
    }
};

// Lets every pending paint happen.
inline void ausmalen() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(10);
    }
}

} // namespace vun::test
