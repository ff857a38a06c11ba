// Pair lists: which lists are pair lists, which are usable and why not, and a deal that is fair
// to every pair and every card and never shows two pairs that share a text.
#include "wordlist/kartenmischen.h"
#include "wordlist/paarauswahl.h"
#include "wordlist/paarliste.h"
#include "wordlist/wortdatei.h"
#include "wordlist/wortliste.h"

#include "tests/support/dateien.h"
#include "tests/support/skript.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace vun;
using namespace vun::test;

namespace {
// How a row of the exact count changes a path a-b-c-d.
enum Abwandlung {
    Keine,
    RechtsGeteilt,        // tasks that share their result d
    HaelfteGleichPartner, // "b = b" in place of "a = b"
    AussenKnapp,          // b and c both paired with a; b with e too
};

// The pairs of path w, written middle first: taken in their order, one pair fits instead of two.
QStringList weg(int w, Abwandlung abwandlung, QRandomGenerator& zufall) {
    const auto paar = [w](int i, int j) {
        return QStringLiteral("%1%2 = %1%3").arg(w).arg(QChar('a' + i)).arg(QChar('a' + j));
    };
    QStringList paare{paar(1, 2), paar(0, 1), paar(2, 3)};
    if (abwandlung == HaelfteGleichPartner)
        paare[1] = paar(1, 1);
    if (abwandlung == AussenKnapp)
        paare = QStringList{paar(1, 2), paar(1, 0), paar(2, 0), paar(1, 4)};
    for (int x = abwandlung == RechtsGeteilt ? zufall.bounded(1, 3) : 0; x > 0; --x)
        paare << QStringLiteral("%1 · %2 = %1d").arg(w).arg(x);
    return paare;
}

// The most pairs sharing no text, by trying every choice from pair i on; texts as bits.
int versuchen(const QList<quint64>& paare, int i, quint64 belegt) {
    if (i == paare.size())
        return 0;
    const int ohne = versuchen(paare, i + 1, belegt);
    if (belegt & paare.at(i))
        return ohne;
    return std::max(ohne, 1 + versuchen(paare, i + 1, belegt | paare.at(i)));
}
int versuchen(const QStringList& paare) {
    QHash<QString, int> nummer;
    const auto bit = [&](const QString& text) {
        if (!nummer.contains(text))
            nummer.insert(text, static_cast<int>(nummer.size()));
        return 1ull << nummer.value(text);
    };
    QList<quint64> masken;
    for (const QString& paar : paare) {
        const auto [a, b] = haelften(paar);
        masken << (bit(a) | bit(b));
    }
    return versuchen(masken, 0, 0);
}
} // namespace

class TstPaarliste : public QObject {
    Q_OBJECT
private slots:
    void haelftenOhneRand() {
        const auto paar = std::make_pair(QString("Haus"), QString("Häuser"));
        QCOMPARE(haelften(u"Haus = Häuser"), paar);
        QCOMPARE(haelften(u" Haus  =\tHäuser "), paar);
        QCOMPARE(haelften(u"Haus=Häuser"), paar);
        QCOMPARE(haelften(u"3 · 4 = 12"), std::make_pair(QString("3 · 4"), QString("12")));
    }

    // Two columns copied from a spreadsheet, or a dash between blanks, part a pair as "=" does;
    // "=" goes first, and a dash inside a word parts nothing.
    void tabUndStrich() {
        const auto paar = [](const char* a, const char* b) {
            return std::make_pair(QString::fromUtf8(a), QString::fromUtf8(b));
        };
        QCOMPARE(haelften(u"Hund\tdog"), paar("Hund", "dog"));
        QCOMPARE(haelften(u"Hund - dog"), paar("Hund", "dog"));
        QCOMPARE(haelften(u"Hund  –  dog"), paar("Hund", "dog"));
        QCOMPARE(haelften(u"5 - 3 = 2"), paar("5 - 3", "2"));
        QCOMPARE(haelften(u"Brot - Käse\tbread and cheese"),
                 paar("Brot - Käse", "bread and cheese"));
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
        QCOMPARE(d.eintraege, nummeriertePaare(8) + tiere);
        const QStringList woerter = nummerierteWoerter(8) + QStringList{"Baden-Württemberg"};
        QCOMPARE(eintraegeBeurteilen(woerter).eintraege, woerter);
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
        QCOMPARE(d.eintraege, paare);
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
        if (d.art == Listenart::Paare)
            for (const QString& paar : d.eintraege)
                QCOMPARE(paar, haelften(paar).first + " = " + haelften(paar).second);
    }

    // The pairs that can lie on the board together, against trying every choice, on lists whose
    // first pairs block the rest, so that taking pairs in their order finds too few; each row
    // changes some of the paths as the lists a teacher writes do.
    void paareOhneGemeinsamenTextExakt_data() {
        QTest::addColumn<int>("abwandlung");
        QTest::newRow("Wege") << int(Keine);
        QTest::newRow("rechts geteilt") << int(RechtsGeteilt);
        QTest::newRow("Hälfte gleich Partner") << int(HaelfteGleichPartner);
        QTest::newRow("außen wenige Partner") << int(AussenKnapp);
    }
    void paareOhneGemeinsamenTextExakt() {
        QFETCH(int, abwandlung);
        QRandomGenerator zufall(17 + abwandlung);
        for (int runde = 0; runde < 300; ++runde) {
            QStringList paare;
            const int wege = zufall.bounded(3, 8);
            for (int w = 0; w < wege; ++w)
                paare << weg(w, zufall.bounded(2) ? Abwandlung(abwandlung) : Keine, zufall);
            for (int extra = zufall.bounded(6); extra > 0; --extra)
                paare << QStringLiteral("%1a = %2d")
                             .arg(zufall.bounded(wege))
                             .arg(zufall.bounded(wege));
            if (zufall.bounded(2))
                paare << QStringLiteral("0b = 0b");
            QCOMPARE(paareOhneGemeinsamenText(paare), std::min(9, versuchen(paare)));
        }
    }

    // Times tables as a teacher writes them, results repeating on the right, read from a file
    // and judged as the game does, then dealt with many seeds: every card has exactly one
    // partner among the texts on the board, the card of the same pair, and every pair turns up.
    void einmaleinsGeben_data() {
        QTest::addColumn<QStringList>("zeilen");
        QStringList tausch;
        for (int a = 1; a <= 6; ++a)
            for (int b = 1; b <= 6; ++b)
                tausch << QStringLiteral("%1 · %2 = %3").arg(a).arg(b).arg(a * b);
        QTest::newRow("mit Tauschaufgaben") << tausch + QStringList{"1 = 1"};
        // Nine pairs fit only with exactly one of the tasks of 12.
        QStringList zwoelf = aufgabenMitErgebnisZwoelf();
        for (int b : {2, 3, 4, 5, 7, 8, 9, 10})
            zwoelf << QStringLiteral("2 · %1 = %2").arg(b).arg(2 * b);
        QTest::newRow("zehnmal 12") << zwoelf;
    }
    void einmaleinsGeben() {
        QFETCH(QStringList, zeilen);
        QTemporaryDir ordner;
        QVERIFY(wortlisteSchreiben(ordner.filePath("EINMALEINS.TXT"), zeilen));
        const Wortdatei d = wortdateiLesen(ordner.filePath("EINMALEINS.TXT"));
        QCOMPARE(d.fehler, Wortdateifehler::Keiner);
        QCOMPARE(d.art, Listenart::Paare);
        Wortliste l;
        l.ersetzen(d.eintraege, d.art);
        QSet<std::pair<QString, QString>> zusammen;
        for (const QString& paar : d.eintraege) {
            const auto [a, b] = haelften(paar);
            zusammen << std::make_pair(a, b) << std::make_pair(b, a);
        }
        Modul1 m;
        QStringList liste1, kennungen;
        QSet<QString> gesehen;
        for (quint32 saat = 1; saat <= 400; ++saat) {
            Zufallsgenerator zufall(saat);
            QVERIFY(KartenMischen(l, liste1, kennungen, m, zufall));
            for (int k = 0; k < Kartenzahl; ++k) {
                QList<int> partner;
                for (int j = 0; j < Kartenzahl; ++j)
                    if (j != k && zusammen.contains({liste1.at(k), liste1.at(j)}))
                        partner << j;
                QVERIFY2(partner.size() == 1 && kennungen.at(partner.first()) == kennungen.at(k),
                         qPrintable(QStringLiteral("seed %1, card %2").arg(saat).arg(k + 1)));
                gesehen.insert(kennungen.at(k));
            }
        }
        QCOMPARE(gesehen.size(), d.eintraege.size());
    }

    // A list with one way only to lay nine pairs: nine words each with its own partner, and
    // every two of the words paired as well. Drawn at random, the choice runs into a dead end
    // almost always; the deal still finds the one way.
    void gebenOhneSackgasse() {
        QStringList paare;
        for (int i = 0; i < 9; ++i) {
            paare << QStringLiteral("K%1 = E%1").arg(i);
            for (int j = i + 1; j < 9; ++j)
                paare << QStringLiteral("K%1 = K%2").arg(i).arg(j);
        }
        Wortliste l;
        l.ersetzen(paare, Listenart::Paare);
        QVERIFY(l.hatNeunVerschiedene());
        Zufallsgenerator zufall(5);
        Modul1 m;
        QStringList liste1, kennungen;
        for (int d = 0; d < 20; ++d) {
            KartenMischen(l, liste1, kennungen, m, zufall);
            for (const QString& kennung : kennungen)
                QVERIFY2(kennung.contains('E'), qPrintable(kennung));
        }
    }

    // Over many deals from twelve pairs every pair is chosen, and every half lands on every
    // card, about equally often; the two halves of a pair always lie on two different cards.
    void gebenGleichverteilt() {
        const QStringList paare = nummeriertePaare(12);
        Wortliste l;
        l.ersetzen(paare, Listenart::Paare);
        Zufallsgenerator zufall(4711);
        Modul1 m;
        QStringList liste1, kennungen;
        const int deals = 12000;
        QHash<QString, int> gewaehlt;
        QHash<QString, QList<int>> aufKarte;
        for (int d = 0; d < deals; ++d) {
            KartenMischen(l, liste1, kennungen, m, zufall);
            QCOMPARE(liste1.size(), 18);
            QHash<QString, QList<int>> karten;
            for (int k = 0; k < 18; ++k)
                karten[kennungen.at(k)].append(k);
            QCOMPARE(karten.size(), 9);
            for (auto it = karten.cbegin(); it != karten.cend(); ++it) {
                const auto [erste, zweite] = haelften(it.key());
                QCOMPARE(it->size(), 2);
                QCOMPARE(QSet<QString>({liste1.at(it->at(0)), liste1.at(it->at(1))}),
                         QSet<QString>({erste, zweite}));
                ++gewaehlt[it.key()];
            }
            for (int k = 0; k < 18; ++k) {
                QList<int>& zaehler = aufKarte[liste1.at(k)];
                zaehler.resize(18);
                ++zaehler[k];
            }
        }
        // Nine of twelve pairs per deal; each half on a given card in 1/18 of those deals.
        // Bounds are 4.5 standard deviations either side.
        const double proPaar = deals * 9.0 / 12.0;
        const double proKarte = proPaar / 18.0;
        for (const QString& paar : paare) {
            QVERIFY2(std::abs(gewaehlt[paar] - proPaar) < 4.5 * std::sqrt(proPaar * 0.25),
                     qPrintable(paar));
            const auto [erste, zweite] = haelften(paar);
            for (const QString& haelfte : {erste, zweite})
                for (int k = 0; k < 18; ++k)
                    QVERIFY2(std::abs(aufKarte[haelfte].value(k) - proKarte) <
                                 4.5 * std::sqrt(proKarte),
                             qPrintable(QStringLiteral("%1 on card %2").arg(haelfte).arg(k + 1)));
        }
    }
};

QTEST_APPLESS_MAIN(TstPaarliste)
#include "tst_paarliste.moc"
