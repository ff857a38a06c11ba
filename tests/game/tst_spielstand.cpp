#include "game/kartenbild.h"
#include "game/spielstand.h"

#include <QtTest>

using namespace vun;

class TstSpielstand : public QObject {
    Q_OBJECT
private slots:
    void anfangszustand() {
        const Spielstand s;
        QVERIFY(!s.Gestartet);
        QCOMPARE(s.Restmaske, Spielstand::alleImSpiel(18));
        QVERIFY(s.ErstesFeld == 0 && s.ZweitesFeld == 0 && s.KlickFeld == 0);
    }

    void maske() {
        Spielstand s;
        s.RundeStarten(18);
        s.gefundenMarkieren(12);
        s.gefundenMarkieren(1);
        QVERIFY(!s.imSpiel(12) && !s.imSpiel(1));
        QVERIFY(s.imSpiel(2) && s.imSpiel(11) && s.imSpiel(18));
        for (int k = 1; k <= 18; ++k)
            s.gefundenMarkieren(k);
        QVERIFY(s.alleGefunden());
        s.RundeStarten(18);
        QVERIFY(!s.alleGefunden());
    }

    void palette() {
        QCOMPARE(QBColor(1), (Rgb{0, 0, 128}));
        QCOMPARE(QBColor(3), (Rgb{0, 128, 128}));
        QCOMPARE(QBColor(15), (Rgb{255, 255, 255}));
        QVERIFY(QBColor(1) != Designblau);
    }
};

QTEST_APPLESS_MAIN(TstSpielstand)
#include "tst_spielstand.moc"
