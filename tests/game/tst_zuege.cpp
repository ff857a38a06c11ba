// Whole games played on the core: every kind of turn, the looks and the end of a game.
#include "tests/support/spiel.h"
#include "wordlist/paarliste.h"

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
            QVERIFY(s.memo.karte(k) == (Kartenbild{QString(), Verdeckt, Weiss, false}));
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

    // Marking touches the two cards of the registers and no other, and empties both registers;
    // the open card clicked again ("0" in ZweitesFeld) marks nothing.
    void paarMarkierenMitRegisterSonderfaellen() {
        Spiel s;
        const auto markierte = [&s] {
            QList<int> k;
            for (int i = 1; i <= 18; ++i)
                if (s.memo.karte(i).kursiv)
                    k << i;
            return k;
        };
        s.klick(5);
        s.klick(5);
        QCOMPARE(s.memo.spielstand().ZweitesFeld, 0);
        QVERIFY(markierte().isEmpty());
        const int p = s.partner(5);
        s.klick(p);
        QCOMPARE(markierte(), (QList<int>{qMin(5, p), qMax(5, p)}));
        QCOMPARE(s.memo.spielstand().ErstesFeld, 0);
        QCOMPARE(s.memo.spielstand().ZweitesFeld, 0);
        s.klick(p); // a found card: both registers stay "0", no card changes
        QCOMPARE(markierte().size(), 2);
        QCOMPARE(s.memo.spielstand().ErstesFeld, 0);
    }

    // Two cards match only when they are partners: every ordered pair of cards, on boards dealt
    // from words and from pairs. The partner is found from the list itself: the card with the
    // same word, or with the other half of the card's pair.
    void nurPartnerPassen_data() {
        QTest::addColumn<QStringList>("liste");
        QTest::newRow("Wörter") << nummerierteWoerter(12);
        QTest::newRow("Paare") << nummeriertePaare(12);
    }
    void nurPartnerPassen() {
        QFETCH(QStringList, liste);
        QHash<QString, QString> gegenstueck;
        for (const QString& eintrag : liste) {
            const auto [links, rechts] = !paarzeileLesen(eintrag).fehler
                                             ? haelften(eintrag)
                                             : std::make_pair(eintrag, eintrag);
            gegenstueck.insert(links, rechts);
            gegenstueck.insert(rechts, links);
        }
        Spiel s(liste);
        for (int e = 1; e <= 18; ++e) {
            for (int z = 1; z <= 18; ++z) {
                if (z == e)
                    continue;
                const QStringList& liste1 = s.memo.liste1();
                const bool partner = gegenstueck.value(liste1.at(e - 1)) == liste1.at(z - 1);
                s.klick(e);
                s.klick(z);
                QCOMPARE(!s.memo.spielstand().imSpiel(e), partner);
                QCOMPARE(!s.memo.spielstand().imSpiel(z), partner);
                s.neuesSpiel();
            }
        }
    }

    // Only real changes reach the view, so it repaints no more than what changed.
    void beobachterHoertNurAenderungen() {
        Spiel s;
        struct {
            QList<int> karten;
        } zaehler;
        connect(&s.memo, &Memo::karteGeaendert, this, [&](int k) { zaehler.karten.append(k); });
        s.klick(1);
        QCOMPARE(zaehler.karten, QList<int>{1});
        zaehler.karten.clear();
        s.klick(1);
        QVERIFY(zaehler.karten.isEmpty());
        const int p = s.partner(1);
        s.klick(p);
        QVERIFY(zaehler.karten.contains(1) && zaehler.karten.contains(p));
        QVERIFY(std::all_of(zaehler.karten.begin(), zaehler.karten.end(),
                            [&](int k) { return k == 1 || k == p; }));
    }

    // The state told to screen readers follows the turns; a cleared board is covered even
    // where the mask of the round before still says found.
    void zustandDerKarten() {
        Spiel s;
        using Z = Kartenzustand;
        QCOMPARE(s.memo.zustand(4), Z::Verdeckt);
        const int x = 4, y = s.andereKarte(4);
        s.klick(x);
        s.klick(y);
        QCOMPARE(s.memo.zustand(x), Z::Offen);
        QCOMPARE(s.memo.zustand(y), Z::Offen);
        const int p = s.partner(x);
        s.klick(p);
        QCOMPARE(s.memo.zustand(x), Z::Verdeckt);
        s.klick(x);
        QCOMPARE(s.memo.zustand(x), Z::Gefunden);
        QCOMPARE(s.memo.zustand(p), Z::Gefunden);
        QCOMPARE(s.memo.zustand(y), Z::Verdeckt);
        s.klick(x); // a found card stays found
        QCOMPARE(s.memo.zustand(x), Z::Gefunden);

        s.allePaareFinden(true);
        s.neuesSpiel();
        for (int k = 1; k <= 18; ++k)
            QCOMPARE(s.memo.zustand(k), Z::Verdeckt);
        s.allePaareFinden(); // won: cleared with a mask of nothing but found
        QCOMPARE(s.memo.spielstand().Restmaske, Spielstand::Maske{});
        for (int k = 1; k <= 18; ++k)
            QCOMPARE(s.memo.zustand(k), Z::Verdeckt);
    }
};

QTEST_APPLESS_MAIN(TstZuege)
#include "tst_zuege.moc"
