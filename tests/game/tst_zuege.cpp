// Whole games played on the core: every kind of turn, the looks and the end of a game.
#include "tests/support/spiel.h"

using namespace vun;
using namespace vun::test;

class TstZuege : public QObject {
    Q_OBJECT
private slots:
    void ersterKlickStartetRunde() {
        Spiel s;
        QVERIFY(!rundeLaeuft(s.memo));
        s.klick(12);
        QVERIFY(rundeLaeuft(s.memo));
        QVERIFY(s.gefunden().isEmpty());
        QCOMPARE(s.offen(), QList<int>{12});
        QCOMPARE(s.beschriftung(12), s.wort(12));
    }

    void offeneKarteNochmals() {
        Spiel s;
        s.klick(3);
        s.klick(3);
        QCOMPARE(s.offen(), QList<int>{3});
        // Still the first card of the turn: its partner now finds the pair.
        s.klick(s.partner(3));
        QVERIFY(s.memo.karte(3).kursiv);
    }

    void unpassendesPaarBleibtOffen() {
        Spiel s;
        const int x = 1, y = s.andereKarte(1);
        s.klick(x);
        s.klick(y);
        QCOMPARE(s.offen(), (QList<int>{x, y}));
        QVERIFY(s.gefunden().isEmpty());
        QVERIFY(s.dialoge.gezeigt.isEmpty());
    }

    // The next click covers an unmatched pair, whichever card it is.
    void naechsterKlickDecktZu_data() {
        QTest::addColumn<int>("welche"); // 0: the first of the pair, 1: the second, 2: another
        QTest::newRow("erste Karte") << 0;
        QTest::newRow("zweite Karte") << 1;
        QTest::newRow("andere Karte") << 2;
    }
    void naechsterKlickDecktZu() {
        QFETCH(int, welche);
        Spiel s;
        const int x = 1, y = s.andereKarte(1);
        const int c = welche == 0 ? x : welche == 1 ? y : s.andereKarte(x, {y});
        s.klick(x);
        s.klick(y);
        s.klick(c);
        for (int k = 1; k <= 18; ++k)
            QCOMPARE(s.beschriftung(k).isEmpty(), k != c);
        QCOMPARE(s.offen(), QList<int>{c});
        QCOMPARE(s.memo.karte(x).hintergrund, Designblau);
    }

    void paarGefunden() {
        Spiel s;
        const QList<int> paar = s.paarVonKarte(4);
        s.klick(paar[0]);
        s.klick(paar[1]);
        QVERIFY(s.offen().isEmpty());
        QCOMPARE(s.gefunden(), paar);
        for (int k : paar) {
            const Kartenbild& bild = s.memo.karte(k);
            QCOMPARE(bild.inhalt, s.memo.liste1().at(k - 1).inhalt);
            QCOMPARE(bild.hintergrund, Gefunden);
            QCOMPARE(bild.textfarbe, Weiss);
            QVERIFY(bild.kursiv);
        }
        // No card is open now: the next click opens a first card and covers nothing.
        const int c = s.andereKarte(paar[0]);
        s.klick(c);
        QCOMPARE(s.offen(), QList<int>{c});
        QCOMPARE(s.beschriftung(paar[0]), s.wort(paar[0]));
    }

    // A found card ignores clicks in every state, and leaves an open pair open.
    void gefundeneKarteIgnoriert_data() {
        QTest::addColumn<int>("offen");
        QTest::newRow("keine offen") << 0;
        QTest::newRow("eine offen") << 1;
        QTest::newRow("unpassendes Paar offen") << 2;
    }
    void gefundeneKarteIgnoriert() {
        QFETCH(int, offen);
        Spiel s;
        const QList<int> paar = s.paarVonKarte(1);
        s.klick(paar[0]);
        s.klick(paar[1]);
        const int x = s.andereKarte(paar[0]);
        const int y = s.andereKarte(x, paar);
        if (offen >= 1)
            s.klick(x);
        if (offen >= 2)
            s.klick(y);
        const QList<int> offenVorher = s.offen();
        std::array<Kartenbild, 18> bilder;
        for (int k = 1; k <= 18; ++k)
            bilder[k - 1] = s.memo.karte(k);
        s.klick(paar[1]);
        s.klick(paar[0]);
        QCOMPARE(s.offen(), offenVorher);
        QCOMPARE(s.gefunden(), paar);
        for (int k = 1; k <= 18; ++k)
            QVERIFY(s.memo.karte(k) == bilder[k - 1]);
        QCOMPARE(s.offeneKarten(), offen);
    }

    void nurGenauGleicheWoerterPassen() {
        // Blanks at the ends are gone when the list is read; letter case stays.
        Spiel s({"Maus", "maus", "mAus", "MAUS", "Tisch", "Haus", "Baum", "Tor", "Tür"});
        const QList<QString> aehnlich = {"maus", "mAus", "MAUS"};
        for (const QString& anderes : aehnlich) {
            s.klick(s.paarVon("Maus").at(0));
            s.klick(s.paarVon(anderes).at(0));
            QVERIFY(s.gefunden().isEmpty());
            QCOMPARE(s.offeneKarten(), 2);
        }
    }

    void ersteRundeDesignblauDanachPalettenblau() {
        Spiel s;
        for (int k = 1; k <= 18; ++k)
            QCOMPARE(s.memo.karte(k).hintergrund, Designblau);
        s.klick(1);
        QCOMPARE(s.memo.karte(1).hintergrund, Designblau);
        s.allePaareFinden();
        for (int k = 1; k <= 18; ++k)
            QCOMPARE(s.memo.karte(k).hintergrund, Verdeckt);
        s.klick(5);
        QCOMPARE(s.memo.karte(5).hintergrund, Verdeckt);
    }

    void gewonnen() {
        Spiel s;
        const QList<Spielkarte> ersteVerteilung = s.memo.liste1();
        bool alleSahenGefundenAus = false;
        s.dialoge.beimZeigen = [&](const Gezeigt&) {
            alleSahenGefundenAus = true;
            for (int k = 1; k <= 18; ++k) {
                const Kartenbild& b = s.memo.karte(k);
                alleSahenGefundenAus = alleSahenGefundenAus && b.kursiv &&
                                       b.hintergrund == Gefunden &&
                                       b.inhalt == ersteVerteilung.at(k - 1).inhalt;
            }
        };
        s.allePaareFinden(true);
        QVERIFY(s.dialoge.gezeigt.isEmpty());
        s.allePaareFinden();
        QCOMPARE(s.dialoge.gezeigt.size(), 1);
        QVERIFY(alleSahenGefundenAus);
        const Gezeigt& g = s.dialoge.gezeigt.first();
        QCOMPARE(g.prompt, QStringLiteral("Prima, du hast es geschafft!\r"));
        QCOMPARE(g.titel, QStringLiteral("Memory"));
        QCOMPARE(g.stil, 0);

        QVERIFY(!rundeLaeuft(s.memo));
        for (int k = 1; k <= 18; ++k)
            QVERIFY(s.memo.karte(k) == (Kartenbild{{}, Verdeckt, Weiss, false}));
        QCOMPARE(s.memo.liste1().size(), 18);

        // The next click starts a new round in the same click.
        s.klick(7);
        QVERIFY(s.gefunden().isEmpty());
        QCOMPARE(s.offen(), QList<int>{7});
        QCOMPARE(s.beschriftung(7), s.wort(7));
    }

    // A new game with a pair open: the next click starts afresh and covers nothing of old.
    void leerenMitOffenemPaar() {
        Spiel s;
        const int x = 2, y = s.andereKarte(2);
        s.klick(x);
        s.klick(y);
        s.neuesSpiel();
        QVERIFY(!rundeLaeuft(s.memo));
        s.neuesSpiel();
        QVERIFY(!rundeLaeuft(s.memo));
        s.klick(y);
        QCOMPARE(s.offen(), QList<int>{y});
    }
};

QTEST_APPLESS_MAIN(TstZuege)
#include "tst_zuege.moc"
