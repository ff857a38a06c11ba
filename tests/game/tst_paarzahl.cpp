// Fewer pairs for the youngest: the deal, the board state and the win with four, six or eight
// pairs, a list too short for the number, and the board's form following the list.
#include "tests/support/spiel.h"

#include "tests/support/invarianten.h"

#include <QSignalSpy>

using namespace vun;
using namespace vun::test;

namespace {

// A game whose number of pairs is chosen before the first deal, as the command line does.
struct GezaehltesSpiel : Spielgrundlage, Spielhilfen<GezaehltesSpiel> {
    Memo memo;
    GezaehltesSpiel(const QStringList& woerter, int paare)
        : Spielgrundlage(woerter), memo(dialoge, zufall, bildleser, QDir(ordner.path())) {
        memo.paarzahlWaehlen(paare);
        memo.Form_Load();
    }
};

bool gewonnen(const SkriptDialoge& dialoge) {
    return !dialoge.gezeigt.isEmpty() &&
           dialoge.gezeigt.last().prompt.startsWith(QStringLiteral("Prima"));
}

} // namespace

class TstPaarzahl : public QObject {
    Q_OBJECT
private slots:
    void ganzesSpiel_data() {
        QTest::addColumn<int>("paare");
        QTest::addColumn<bool>("vorDemMischen");
        for (int p : Paarzahlen) {
            QTest::addRow("%d Paare beim Start", p) << p << true;
            QTest::addRow("%d Paare gewählt", p) << p << false;
        }
    }
    // P pairs on 2 x P cards, each pair number on exactly two of them, each word on one pair;
    // the game is won after the P-th pair and deals P pairs again; cards beyond the board do
    // nothing.
    void ganzesSpiel() {
        QFETCH(int, paare);
        QFETCH(bool, vorDemMischen);
        GezaehltesSpiel s(Spielgrundlage::standardWoerter(), vorDemMischen ? paare : Paarzahl);
        QSignalSpy brett(&s.memo, &Memo::brettGeaendert);
        if (!vorDemMischen && paare != Paarzahl) {
            s.memo.Bezeichnung_Click(1); // a round running is dealt away without a question
            s.memo.paarzahlWaehlen(paare);
            QCOMPARE(brett.count(), 1);
            QCOMPARE(s.offeneKarten(), 0);
            QVERIFY(s.dialoge.gezeigt.isEmpty());
        }
        QCOMPARE(s.memo.kartenzahl(), 2 * paare);
        QCOMPARE(s.memo.liste1().size(), 2 * paare);
        QSet<QString> woerter;
        for (int p = 1; p <= paare; ++p) {
            QList<int> karten;
            for (int k = 1; k <= 2 * paare; ++k)
                if (s.memo.liste1().at(k - 1).paar == p)
                    karten.append(k);
            QCOMPARE(karten.size(), 2);
            QCOMPARE(s.wort(karten.at(0)), s.wort(karten.at(1)));
            woerter.insert(s.wort(karten.at(0)));
        }
        QCOMPARE(woerter.size(), paare);
        QVERIFY(verletzteInvariante(s.memo).isEmpty());

        s.memo.Bezeichnung_Click(2 * paare + 1);
        QCOMPARE(s.offeneKarten(), 0);
        s.allePaareFinden(true);
        QVERIFY(!gewonnen(s.dialoge));
        s.allePaareFinden();
        QVERIFY(gewonnen(s.dialoge));
        QCOMPARE(s.memo.liste1().size(), 2 * paare);
        QVERIFY(verletzteInvariante(s.memo).isEmpty());
    }

    // Six words make a game of four pairs, not of nine: refused at nine with the number named,
    // taken at four, and refused again when nine are chosen, the built-in words dealt then.
    void listeZuKurz() {
        const QStringList sechs = nummerierteWoerter(6);
        GezaehltesSpiel neun(sechs, Paarzahl);
        QCOMPARE(neun.dialoge.gezeigt.size(), 1);
        QVERIFY(neun.dialoge.gezeigt.first().details.contains(QStringLiteral("mindestens neun")));

        GezaehltesSpiel vier(sechs, 4);
        QVERIFY(vier.dialoge.gezeigt.isEmpty());
        QCOMPARE(vier.memo.gespielteDatei(), QStringLiteral("VUNMEMO.TXT"));
        QVERIFY(sechs.contains(vier.wort(1)));

        vier.memo.paarzahlWaehlen(8);
        QCOMPARE(vier.dialoge.gezeigt.size(), 1);
        const Gezeigt& box = vier.dialoge.gezeigt.first();
        QCOMPARE(box.prompt, QStringLiteral("Datei 'VUNMEMO.TXT' ist fehlerhaft!\rEine "
                                            "Standardliste wird verwendet!\r"));
        QVERIFY(box.details.contains(QStringLiteral("nur 6 Einträge")));
        QVERIFY(box.details.contains(QStringLiteral("mindestens acht")));
        QVERIFY(vier.memo.gespielteDatei().isEmpty());
        QCOMPARE(vier.memo.liste1().size(), 16);
        QVERIFY(!sechs.contains(vier.wort(1)));
    }

    // Pairs that block each other: four free pairs play four, not six.
    void paarlisteZuKurz() {
        const QStringList paare{"a = b", "b = c", "c = d", "d = e",
                                "e = f", "f = g", "g = h", "h = i"};
        GezaehltesSpiel vier(paare, 4);
        QVERIFY(vier.dialoge.gezeigt.isEmpty());
        vier.memo.paarzahlWaehlen(6);
        QCOMPARE(vier.dialoge.gezeigt.size(), 1);
        QVERIFY(vier.dialoge.gezeigt.first().details.contains(
            QStringLiteral("höchstens 4 davon haben keinen Text gemeinsam")));
        QVERIFY(vier.dialoge.gezeigt.first().details.contains(QStringLiteral("sechs Paare")));
    }

    // Pictures ask for squares and words for strips, whenever a list is read; the teacher's
    // choice holds until then.
    void brettformFolgtDerListe() {
        Spiel s;
        QCOMPARE(s.memo.brettform(), Brettform::Streifen);
        QSignalSpy brett(&s.memo, &Memo::brettGeaendert);
        s.memo.brettformWaehlen(Brettform::Quadrate);
        s.memo.brettformWaehlen(Brettform::Quadrate);
        QCOMPARE(brett.count(), 1);
        s.datei(QStringLiteral("BILDER.TXT"), nummerierteWoerter(8) << QStringLiteral("bild.png"));
        s.datei(QStringLiteral("bild.png"), QByteArray("bild"));
        s.memo.Datei1_Click(QStringLiteral("VUNMEMO.TXT"));
        QCOMPARE(s.memo.brettform(), Brettform::Streifen);
        s.memo.Datei1_Click(QStringLiteral("BILDER.TXT"));
        QCOMPARE(s.memo.brettform(), Brettform::Quadrate);
        QCOMPARE(s.memo.gespielteDatei(), QStringLiteral("BILDER.TXT"));
    }
};

QTEST_GUILESS_MAIN(TstPaarzahl)
#include "tst_paarzahl.moc"
