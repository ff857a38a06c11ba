// Whole games played on the core: every kind of turn, the looks and the end of a game.
#include "tests/support/spiel.h"

using namespace vun;
using namespace vun::test;

class TstZuege : public QObject {
    Q_OBJECT
private slots:
    void ersterKlickStartetRunde() {
        Spiel s;
        QCOMPARE(s.memo.spielstand().Restmaske, Spielstand::alleImSpiel());
        s.klick(12);
        const Spielstand& st = s.memo.spielstand();
        QCOMPARE(st.Gestartet, true);
        QCOMPARE(st.Restmaske, Spielstand::alleImSpiel());
        QCOMPARE(st.KlickFeld, 12);
        QCOMPARE(st.ErstesFeld, 12);
        QCOMPARE(st.ZweitesFeld, 0);
        QCOMPARE(s.beschriftung(12), s.memo.liste1().at(11));
        QCOMPARE(s.offeneKarten(), 1);
    }

    void offeneKarteNochmals() {
        Spiel s;
        s.klick(3);
        s.klick(3);
        QCOMPARE(s.memo.spielstand().ErstesFeld, 3);
        QCOMPARE(s.memo.spielstand().ZweitesFeld, 0);
        QCOMPARE(s.offeneKarten(), 1);
        // Still the first card of the turn: its partner now finds the pair.
        s.klick(s.partner(3));
        QVERIFY(s.memo.karte(3).kursiv);
    }

    void unpassendesPaarBleibtOffen() {
        Spiel s;
        const int x = 1, y = s.andereKarte(1);
        s.klick(x);
        s.klick(y);
        QCOMPARE(s.memo.spielstand().ZweitesFeld, y);
        QCOMPARE(s.offeneKarten(), 2);
        QCOMPARE(s.memo.spielstand().Restmaske, Spielstand::alleImSpiel());
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
        QCOMPARE(s.memo.spielstand().ErstesFeld, c);
        QCOMPARE(s.memo.spielstand().ZweitesFeld, 0);
        QCOMPARE(s.memo.karte(x).hintergrund, Designblau);
    }

    void paarGefunden() {
        Spiel s;
        const QList<int> paar = s.paarVonKarte(4);
        s.klick(paar[0]);
        s.klick(paar[1]);
        const Spielstand& st = s.memo.spielstand();
        QCOMPARE(st.ErstesFeld, 0);
        QCOMPARE(st.ZweitesFeld, 0);
        QCOMPARE(std::count(st.Restmaske.begin(), st.Restmaske.end(), false), 2);
        for (int k : paar) {
            QVERIFY(!st.Restmaske.at(k - 1));
            const Kartenbild& bild = s.memo.karte(k);
            QCOMPARE(bild.beschriftung, s.memo.liste1().at(k - 1));
            QCOMPARE(bild.hintergrund, Gefunden);
            QCOMPARE(bild.textfarbe, Weiss);
            QVERIFY(bild.kursiv);
        }
        // No card is open now: the next click opens a first card and covers nothing.
        const int c = s.andereKarte(paar[0]);
        s.klick(c);
        QCOMPARE(s.memo.spielstand().ErstesFeld, c);
        QCOMPARE(s.beschriftung(paar[0]), s.memo.liste1().at(paar[0] - 1));
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
        const Spielstand vorher = s.memo.spielstand();
        std::array<Kartenbild, 18> bilder;
        for (int k = 1; k <= 18; ++k)
            bilder[k - 1] = s.memo.karte(k);
        s.klick(paar[1]);
        s.klick(paar[0]);
        QCOMPARE(s.memo.spielstand().ErstesFeld, vorher.ErstesFeld);
        QCOMPARE(s.memo.spielstand().ZweitesFeld, vorher.ZweitesFeld);
        QCOMPARE(s.memo.spielstand().Restmaske, vorher.Restmaske);
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
            QCOMPARE(s.memo.spielstand().Restmaske, Spielstand::alleImSpiel());
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
        const QStringList ersteVerteilung = s.memo.liste1();
        bool alleSahenGefundenAus = false;
        s.dialoge.beimZeigen = [&](const Gezeigt&) {
            alleSahenGefundenAus = true;
            for (int k = 1; k <= 18; ++k) {
                const Kartenbild& b = s.memo.karte(k);
                alleSahenGefundenAus = alleSahenGefundenAus && b.kursiv &&
                                       b.hintergrund == Gefunden &&
                                       b.beschriftung == ersteVerteilung.at(k - 1);
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

        const Spielstand& st = s.memo.spielstand();
        QCOMPARE(st.Gestartet, false);
        QCOMPARE(st.Restmaske, Spielstand::Maske{});
        QCOMPARE(st.ErstesFeld, 0);
        QCOMPARE(st.ZweitesFeld, 0);
        for (int k = 1; k <= 18; ++k)
            QVERIFY(s.memo.karte(k) == (Kartenbild{QString(), QString(), Verdeckt, Weiss, false}));
        QCOMPARE(s.memo.liste1().size(), 18);

        // The next click starts a new round in the same click.
        s.klick(7);
        QCOMPARE(st.Restmaske, Spielstand::alleImSpiel());
        QCOMPARE(s.beschriftung(7), s.memo.liste1().at(6));
    }

    // A new game with a pair open: the next click starts afresh and covers nothing of old.
    void leerenMitOffenemPaar() {
        Spiel s;
        const int x = 2, y = s.andereKarte(2);
        s.klick(x);
        s.klick(y);
        s.neuesSpiel();
        QCOMPARE(s.memo.spielstand().Gestartet, false);
        QCOMPARE(s.offeneKarten(), 0);
        s.neuesSpiel();
        QCOMPARE(s.memo.spielstand().Gestartet, false);
        s.klick(y);
        QCOMPARE(s.memo.spielstand().ErstesFeld, y);
        QCOMPARE(s.memo.spielstand().ZweitesFeld, 0);
        QCOMPARE(s.offeneKarten(), 1);
    }
};

QTEST_APPLESS_MAIN(TstZuege)
#include "tst_zuege.moc"
