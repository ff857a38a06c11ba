// The game played with the keyboard alone: focus order, arrow keys, presses and the focus mark.
#include "tests/support/tastenhilfe.h"

#include <QKeyEvent>
#include <QSignalSpy>

using namespace vun;
using namespace vun::test;

namespace {

const QColor Gelb(255, 255, 0);

// The pixels where two pictures of the same widget differ.
QList<QPoint> unterschiede(const QImage& a, const QImage& b) {
    QList<QPoint> punkte;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixelColor(x, y) != b.pixelColor(x, y))
                punkte.append({x, y});
    return punkte;
}

// True when every point lies on a frame of the given thickness whose outer edge is r.
bool aufRahmen(const QList<QPoint>& punkte, QRect r, int dicke) {
    const QRect innen = r.adjusted(dicke, dicke, -dicke, -dicke);
    return std::all_of(punkte.begin(), punkte.end(),
                       [&](QPoint p) { return r.contains(p) && !innen.contains(p); });
}

} // namespace

class TstTastatur : public QObject {
    Q_OBJECT
private slots:
    // Nothing but keys, from the first card to the win message and the next round.
    void ganzesSpielMitTasten() {
        TastenSpiel s;
        QCOMPARE(s.fokuskarte(), 1);
        // A miss, left open until the next press covers it.
        const int y = s.andereKarte(1);
        s.taste(Qt::Key_Space);
        s.dreheMitTasten(y, Qt::Key_Return);
        QCOMPARE(s.offeneKarten(), 2);
        QCOMPARE(s.beschriftung(y), s.wort(y));
        QList<int> erledigt;
        int paare = 0;
        for (int k = 1; k <= 18; ++k) {
            if (erledigt.contains(k))
                continue;
            const int p = s.partner(k);
            erledigt << k << p;
            s.dreheMitTasten(k, paare % 2 ? Qt::Key_Enter : Qt::Key_Space);
            s.dreheMitTasten(p);
            ++paare;
            if (paare < 9)
                QCOMPARE(s.memo.zustand(k), Kartenzustand::Gefunden);
        }
        QCOMPARE(s.dialoge.gezeigt.size(), 1);
        QCOMPARE(s.dialoge.gezeigt.first().titel, QStringLiteral("Memory"));
        for (int k = 1; k <= 18; ++k)
            QCOMPARE(s.memo.zustand(k), Kartenzustand::Verdeckt);
        // The focus stays on the board: the next key starts the next round.
        const int hier = s.fokuskarte();
        QVERIFY(hier != 0);
        s.taste(Qt::Key_Space);
        QCOMPARE(rundeLaeuft(s.memo), true);
        QCOMPARE(s.memo.zustand(hier), Kartenzustand::Offen);
    }

    void nachbarn_data() {
        QTest::addColumn<int>("karte");
        QTest::addColumn<int>("taste");
        QTest::addColumn<int>("ziel");
        QTest::newRow("1 hoch: Rand") << 1 << int(Qt::Key_Up) << 1;
        QTest::newRow("1 runter") << 1 << int(Qt::Key_Down) << 2;
        QTest::newRow("1 links: Rand") << 1 << int(Qt::Key_Left) << 1;
        QTest::newRow("1 rechts") << 1 << int(Qt::Key_Right) << 10;
        QTest::newRow("9 runter: Rand") << 9 << int(Qt::Key_Down) << 9;
        QTest::newRow("9 hoch") << 9 << int(Qt::Key_Up) << 8;
        QTest::newRow("9 rechts") << 9 << int(Qt::Key_Right) << 18;
        QTest::newRow("10 hoch: Rand, nicht 9") << 10 << int(Qt::Key_Up) << 10;
        QTest::newRow("10 links") << 10 << int(Qt::Key_Left) << 1;
        QTest::newRow("14 rechts: Rand") << 14 << int(Qt::Key_Right) << 14;
        QTest::newRow("18 runter: Rand") << 18 << int(Qt::Key_Down) << 18;
        QTest::newRow("5 Bild ab: keine Pfeiltaste") << 5 << int(Qt::Key_PageDown) << 5;
    }
    void nachbarn() {
        QFETCH(int, karte);
        QFETCH(int, taste);
        QFETCH(int, ziel);
        QCOMPARE(ui::Karte::nachbar(karte, taste), ziel);
    }

    // Arrow keys move the focus and nothing else; no card is turned on the way.
    void pfeileBewegenNurDenFokus() {
        TastenSpiel s;
        s.taste(Qt::Key_Right);
        QCOMPARE(s.fokuskarte(), 10);
        s.taste(Qt::Key_Up);
        QCOMPARE(s.fokuskarte(), 10);
        s.gehZu(18);
        QCOMPARE(s.fokuskarte(), 18);
        s.taste(Qt::Key_Left);
        QCOMPARE(s.fokuskarte(), 9);
        QCOMPARE(rundeLaeuft(s.memo), false);
        for (int k = 1; k <= 18; ++k)
            QVERIFY(s.beschriftung(k).isEmpty());
    }

    // Tab: the six tool buttons, the board as one stop, round again; Shift+Tab backwards.
    // Coming back, the board gives the focus to the card left last.
    void tabFolge() {
        TastenSpiel s;
        s.gehZu(12);
        QList<QWidget*> gesehen;
        for (int i = 0; i < 7; ++i) {
            s.taste(Qt::Key_Tab);
            gesehen.append(s.fokus());
        }
        for (int n = 1; n <= 6; ++n)
            QCOMPARE(gesehen.at(n - 1), s.bild(n));
        QCOMPARE(gesehen.at(6), s.karte(12));
        s.taste(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(s.fokus(), s.bild(6));
        s.taste(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(s.fokus(), s.bild(5));
        QVERIFY(s.dialoge.gezeigt.isEmpty());
    }

    // The file list, shown by key, takes the focus and is a stop of its own; a file chosen
    // with the arrow keys hides it and hands the focus back to the board.
    void dateilisteMitTasten() {
        TastenSpiel s;
        s.datei(QStringLiteral("TIERE.TXT"),
                {"Hund", "Katze", "Maus", "Pferd", "Kuh", "Schaf", "Ziege", "Huhn", "Ente"});
        s.gehZu(3);
        for (int i = 0; i < 5; ++i)
            s.taste(Qt::Key_Tab);
        QCOMPARE(s.fokus(), s.bild(5));
        s.taste(Qt::Key_Space);
        QWidget* liste = s.fenster.dateiliste();
        QVERIFY(liste->isVisible());
        QCOMPARE(s.fokus(), liste);
        s.taste(Qt::Key_Tab);
        QCOMPARE(s.fokus(), s.karte(3));
        s.taste(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(s.fokus(), liste);
        s.taste(Qt::Key_Down); // the first entry: TIERE.TXT
        QCOMPARE(s.geladen(), QStringList{QStringLiteral("TIERE.TXT wurde geladen!")});
        QVERIFY(!liste->isVisible());
        QCOMPARE(s.fokus(), s.karte(3));
        QCOMPARE(s.memo.gespielteDatei(), QStringLiteral("TIERE.TXT"));
    }

    // Space and Enter press a focused picture button just as a click does.
    void knoepfeMitTasten() {
        TastenSpiel s;
        s.taste(Qt::Key_Space); // card 1 open
        s.taste(Qt::Key_Tab);
        QCOMPARE(s.fokus(), s.bild(1));
        s.dialoge.antworten = {AntwortNein};
        s.taste(Qt::Key_Return);
        QCOMPARE(s.dialoge.gezeigt.last().titel, QStringLiteral("VUN-Memospiel"));
        QVERIFY(s.fenster.isVisible());
        s.taste(Qt::Key_Tab);
        s.dialoge.eingaben = {QStringLiteral("Lea")};
        s.taste(Qt::Key_Space);
        QCOMPARE(s.memo.fenstertitel(), QStringLiteral("VUN-Memospiel: Lea"));
        s.taste(Qt::Key_Tab);
        s.taste(Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(s.dialoge.gezeigt.last().prompt.startsWith(QStringLiteral("Immer zwei Felder")));
        s.taste(Qt::Key_Tab);
        s.dialoge.antworten = {AntwortJa};
        s.taste(Qt::Key_Space);
        QCOMPARE(s.offeneKarten(), 0); // new game
        s.taste(Qt::Key_Tab);
        s.taste(Qt::Key_Tab);
        QCOMPARE(s.fokus(), s.bild(6));
        s.taste(Qt::Key_Space);
        QVERIFY(s.fenster.infofenster() && s.fenster.infofenster()->isVisible());
        QCOMPARE(s.dialoge.gezeigt.size(), 4);
        // Other keys and Space with a modifier press nothing.
        s.fenster.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s.fenster));
        s.bild(3)->setFocus(Qt::TabFocusReason);
        s.taste(Qt::Key_A);
        s.taste(Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(s.dialoge.gezeigt.size(), 4);
    }

    // A held key presses once, as a held mouse button clicks once.
    void gehalteneTasteDruecktEinmal() {
        TastenSpiel s;
        QSignalSpy karte(s.karte(1), &ui::Karte::geklickt);
        QKeyEvent erst(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QKeyEvent wieder(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                         true);
        for (QWidget* w : {static_cast<QWidget*>(s.karte(1)), static_cast<QWidget*>(s.bild(3))}) {
            QApplication::sendEvent(w, &erst);
            for (int i = 0; i < 3; ++i)
                QApplication::sendEvent(w, &wieder);
        }
        QCOMPARE(karte.size(), 1);
        QCOMPARE(s.beschriftung(1), s.wort(1));
        QCOMPARE(s.dialoge.gezeigt.size(), 1); // the help, once

        // X11 sends a held key as release and press with one time stamp, not always marked.
        const int y = s.andereKarte(1);
        s.klickKarte(y); // an unmatched pair: a second press on card 1 would cover it
        QKeyEvent los(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        for (quint64 zeit : {100, 140, 180}) {
            los.setTimestamp(zeit);
            erst.setTimestamp(zeit);
            QApplication::sendEvent(s.karte(1), &los);
            QApplication::sendEvent(s.karte(1), &erst);
        }
        QCOMPARE(karte.size(), 1);
        QCOMPARE(s.offeneKarten(), 2);
        erst.setTimestamp(500); // let go and pressed anew
        QApplication::sendEvent(s.karte(1), &erst);
        QCOMPARE(karte.size(), 2);
    }

    // A game played with the mouse never shows the mark; the first key brings it, a click hides it.
    void fokusrahmenNurFuerTastatur() {
        TastenSpiel s;
        QCOMPARE(s.fokuskarte(), 1);
        s.klickKarte(17); // whatever keys earlier tests pressed
        ausmalen();
        const QImage maus = s.karte(1)->grab().toImage();
        s.taste(Qt::Key_Down);
        s.taste(Qt::Key_Up);
        ausmalen();
        const QImage taste = s.karte(1)->grab().toImage();
        QVERIFY(aufRahmen(unterschiede(maus, taste), s.karte(1)->rect().adjusted(3, 3, -3, -3), 2));
        QVERIFY(!unterschiede(maus, taste).isEmpty());
        s.klickKarte(16);
        ausmalen();
        QCOMPARE(s.fokuskarte(), 1);
        QVERIFY(unterschiede(maus, s.karte(1)->grab().toImage()).isEmpty());
    }

    // The mark is a 2 pixel frame inside the card and on the button's edge: every other pixel,
    // the card's colours and its word included, stays as it was.
    void fokusrahmen() {
        TastenSpiel s;
        const int p = s.partner(2);
        s.dreheMitTasten(2);
        s.dreheMitTasten(p); // a found pair: dark cyan, italic
        for (ui::Schaltflaeche* w : {static_cast<ui::Schaltflaeche*>(s.karte(p)),
                                     static_cast<ui::Schaltflaeche*>(s.bild(4))}) {
            w->setFocus(Qt::TabFocusReason);
            ausmalen();
            QVERIFY(w->hasFocus());
            const QImage mit = w->grab().toImage();
            s.karte(p == 1 ? 18 : 1)->setFocus(Qt::TabFocusReason);
            ausmalen();
            const QImage ohne = w->grab().toImage();
            const QList<QPoint> anders = unterschiede(mit, ohne);
            const bool karte = qobject_cast<ui::Karte*>(w) != nullptr;
            const QRect rahmen = karte ? w->rect().adjusted(3, 3, -3, -3) : w->rect();
            QVERIFY(!anders.isEmpty());
            QVERIFY(aufRahmen(anders, rahmen, 2));
            // Yellow on every side, black between.
            const QRect r = rahmen;
            for (QPoint ecke : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
                QCOMPARE(mit.pixelColor(ecke), Gelb);
            QCOMPARE(mit.pixelColor(r.left() + 5, r.top()), QColor(Qt::black));
        }
        // A mouse click turns the card but leaves the focus where it is.
        s.karte(1)->setFocus(Qt::TabFocusReason);
        s.klickKarte(17);
        QCOMPARE(s.fokuskarte(), 1);
    }
};

QTEST_MAIN(TstTastatur)
#include "tst_tastatur.moc"
