// Lists with sounds: which entries name sounds and what they are joined with, that a "+" without
// a sound beside it stays text, and one file under two names.
#include "tests/support/inhalte.h"
#include "tests/support/klangleser.h"
#include "wordlist/klangeintrag.h"
#include "wordlist/wortdatei.h"

#include <QtTest>

using namespace vun;
using namespace vun::test;

namespace {

const QDir Ordner(QStringLiteral("/liste"));

// A content as the rows below write it: the word or the picture, and "+ " and the sound, each
// file relative to the list's folder.
QString geschrieben(const Karteninhalt& inhalt) {
    const auto relativ = [](const QString& pfad) { return Ordner.relativeFilePath(pfad); };
    QStringList teile;
    if (!inhalt.wort.isEmpty())
        teile << inhalt.wort;
    if (inhalt.istBild())
        teile << relativ(inhalt.bild);
    if (inhalt.hatKlang())
        teile << "+ " + relativ(inhalt.klang);
    return teile.join(u' ');
}

} // namespace

class TstKlanglisten : public QObject {
    Q_OBJECT
private slots:
    // The first line's cards as read, among lines that make it a list of its kind.
    void erkannt_data() {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<QString>("links");
        QTest::addColumn<QString>("rechts");
        const QStringList endungen{"ogg", "OGA", "Opus", "wav", "mP3", "m4a", "FLAC"};
        for (const QString& endung : endungen)
            QTest::newRow(qPrintable("allein ." + endung))
                << "trommel." + endung << "+ trommel." + endung << "+ trommel." + endung;
        QTest::newRow("Wort und Klang auf beiden Seiten") << "Hund + hund.m4a = dog + dog.m4a"
                                                          << "Hund + hund.m4a"
                                                          << "dog + dog.m4a";
        QTest::newRow("Bild zu Klang") << "hund.jpg = bellen.ogg"
                                       << "hund.jpg"
                                       << "+ bellen.ogg";
        QTest::newRow("Zahl zu Klang") << "3 = drei.ogg"
                                       << "3"
                                       << "+ drei.ogg";
        QTest::newRow("Klang vorn, Bild, Tabs, Windows-Ordner")
            << "toene\\bellen.ogg\t+\thund.png - dog"
            << "hund.png + toene/bellen.ogg"
            << "dog";
        QTest::newRow("Plus im Wort vor dem Klang") << "a + b + c.wav = x"
                                                    << "a + b + c.wav"
                                                    << "x";
        QTest::newRow("Aufgabe bleibt Text") << "2 + 3 = 5"
                                             << "2 + 3"
                                             << "5";
        QTest::newRow("ohne Leerzeichen kein Verbinden") << "Hund+hund.ogg = dog"
                                                         << "+ Hund+hund.ogg"
                                                         << "dog";
        QTest::newRow("zwei Klänge verbinden sich nicht") << "a.ogg + b.ogg = x"
                                                          << "+ a.ogg + b.ogg"
                                                          << "x";
        QTest::newRow("Endung allein ist Text") << ".ogg + 1 = x"
                                                << ".ogg + 1"
                                                << "x";
    }
    void erkannt() {
        QFETCH(QString, zeile);
        QFETCH(QString, links);
        QFETCH(QString, rechts);
        const bool paar = zeile.contains(" = ") || zeile.contains(" - ");
        const QStringList rest = paar ? nummeriertePaare(9) : nummerierteWoerter(9);
        const Wortdatei d =
            wortdateiBeurteilen(alsUtf8(QStringList{zeile} + rest), Ordner, Paarzahl);
        QCOMPARE(d.fehler, Wortdateifehler::Keiner);
        QCOMPARE(d.art, paar ? Listenart::Paare : Listenart::Woerter);
        QCOMPARE(d.eintraege.size(), 10);
        QCOMPARE(geschrieben(d.eintraege.first().links), links);
        QCOMPARE(geschrieben(d.eintraege.first().rechts), rechts);
        // Every sound is named for its check with its line and as written.
        for (const Klangstelle& klang : d.klaenge) {
            QCOMPARE(klang.nummer, 1);
            QVERIFY(istKlangname(klang.name) && zeile.contains(klang.name));
        }
    }

    // The times table reads as before: its "+" joins nothing, no sound is named.
    void aufgabenUnveraendert() {
        const QStringList aufgaben = nummeriert(12, "%1 + 1 = %1 plus eins", 1);
        const Wortdatei d = wortdateiBeurteilen(alsUtf8(aufgaben), Ordner, Paarzahl);
        QCOMPARE(d.fehler, Wortdateifehler::Keiner);
        QVERIFY(d.klaenge.isEmpty());
        QCOMPARE(texte(d), aufgaben);
    }

    // One file under two names is one content and is checked once; a word with a sound and the
    // same word without are two.
    void einDateiZweiNamen() {
        Klangordner o;
        o.bild("trommel.wav");
        o.bild("toene/x.ogg");
        Wortdatei d =
            o.lesen(QStringList{"trommel.wav", "toene/../trommel.wav"} + nummerierteWoerter(7));
        QCOMPARE(d.fehler, Wortdateifehler::ZuWenigVerschiedene);
        QCOMPARE(d.verschiedene, 8);
        QCOMPARE(o.klangleser.geprueft, QStringList{o.pfad("trommel.wav")});
        d = o.lesen(QStringList{"Hund + trommel.wav = dog", "Hund = dog"} + nummeriertePaare(8));
        QCOMPARE(d.fehler, Wortdateifehler::Keiner);
        QCOMPARE(d.eintraege.size(), 10);
        QCOMPARE(d.eintraege.first().links, (Karteninhalt{"Hund", {}, o.pfad("trommel.wav")}));
        QVERIFY(d.eintraege.first().links.hatKlang() && !d.eintraege.first().links.nurKlang());
    }
};

QTEST_GUILESS_MAIN(TstKlanglisten)
#include "tst_klanglisten.moc"
