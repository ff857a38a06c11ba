// Loading word lists: the start-up list, and a file chosen in the file list with its messages,
// their order and the new game.
#include "tests/support/spiel.h"

#include "game/listeladen.h"
#include "tests/support/dateien.h"
#include "tests/support/inhalte.h"
#include "wordlist/standardliste.h"

using namespace vun;
using namespace vun::test;

namespace {
const QString Fehlermeldung =
    QStringLiteral("Gewählte Datei ist fehlerhaft!\rEine Standardliste wird verwendet!\r");

// What the board looked like while a message box was shown.
struct Zustand {
    QString prompt;
    bool dateilisteSichtbar = false;
    bool gestartet = false;
    int aufgedeckt = 0;
    QList<Spielkarte> liste1;
};

struct Beobachtet : Spiel {
    QList<Zustand> zustaende;
    explicit Beobachtet(const QStringList& woerter = standardWoerter()) : Spiel(woerter) {
        dialoge.gezeigt.clear();
        dialoge.beimZeigen = [this](const Gezeigt& g) {
            int aufgedeckt = 0;
            for (int k = 1; k <= 18; ++k)
                aufgedeckt += !beschriftung(k).isEmpty();
            zustaende.append({g.prompt, memo.dateilisteSichtbar(), rundeLaeuft(memo), aufgedeckt,
                              memo.liste1()});
        };
    }
    // Opens the file list (which lists the folder afresh) and chooses the name.
    void waehlen(const QString& name) {
        memo.Bild5_Click();
        QVERIFY(memo.dateilisteSichtbar());
        memo.Datei1_Click(name);
    }
    void mitteImSpiel() {
        const int a = 1;
        klick(a);
        klick(partner(a));
        klick(andereKarte(a));
    }
};

bool ausListe(const QList<Spielkarte>& liste1, const QStringList& woerter) {
    for (const Spielkarte& karte : liste1)
        if (!woerter.contains(karte.inhalt.wort))
            return false;
    return liste1.size() == 18;
}
} // namespace

class TstDateiwahl : public QObject {
    Q_OBJECT
private slots:
    void listeLaden() {
        QTemporaryDir leer;
        SkriptDialoge dialoge;
        Wortliste liste2 = wortliste(nummerierteWoerter(20)); // the previous list must not survive
        ListeLaden(liste2, dialoge, SkriptBildleser(), QDir(leer.path()));
        QCOMPARE(dialoge.gezeigt.size(), 1);
        const Gezeigt& g = dialoge.gezeigt.first();
        // The box names the file it read, and says why in its details.
        QCOMPARE(g.prompt, QStringLiteral("Datei 'VUNMEMO.TXT' ist fehlerhaft!\rEine "
                                          "Standardliste wird verwendet!\r"));
        QCOMPARE(g.details, QStringLiteral("VUNMEMO.TXT: Die Datei ist nicht da: Sie wurde nicht "
                                           "gefunden."));
        QCOMPARE(g.stil, 0);
        QCOMPARE(g.titel, QStringLiteral("VUN-Memory"));
        QCOMPARE(liste2.eintraege(), wortliste(Standardliste()).eintraege());

        QVERIFY(dateiSchreiben(leer.filePath("VUNMEMO.TXT"),
                               alsWindows1252({"Zebra", "Äffchen", "Bär", "Maus", "Hund", "Katze",
                                               "Igel", "Spaß", "Esel"})));
        dialoge.gezeigt.clear();
        ListeLaden(liste2, dialoge, SkriptBildleser(), QDir(leer.path()));
        QVERIFY(dialoge.gezeigt.isEmpty());
        QCOMPARE(texte(liste2), (QStringList{"Bär", "Esel", "Hund", "Igel", "Katze", "Maus", "Spaß",
                                             "Zebra", "Äffchen"}));
    }

    // A start-up pair list whose tasks all share their result has no two pairs to lay together:
    // the box says the file is faulty and why, and the built-in words lie on every card.
    void startlisteOhneFreiePaare() {
        Spiel s(aufgabenMitErgebnisZwoelf());
        QCOMPARE(s.dialoge.gezeigt.size(), 1);
        const Gezeigt& g = s.dialoge.gezeigt.first();
        QCOMPARE(g.prompt, QStringLiteral("Datei 'VUNMEMO.TXT' ist fehlerhaft!\rEine "
                                          "Standardliste wird verwendet!\r"));
        QVERIFY2(g.details.startsWith("VUNMEMO.TXT: ") &&
                     g.details.contains("neun Paare ohne gemeinsamen Text"),
                 qPrintable(g.details));
        QVERIFY(ausListe(s.memo.liste1(), Standardliste()));
        QVERIFY(s.memo.gespielteDatei().isEmpty());
    }

    void dateiEinlesen() {
        QTemporaryDir d;
        const QDir o(d.path());
        SkriptDialoge dialoge;
        Wortliste liste2;
        QVERIFY(dateiSchreiben(o.filePath("tiere.txt"), alsWindows1252(nummerierteWoerter(12))));
        DateiEinlesen("tiere.txt", liste2, dialoge, SkriptBildleser(), o);
        QVERIFY(dialoge.gezeigt.isEmpty());
        QCOMPARE(liste2.eintraege().size(), 12);
        DateiEinlesen("fehlt.txt", liste2, dialoge, SkriptBildleser(), o);
        QCOMPARE(dialoge.gezeigt.size(), 1);
        QCOMPARE(
            dialoge.gezeigt.first().prompt,
            QStringLiteral("Gewählte Datei ist fehlerhaft!\rEine Standardliste wird verwendet!\r"));
        QCOMPARE(liste2.eintraege().size(), 9);
        QVERIFY(texte(liste2).contains("Diskette"));
    }

    void gueltigeDatei() {
        Beobachtet s;
        const QStringList tiere{"Hund", "Katze", "Maus",  "Igel",  "Bär",
                                "Löwe", "Esel",  "Ziege", "Fuchs", "Dachs"};
        s.datei("tüten.txt", alsWindows1252(tiere));
        s.mitteImSpiel();
        s.waehlen("tüten.txt");
        QCOMPARE(s.dialoge.gezeigt.size(), 1);
        const Gezeigt& g = s.dialoge.gezeigt.first();
        QCOMPARE(g.prompt, QStringLiteral("TÜTEN.TXT wurde geladen!\r"));
        QCOMPARE(g.stil, 0);
        QCOMPARE(g.titel, QStringLiteral("VUN-Memory"));
        // By the load message the list is hidden, the board cleared and dealt from the new list.
        const Zustand& z = s.zustaende.first();
        QVERIFY(!z.dateilisteSichtbar);
        QVERIFY(!z.gestartet);
        QCOMPARE(z.aufgedeckt, 0);
        QVERIFY(ausListe(z.liste1, tiere));
        QCOMPARE(s.memo.gespielteDatei(), QStringLiteral("tüten.txt"));
        for (int k = 1; k <= 18; ++k)
            QCOMPARE(s.memo.karte(k).hintergrund, (Rgb{0, 0, 128}));
    }

    void fehlerhafteWahl_data() {
        QTest::addColumn<QByteArray>("inhalt"); // empty: no file at all
        QTest::addColumn<QString>("grund");
        QTest::newRow("fehlt") << QByteArray() << "Liste.txt: Die Datei ist nicht da";
        QTest::newRow("acht Wörter")
            << alsWindows1252(nummerierteWoerter(8)) << "Liste.txt: Die Liste hat nur 8 Einträge.";
        QTest::newRow("neun gleiche") << alsWindows1252(QStringList(9, "Maus"))
                                      << "Einträge, aber nur 1 verschiedene Wörter.";
        QTest::newRow("Paare, eine Zeile ohne =")
            << alsWindows1252(nummeriertePaare(9) << QStringLiteral("Neu"))
            << "aber eine Zeile ist keines:\nZeile 10: kein Gleichheitszeichen\n";
        QTest::newRow("Paare, alle teilen einen Text")
            << alsWindows1252(nummeriert(12, QStringLiteral("X = %1")))
            << "Die Paarliste hat 12 Paare, aber höchstens 1 davon haben keinen Text gemeinsam.";
    }
    // The failure message with its reason, while the old game still stands; then the new game
    // on the built-in list, and no word of a load that did not happen.
    void fehlerhafteWahl() {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, grund);
        Beobachtet s;
        if (!inhalt.isEmpty())
            s.datei("Liste.txt", inhalt);
        s.mitteImSpiel();
        s.waehlen("Liste.txt");
        QCOMPARE(s.zustaende.size(), 1);
        QCOMPARE(s.zustaende.at(0).prompt, Fehlermeldung);
        const Gezeigt& g = s.dialoge.gezeigt.at(0);
        QCOMPARE(g.stil, 0);
        QCOMPARE(g.titel, QStringLiteral("VUN-Memory"));
        QVERIFY2(g.details.contains(grund), qPrintable(g.details));
        QVERIFY(s.zustaende.at(0).dateilisteSichtbar);
        QVERIFY(s.zustaende.at(0).gestartet);
        QVERIFY(!s.memo.dateilisteSichtbar());
        QVERIFY(!rundeLaeuft(s.memo));
        for (int k = 1; k <= 18; ++k)
            QVERIFY(s.beschriftung(k).isEmpty());
        QVERIFY(ausListe(s.memo.liste1(), Standardliste()));
        QVERIFY(s.memo.gespielteDatei().isEmpty());
    }

    void geloeschtNachDemAuflisten() {
        Beobachtet s;
        s.datei("weg.txt", alsWindows1252(nummerierteWoerter(9)));
        s.memo.Bild5_Click();
        QVERIFY(s.memo.dateiliste().contains("weg.txt"));
        QVERIFY(QFile::remove(s.ordner.filePath("weg.txt")));
        s.memo.Datei1_Click("weg.txt");
        QCOMPARE(s.dialoge.gezeigt.size(), 1);
        QCOMPARE(s.dialoge.gezeigt.at(0).prompt, Fehlermeldung);
        QVERIFY(ausListe(s.memo.liste1(), Standardliste()));
    }

    // The help keeps its two lines and names the key that reads aloud; while a pair list is
    // played it adds what belongs together.
    void hilfeBeiPaarliste() {
        Beobachtet s;
        s.datei("paare.txt", alsUtf8(nummeriertePaare(9)));
        const QString hilfe = QStringLiteral(
            "Immer zwei Felder haben das gleiche Wort, klicke\rjedes Einzelfeld an und suche so "
            "alle Wortpaare!");
        s.memo.Bild3_Click();
        const QString ohnePaare = s.dialoge.gezeigt.last().prompt;
        QVERIFY(ohnePaare.startsWith(hilfe + "\r\r"));
        QVERIFY2(ohnePaare.contains("Strg+L liest die Karten vor"), qPrintable(ohnePaare));
        s.waehlen("paare.txt");
        QCOMPARE(s.memo.gespielteDatei(), QStringLiteral("paare.txt"));
        s.memo.Bild3_Click();
        const QString mitPaaren = s.dialoge.gezeigt.last().prompt;
        QVERIFY(mitPaaren.startsWith(hilfe + "\r\r"));
        QVERIFY2(mitPaaren.contains("zwei verschiedene Texte zusammen"), qPrintable(mitPaaren));
    }

    // After a failed choice the built-in list stays for every later game; a good file replaces it.
    void standardlisteBleibtBisZurNaechstenWahl() {
        Beobachtet s;
        s.waehlen("fehlt.txt");
        s.dialoge.antworten = {AntwortJa};
        s.memo.Bild4_Click();
        QVERIFY(ausListe(s.memo.liste1(), Standardliste()));
        s.waehlen("VUNMEMO.TXT");
        QVERIFY(ausListe(s.memo.liste1(), Spiel::standardWoerter()));
        QCOMPARE(s.dialoge.gezeigt.last().prompt, QStringLiteral("VUNMEMO.TXT wurde geladen!\r"));
        QCOMPARE(s.memo.gespielteDatei(), QStringLiteral("VUNMEMO.TXT"));
    }
};

QTEST_GUILESS_MAIN(TstDateiwahl)
#include "tst_dateiwahl.moc"
