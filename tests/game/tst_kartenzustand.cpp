// Which cards match, and what the views are told while a game is played: the marks of a found
// pair, the changes announced and the state each card reports to screen readers.
#include "tests/support/spiel.h"
#include "wordlist/wortdatei.h"

using namespace vun;
using namespace vun::test;

class TstKartenzustand : public QObject {
    Q_OBJECT
private slots:
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
        QCOMPARE(s.offen(), QList<int>{5});
        QVERIFY(markierte().isEmpty());
        const int p = s.partner(5);
        s.klick(p);
        QCOMPARE(markierte(), (QList<int>{qMin(5, p), qMax(5, p)}));
        QVERIFY(s.offen().isEmpty());
        s.klick(p); // a found card: both registers stay "0", no card changes
        QCOMPARE(markierte().size(), 2);
        QVERIFY(s.offen().isEmpty());
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
        QHash<Karteninhalt, Karteninhalt> gegenstueck;
        for (const auto& [links, rechts] : eintraegeBeurteilen(liste).eintraege) {
            gegenstueck.insert(links, rechts);
            gegenstueck.insert(rechts, links);
        }
        Spiel s(liste);
        for (int e = 1; e <= 18; ++e) {
            for (int z = 1; z <= 18; ++z) {
                if (z == e)
                    continue;
                const QList<Spielkarte>& liste1 = s.memo.liste1();
                const bool partner =
                    gegenstueck.value(liste1.at(e - 1).inhalt) == liste1.at(z - 1).inhalt;
                s.klick(e);
                s.klick(z);
                QCOMPARE(!imSpiel(s.memo, e), partner);
                QCOMPARE(!imSpiel(s.memo, z), partner);
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
        for (int k = 1; k <= 18; ++k)
            QCOMPARE(s.memo.zustand(k), Z::Verdeckt);
    }

    // A picture card's face is its picture, with no caption, while it is open or found; covered,
    // it shows neither, and its partner's word shows as words do.
    void bildkarten() {
        // The smallest PNG there is: one white pixel.
        const QByteArray pixel =
            QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAIAAACQd1PeAAAADElEQVR4nGP4//"
                                   "8/AAX+Av4N70a4AAAAAElFTkSuQmCC");
        Spiel s;
        QStringList zeilen;
        QDir(s.ordner.path()).mkdir(QStringLiteral("bilder"));
        for (int n = 1; n <= 9; ++n) {
            s.datei(QStringLiteral("bilder/bild%1.png").arg(n), pixel);
            zeilen << QStringLiteral("Wort%1 = bilder/bild%1.png").arg(n);
        }
        s.datei(QStringLiteral("BILDER.TXT"), zeilen);
        s.memo.Datei1_Click(QStringLiteral("BILDER.TXT"));
        int k = 1;
        while (!s.memo.liste1().at(k - 1).inhalt.istBild())
            ++k;
        const QString datei = s.memo.liste1().at(k - 1).inhalt.bild;
        QVERIFY(QDir::isAbsolutePath(datei) && QFile::exists(datei));
        QCOMPARE(s.memo.zustand(k), Kartenzustand::Verdeckt);
        QVERIFY(s.memo.karte(k).inhalt.leer());

        s.klick(k);
        QCOMPARE(s.memo.karte(k).inhalt.bild, datei);
        QVERIFY(s.memo.karte(k).inhalt.wort.isEmpty());
        QCOMPARE(s.memo.zustand(k), Kartenzustand::Offen);
        const int p = s.partner(k);
        s.klick(p);
        QCOMPARE(s.memo.zustand(k), Kartenzustand::Gefunden);
        QVERIFY(!s.memo.karte(p).inhalt.istBild());
        QCOMPARE(s.memo.karte(p).inhalt.wort,
                 QStringLiteral("Wort") + QFileInfo(datei).completeBaseName().mid(4));

        s.neuesSpiel();
        for (int karte = 1; karte <= Kartenzahl; ++karte) {
            QCOMPARE(s.memo.zustand(karte), Kartenzustand::Verdeckt);
            QVERIFY(s.memo.karte(karte).inhalt.leer());
        }
    }
};

QTEST_APPLESS_MAIN(TstKartenzustand)
#include "tst_kartenzustand.moc"
