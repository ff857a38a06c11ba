// Pair lists dealt: a deal that is fair to every pair and every card and never shows two pairs
// that share a text.
#include "wordlist/kartenmischen.h"
#include "wordlist/paarauswahl.h"
#include "wordlist/paarliste.h"
#include "wordlist/wortdatei.h"
#include "wordlist/wortliste.h"

#include "tests/support/dateien.h"
#include "tests/support/inhalte.h"
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
int versuchen(const QList<Kartenpaar>& paare) {
    QHash<Karteninhalt, int> nummer;
    const auto bit = [&](const Karteninhalt& inhalt) {
        if (!nummer.contains(inhalt))
            nummer.insert(inhalt, static_cast<int>(nummer.size()));
        return 1ull << nummer.value(inhalt);
    };
    QList<quint64> masken;
    for (const auto& [a, b] : paare)
        masken << (bit(a) | bit(b));
    return versuchen(masken, 0, 0);
}

} // namespace

class TstPaarliste : public QObject {
    Q_OBJECT
private slots:
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
            QCOMPARE(paareOhneGemeinsamenText(test::paare(paare)),
                     std::min(9, versuchen(test::paare(paare))));
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
        QSet<Kartenpaar> zusammen;
        for (const auto& [a, b] : d.eintraege)
            zusammen << Kartenpaar{a, b} << Kartenpaar{b, a};
        Modul1 m;
        QList<Spielkarte> liste1;
        QSet<Kartenpaar> gesehen;
        for (quint32 saat = 1; saat <= 400; ++saat) {
            Zufallsgenerator zufall(saat);
            QVERIFY(KartenMischen(l, liste1, m, zufall));
            for (int k = 0; k < Kartenzahl; ++k) {
                QList<int> partner;
                for (int j = 0; j < Kartenzahl; ++j)
                    if (j != k && zusammen.contains({liste1.at(k).inhalt, liste1.at(j).inhalt}))
                        partner << j;
                QVERIFY2(partner.size() == 1 &&
                             liste1.at(partner.first()).paar == liste1.at(k).paar,
                         qPrintable(QStringLiteral("seed %1, card %2").arg(saat).arg(k + 1)));
                const Kartenpaar paar{liste1.at(k).inhalt, liste1.at(partner.first()).inhalt};
                gesehen.insert(d.eintraege.contains(paar) ? paar
                                                          : Kartenpaar{paar.rechts, paar.links});
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
        const Wortliste l = paarliste(paare);
        QVERIFY(l.hatVerschiedene());
        Zufallsgenerator zufall(5);
        Modul1 m;
        QList<Spielkarte> liste1;
        for (int d = 0; d < 20; ++d) {
            KartenMischen(l, liste1, m, zufall);
            // Each of the nine pairs has its one E.
            QCOMPARE(
                std::count_if(liste1.begin(), liste1.end(),
                              [](const Spielkarte& k) { return k.inhalt.wort.startsWith('E'); }),
                9);
        }
    }

    // Over many deals from twelve pairs every pair is chosen, and every half lands on every
    // card, about equally often; the two halves of a pair always lie on two different cards.
    void gebenGleichverteilt() {
        const QStringList paare = nummeriertePaare(12);
        const Wortliste l = paarliste(paare);
        Zufallsgenerator zufall(4711);
        Modul1 m;
        QList<Spielkarte> liste1;
        const int deals = 12000;
        QHash<QString, int> gewaehlt;
        QHash<QString, QList<int>> aufKarte;
        for (int d = 0; d < deals; ++d) {
            KartenMischen(l, liste1, m, zufall);
            QCOMPARE(liste1.size(), 18);
            QHash<int, QStringList> karten;
            for (int k = 0; k < 18; ++k)
                karten[liste1.at(k).paar].append(liste1.at(k).inhalt.wort);
            QCOMPARE(karten.size(), 9);
            for (QStringList beide : karten) {
                QCOMPARE(beide.size(), 2);
                beide.sort(); // "L…" before "R…", as the list writes them
                ++gewaehlt[beide.join(" = ")];
            }
            for (int k = 0; k < 18; ++k) {
                QList<int>& zaehler = aufKarte[liste1.at(k).inhalt.wort];
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
            for (const QString& haelfte : paar.split(" = "))
                for (int k = 0; k < 18; ++k)
                    QVERIFY2(std::abs(aufKarte[haelfte].value(k) - proKarte) <
                                 4.5 * std::sqrt(proKarte),
                             qPrintable(QStringLiteral("%1 on card %2").arg(haelfte).arg(k + 1)));
        }
    }
};

QTEST_APPLESS_MAIN(TstPaarliste)
#include "tst_paarliste.moc"
