// Pair lines and pair lists read: the halves of a line, the tab and the dash that part them as
// the equals sign does, a heading above the pairs, and which lists are pair lists and why not.
#include "wordlist/paarliste.h"
#include "wordlist/wortdatei.h"
#include "wordlist/wortliste.h"

#include "tests/support/dateien.h"
#include "tests/support/inhalte.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace vun;
using namespace vun::test;

namespace {
// The two halves of a pair line as the reader parts it.
std::pair<QString, QString> seiten(QStringView zeile) {
    const Paarzeile paar = paarzeileLesen(zeile);
    return {paar.links.toString(), paar.rechts.toString()};
}
} // namespace

class TstPaarzeilen : public QObject {
    Q_OBJECT
private slots:
    void seitenOhneRand() {
        const auto paar = std::make_pair(QString("Haus"), QString("Häuser"));
        QCOMPARE(seiten(u"Haus = Häuser"), paar);
        QCOMPARE(seiten(u" Haus  =\tHäuser "), paar);
        QCOMPARE(seiten(u"Haus=Häuser"), paar);
        QCOMPARE(seiten(u"3 · 4 = 12"), std::make_pair(QString("3 · 4"), QString("12")));
    }

    // Two columns copied from a spreadsheet, or a dash between blanks, part a pair as "=" does;
    // "=" goes first, and a dash inside a word parts nothing.
    void tabUndStrich() {
        const auto paar = [](const char* a, const char* b) {
            return std::make_pair(QString::fromUtf8(a), QString::fromUtf8(b));
        };
        QCOMPARE(seiten(u"Hund\tdog"), paar("Hund", "dog"));
        QCOMPARE(seiten(u"Hund - dog"), paar("Hund", "dog"));
        QCOMPARE(seiten(u"Hund  –  dog"), paar("Hund", "dog"));
        QCOMPARE(seiten(u"5 - 3 = 2"), paar("5 - 3", "2"));
        QCOMPARE(seiten(u"Brot - Käse\tbread and cheese"), paar("Brot - Käse", "bread and cheese"));
        for (const QStringView zeile :
             {u"Baden-Württemberg", u"Hund -dog", u"Hund– dog", u"a - b – c", u"a\tb\tc"})
            QCOMPARE(paarzeileLesen(zeile).fehler, Zeilenfehler::KeinGleichheitszeichen);
        // Read from a file: the tab inside a line survives, only those at its ends go.
        QTemporaryDir ordner;
        QVERIFY(wortlisteSchreiben(ordner.filePath("TAB.TXT"),
                                   nummeriert(8, "\tL%1\tR%1 ") +
                                       QStringList{"Hund - dog", "Katze – cat"}));
        const Wortdatei d = wortdateiLesen(ordner.filePath("TAB.TXT"));
        QCOMPARE(d.art, Listenart::Paare);
        const QStringList tiere{"Hund = dog", "Katze = cat"};
        QCOMPARE(texte(d), nummeriertePaare(8) + tiere);
        const QStringList woerter = nummerierteWoerter(8) + QStringList{"Baden-Württemberg"};
        QCOMPARE(texte(eintraegeBeurteilen(woerter)), woerter);
    }

    // A first line above pairs heads the list and is no card; a second line that is no pair
    // is still a fault, named by its line in the file. Above words it stays a word.
    void ueberschrift() {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("EINMAL6.TXT");
        const QStringList paare = nummeriertePaare(9);
        QVERIFY(wortlisteSchreiben(pfad, QStringList{"Einmaleins mit 6", ""} + paare));
        Wortdatei d = wortdateiLesen(pfad);
        QCOMPARE(d.fehler, Wortdateifehler::Keiner);
        QCOMPARE(d.titel, QStringLiteral("Einmaleins mit 6"));
        QCOMPARE(texte(d), paare);
        QCOMPARE(wortdateiTitel(pfad), d.titel);
        QVERIFY(wortlisteSchreiben(pfad, QStringList{"Einmaleins mit 6"} + paare.first(4) +
                                             QStringList{"", "Maus"} + paare.sliced(4)));
        d = wortdateiLesen(pfad);
        QCOMPARE(d.fehler, Wortdateifehler::KeinePaarzeilen);
        const FehlerhafteZeile maus{7, Zeilenfehler::KeinGleichheitszeichen, 0};
        QCOMPARE(d.fehlerhafteZeilen, QList<FehlerhafteZeile>{maus});
        QCOMPARE(d.fehlerhafteZeilenGesamt, 1);
        const QStringList woerter = QStringList{"Tiere"} + nummerierteWoerter(9);
        QVERIFY(wortlisteSchreiben(pfad, woerter));
        d = wortdateiLesen(pfad);
        QCOMPARE(d.titel, QString());
        QCOMPARE(d.anzahl, 10);
        QCOMPARE(wortdateiTitel(pfad), QString());
    }

    // A pair written again, in either order, stays where it first stands; the others keep theirs.
    void doppeltesPaarBleibtVorn() {
        const QStringList paare = nummeriertePaare(9);
        const QStringList zeilen = QStringList{"R00003 = L00003"} + paare.first(5) +
                                   QStringList{"L00001=R00001"} + paare.sliced(5);
        QCOMPARE(texte(eintraegeBeurteilen(zeilen)),
                 QStringList{"R00003 = L00003"} + paare.first(3) + paare.sliced(4));
    }

    // What a list is, and why it cannot be played, down to its lines.
    void beurteilen_data() {
        QTest::addColumn<QStringList>("eintraege");
        QTest::addColumn<Wortdateifehler>("fehler");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<int>("verschiedene");
        QTest::addColumn<QString>("zeilen"); // the faulty lines as "number:reason"
        const QStringList neun = nummeriertePaare(9);
        const QStringList acht = nummeriertePaare(8);
        const auto ok = Wortdateifehler::Keiner;
        QTest::newRow("neun Paare") << neun << ok << 9 << 9 << "";
        QTest::newRow("doppeltes Paar zählt einmal")
            << neun + QStringList{"L00000=R00000", "R00001 = L00001"} << ok << 9 << 9 << "";
        QTest::newRow("Tab und Blanks um =")
            << neun + QStringList{"Haus\t=  Häuser ", "Haus=Häuser"} << ok << 10 << 9 << "";
        QTest::newRow("Hälfte gleich Partner")
            << neun + QStringList{"Maus = Maus"} << ok << 10 << 9 << "";
        QTest::newRow("== dicht") << neun + QStringList{"a == b"}
                                  << Wortdateifehler::KeinePaarzeilen << 10 << 0 << "10:1";
        QTest::newRow("links nur Tab") << neun + QStringList{" \t= Häuser"}
                                       << Wortdateifehler::KeinePaarzeilen << 10 << 0 << "10:2";
        QTest::newRow("acht Paare, eins doppelt") << acht + QStringList{"L00003 = R00003"}
                                                  << Wortdateifehler::ZuWenigPaare << 8 << 0 << "";
        QTest::newRow("geteilter Text")
            << QStringList{"3 · 4 = 12", "2 · 6 = 12"} + acht << ok << 10 << 9 << "";
        QStringList stern;
        for (int i = 0; i < 20; ++i)
            stern << QStringLiteral("X = %1").arg(i);
        QTest::newRow("alle teilen X")
            << stern << Wortdateifehler::ZuWenigFreiePaare << 20 << 1 << "";
        QTest::newRow("zehn Aufgaben mit 12")
            << aufgabenMitErgebnisZwoelf() << Wortdateifehler::ZuWenigFreiePaare << 10 << 1 << "";
        QTest::newRow("eine Zeile ohne =") << acht.first(4) + QStringList{"Maus"} + acht.sliced(4)
                                           << Wortdateifehler::KeinePaarzeilen << 9 << 0 << "5:0";
        QStringList kaputt = neun;
        kaputt[1] = "a = b = c";
        kaputt[2] = " = rechts";
        kaputt[3] = "links =";
        kaputt[4] = "=";
        kaputt[5] = "a=b=c=d";
        kaputt[6] = "ohne";
        QTest::newRow("sechs kaputte Zeilen") << kaputt + neun << Wortdateifehler::KeinePaarzeilen
                                              << 18 << 0 << "2:1 3:2 4:3 5:4 6:1";
        QTest::newRow("meist Wörter, eins mit =")
            << nummerierteWoerter(9) + QStringList{"Haus = Häuser"} << ok << 10 << 9 << "";
        QTest::newRow("halb und halb")
            << nummerierteWoerter(5) + nummeriertePaare(5) << ok << 10 << 9 << "";
    }
    void beurteilen() {
        QFETCH(QStringList, eintraege);
        QFETCH(Wortdateifehler, fehler);
        QFETCH(int, anzahl);
        QFETCH(int, verschiedene);
        QFETCH(QString, zeilen);
        const Wortdatei d = eintraegeBeurteilen(eintraege);
        QCOMPARE(d.fehler, fehler);
        QCOMPARE(d.anzahl, anzahl);
        QCOMPARE(d.verschiedene, verschiedene);
        QStringList gemeldet;
        for (const FehlerhafteZeile& z : d.fehlerhafteZeilen)
            gemeldet << QStringLiteral("%1:%2").arg(z.nummer).arg(int(z.grund));
        QCOMPARE(gemeldet.join(' '), zeilen);
        if (fehler == Wortdateifehler::KeinePaarzeilen)
            QCOMPARE(d.fehlerhafteZeilenGesamt, zeilen.count(':') == 5 ? 6 : 1);
        QCOMPARE(d.eintraege.isEmpty(), fehler != Wortdateifehler::Keiner);
    }
};

QTEST_APPLESS_MAIN(TstPaarzeilen)
#include "tst_paarzeilen.moc"
