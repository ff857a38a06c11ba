// Which cards go on paper, and how a page holds them.
#include "game/druckbogen.h"

#include "tests/support/inhalte.h"

#include <QtTest>

using namespace vun;
using namespace vun::test;

class TstDruckbogen : public QObject {
    Q_OBJECT
private slots:
    void kartenDerListe() {
        const Wortliste woerter = wortliste({"Esel", "Hund", "esel", "Hund", "Igel"});
        QCOMPARE(texte(druckkarten(woerter).inhalte),
                 QStringList({"Esel", "Esel", "esel", "esel", "Hund", "Hund", "Igel", "Igel"}));
        const Wortliste paare = paarliste({"Haus = Häuser", "Maus = Mäuse"});
        QCOMPARE(texte(druckkarten(paare).inhalte),
                 QStringList({"Haus", "Häuser", "Maus", "Mäuse"}));
    }

    // Printed as a dictionary sorts, whatever the system's language: "ä" beside "a", "ß" as "ss"
    // (after it where they differ in nothing else), letter case ignored and words equal but for
    // it in the order the game holds them; the game deals from its own order.
    void deutscheOrdnung() {
        const Wortliste woerter =
            wortliste({"Straße", "Ofen", "Strasse", "Öl", "Bär", "Mast", "Apfelbaum", "Maße",
                       "Äpfel", "apfel", "Apfel", "Masse"});
        const QList<Kartenpaar> gegeben = woerter.eintraege();
        const QStringList karten = texte(druckkarten(woerter).inhalte);
        QStringList einmal;
        for (qsizetype i = 0; i < karten.size(); i += 2)
            einmal << karten.at(i);
        QCOMPARE(einmal, QStringList({"apfel", "Apfel", "Äpfel", "Apfelbaum", "Bär", "Masse",
                                      "Maße", "Mast", "Ofen", "Öl", "Strasse", "Straße"}));
        QCOMPARE(woerter.eintraege(), gegeben);
    }

    // Cards of at least 5 cm on every paper, filling it; the back mirrored over the long edge.
    void raster_data() {
        QTest::addColumn<QSizeF>("papier");
        QTest::addColumn<QRectF>("druckbar");
        QTest::addColumn<int>("spalten");
        QTest::addColumn<int>("zeilen");
        QTest::newRow("A4") << QSizeF(210, 297) << QRectF(0, 0, 210, 297) << 3 << 5;
        QTest::newRow("A4 quer, breiter Rand")
            << QSizeF(297, 210) << QRectF(20, 20, 257, 170) << 5 << 3;
        QTest::newRow("A6") << QSizeF(105, 148) << QRectF(0, 0, 105, 148) << 1 << 2;
    }
    void raster() {
        QFETCH(QSizeF, papier);
        QFETCH(QRectF, druckbar);
        QFETCH(int, spalten);
        QFETCH(int, zeilen);
        const Bogenraster r = bogenraster(papier, druckbar);
        QCOMPARE(r.spalten, spalten);
        QCOMPARE(r.zeilen, zeilen);
        QVERIFY(r.kartengroesse().width() >= MindestkanteMm);
        QVERIFY(r.kartengroesse().height() >= MindestkanteMm);
        // Less a hair for the rounding of adding up card sizes.
        const QRectF alle =
            r.karte(0).united(r.karte(r.proSeite() - 1)).adjusted(1e-9, 1e-9, -1e-9, -1e-9);
        QVERIFY(druckbar.contains(alle));
        QVERIFY(QRectF(QPointF(0, 0), papier)
                    .adjusted(BogenrandMm, BogenrandMm, -BogenrandMm, -BogenrandMm)
                    .contains(alle));
        for (int platz = 0; platz < r.proSeite(); ++platz) {
            const QRectF vorn = r.karte(platz);
            const QRectF hinten = r.karte(platz, true);
            QCOMPARE(hinten.top(), vorn.top());
            QCOMPARE(hinten.left(), papier.width() - vorn.right());
        }
        QCOMPARE(r.seiten(0), 0);
        QCOMPARE(r.seiten(r.proSeite() + 1), 2);
    }
};

QTEST_MAIN(TstDruckbogen)
#include "tst_druckbogen.moc"
