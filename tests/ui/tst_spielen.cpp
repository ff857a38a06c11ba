// Whole games played with mouse clicks on the real cards.
#include "tests/support/fensterhilfe.h"
#include "wordlist/paarliste.h"

using namespace vun;
using namespace vun::test;

namespace {

// The card shows what the game says: its background, and white text where there is a caption.
bool zeigtModell(const FensterSpiel& s, int k) {
    const QImage bild = s.karte(k)->grab().toImage();
    const Kartenbild& modell = s.memo.karte(k);
    if (bild.pixelColor(1, 30) != farbeVon(modell.hintergrund))
        return false;
    bool weiss = false;
    for (int x = 1; x < bild.width() - 1 && !weiss; ++x)
        for (int y = 1; y < 24 && !weiss; ++y)
            weiss = bild.pixelColor(x, y) == QColor(Qt::white);
    return weiss == !modell.inhalt.wort.isEmpty();
}

QList<QPoint> weissePunkte(QWidget* karte) {
    const QImage bild = karte->grab().toImage();
    QList<QPoint> punkte;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (bild.pixelColor(x, y) == QColor(Qt::white))
                punkte.append({x, y});
    return punkte;
}

} // namespace

class TstSpielen : public QObject {
    Q_OBJECT
private slots:
    void ganzesSpielBisZumSieg() {
        FensterSpiel s;
        // A miss first: both stay open until the next click covers them.
        const int x = 1, y = s.andereKarte(1);
        s.klickKarte(x);
        s.klickKarte(y);
        QCOMPARE(s.offeneKarten(), 2);
        QVERIFY(zeigtModell(s, x) && zeigtModell(s, y));
        const int c = s.andereKarte(x, {y});
        s.klickKarte(c);
        QVERIFY(s.beschriftung(x).isEmpty() && s.beschriftung(y).isEmpty());
        QVERIFY(zeigtModell(s, x) && zeigtModell(s, y) && zeigtModell(s, c));
        s.klickKarte(c); // the same card again changes nothing
        s.klickKarte(s.partner(c));
        QCOMPARE(pixel(s.karte(c), {5, 30}), farbeVon(Gefunden));

        s.uebrigePaareFinden({c, s.partner(c)}, [&](int k, int p) {
            for (int f : {k, p})
                QCOMPARE(pixel(s.karte(f), {5, 30}), farbeVon(Gefunden));
        });
        QCOMPARE(s.dialoge.gezeigt.size(), 1);
        QCOMPARE(s.dialoge.gezeigt.first().titel, QStringLiteral("Memory"));
        // Cleared and dealt again: covered in the palette blue, ready for the next round.
        for (int k = 1; k <= 18; ++k) {
            QVERIFY(s.beschriftung(k).isEmpty());
            QCOMPARE(pixel(s.karte(k), {5, 30}), QColor(0, 0, 128));
        }
        s.klickKarte(18);
        QCOMPARE(rundeLaeuft(s.memo), true);
        QVERIFY(zeigtModell(s, 18));
    }

    // On a pair list the two halves of a pair match; halves of two different pairs do not.
    void paarlisteBisZumSieg() {
        const QStringList paare{"Haus = Häuser", "Maus = Mäuse", "Hund = dog",   "Katze = cat",
                                "3 · 4 = 12",    "2 · 5 = 10",   "Baum = Bäume", "Buch = Bücher",
                                "Ei = Eier",     "Kind = Kinder"};
        FensterSpiel s(paare);
        const int x = 1, y = s.andereKarte(1);
        s.klickKarte(x);
        s.klickKarte(y);
        QCOMPARE(s.offeneKarten(), 2);
        QVERIFY(s.gefunden().isEmpty());
        s.uebrigePaareFinden({}, [&](int k, int p) {
            QVERIFY(paare.contains(s.beschriftung(k) + " = " + s.beschriftung(p)) ||
                    paare.contains(s.beschriftung(p) + " = " + s.beschriftung(k)));
            for (int f : {k, p})
                QCOMPARE(pixel(s.karte(f), {5, 30}), farbeVon(Gefunden));
        });
        QCOMPARE(s.dialoge.gezeigt.size(), 1);
        QCOMPARE(s.dialoge.gezeigt.first().titel, QStringLiteral("Memory"));
    }

    // Every card draws exactly its model's look: covered, open and found, italic when found.
    void kartenZeigenDasModell() {
        FensterSpiel s;
        const QList<int> paar = s.paarVonKarte(3);
        s.klickKarte(paar[0]);
        s.klickKarte(paar[1]);
        s.klickKarte(s.andereKarte(3));
        for (int k = 1; k <= 18; ++k)
            QVERIFY2(zeigtModell(s, k), qPrintable(QString::number(k)));
        // The found word is drawn slanted: its letters cover other pixels than upright.
        const QList<QPoint> kursiv = weissePunkte(s.karte(paar[0]));
        s.neuesSpiel();
        s.klickKarte(paar[0]);
        QVERIFY(!s.memo.karte(paar[0]).kursiv);
        const QList<QPoint> gerade = weissePunkte(s.karte(paar[0]));
        QVERIFY(!kursiv.isEmpty() && !gerade.isEmpty());
        QVERIFY(kursiv != gerade);
    }

    // A click repaints the cards it changed and no other.
    void nurGeaenderteKartenNeu() {
        FensterSpiel s;
        ausmalen();
        QList<Malzaehler*> zaehler;
        for (int k = 1; k <= 18; ++k)
            zaehler.append(new Malzaehler(s.karte(k)));
        const int x = 4, y = s.andereKarte(4);
        s.klickKarte(x);
        QTRY_VERIFY(zaehler[x - 1]->anzahl > 0);
        ausmalen();
        for (int k = 1; k <= 18; ++k)
            QCOMPARE(zaehler[k - 1]->anzahl > 0, k == x);
        for (Malzaehler* z : zaehler)
            z->anzahl = 0;
        s.klickKarte(y);
        s.klickKarte(s.partner(x)); // covers x and y, opens the partner
        QTRY_VERIFY(zaehler[s.partner(x) - 1]->anzahl > 0);
        ausmalen();
        for (int k = 1; k <= 18; ++k)
            QCOMPARE(zaehler[k - 1]->anzahl > 0, k == x || k == y || k == s.partner(x));
    }

    // Only a left click inside the card counts.
    void andereKlicksZaehlenNicht() {
        FensterSpiel s;
        QTest::mouseClick(s.karte(5), Qt::RightButton);
        QTest::mouseClick(s.karte(5), Qt::MiddleButton);
        QTest::mousePress(s.karte(5), Qt::LeftButton);
        QTest::mouseRelease(s.karte(5), Qt::LeftButton, {}, QPoint(-5, 10));
        QVERIFY(s.beschriftung(5).isEmpty());
        QCOMPARE(rundeLaeuft(s.memo), false);
        s.klickKarte(5);
        QCOMPARE(s.beschriftung(5), s.wort(5));
    }

    // Words from a file are shown as they are: no markup, no mnemonics.
    void woerterAlsKlartext() {
        FensterSpiel s(
            {"<b>fett</b>", "&Anker", "<i>x", "Tab\tWort", "a&&b", "<br>", "Wort", "Haus", "Maus"});
        for (int k = 1; k <= 18; ++k)
            s.klickKarte(k);
        for (int k = 1; k <= 18; ++k)
            QVERIFY(zeigtModell(s, k));
        // The caption drawn is the word itself: it needs the width the whole text needs.
        s.neuesSpiel();
        const int k = s.paarVon(QStringLiteral("<b>fett</b>")).at(0);
        s.klickKarte(k);
        const QImage bild = s.karte(k)->grab().toImage();
        int links = bild.width(), rechts = 0;
        for (int x = 1; x < bild.width() - 1; ++x)
            for (int y = 1; y < 24; ++y)
                if (bild.pixelColor(x, y) == QColor(Qt::white)) {
                    links = qMin(links, x);
                    rechts = qMax(rechts, x);
                }
        const QFontMetrics fm(s.karte(k)->font());
        QVERIFY(qAbs((rechts - links + 1) - fm.horizontalAdvance(QStringLiteral("<b>fett</b>"))) <
                6);
    }
};

QTEST_MAIN(TstSpielen)
#include "tst_spielen.moc"
