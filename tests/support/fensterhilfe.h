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

// The boxes of a game in its window: scripted, or Qt's own as the player sees them.
enum class Boxen { Skript, Qt };

// The command line's switches, as main() passes them to the program.
struct Startschalter {
    bool vollbild = false;
    bool vorlesen = false;
};

// A game in the program as main() wires it, started on a word list of the test's choosing and
// shown offscreen, played with mouse clicks. Its voice and sounds are scripted
// (stimmen, klaenge).
struct FensterSpiel : Spielgrundlage, Spielhilfen<FensterSpiel> {
    Sprecherwerk stimmen;
    Klangwerk klaenge;
    ui::Programm programm;
    Memo& memo;
    ui::Hauptfenster& fenster;

    explicit FensterSpiel(const QStringList& woerter = standardWoerter(),
                          Boxen boxen = Boxen::Skript, Startschalter start = {})
        : Spielgrundlage(woerter), programm(ui::Startort{QDir(ordner.path()), {}},
                                            {.dialoge = boxen == Boxen::Skript ? &dialoge : nullptr,
                                             .zufall = &zufall,
                                             .sprecher = stimmen.quelle(),
                                             .klangspieler = klaenge.quelle()}),
          memo(programm.memo()), fenster(programm.fenster()) {
        programm.starten(start.vollbild, start.vorlesen);
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
        for (int k = 1; k <= memo.kartenzahl(); ++k) {
            if (erledigt.contains(k))
                continue;
            const int p = partner(k);
            erledigt << k << p;
            klickKarte(k);
            klickKarte(p);
            if (erledigt.size() < memo.kartenzahl())
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

// Lets every pending paint happen: the events waiting are delivered, the window system's among
// them, until a round of them paints nothing more.
inline void ausmalen() {
    struct Zaehler : QObject {
        int gemalt = 0;
        bool eventFilter(QObject*, QEvent* ereignis) override {
            gemalt += ereignis->type() == QEvent::Paint;
            return false;
        }
    } zaehler;
    qApp->installEventFilter(&zaehler);
    for (int runde = 0; runde < 50; ++runde) {
        zaehler.gemalt = 0;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        if (zaehler.gemalt == 0)
            break;
    }
    qApp->removeEventFilter(&zaehler);
}

} // namespace vun::test
