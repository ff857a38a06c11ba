// The deal: exact for a scripted sequence, fair over many seeded deals, and never hanging.
#include "tests/support/inhalte.h"
#include "tests/support/skript.h"
#include "wordlist/kartenmischen.h"
#include "wordlist/standardliste.h"
#include "wordlist/wortliste.h"

#include <QtTest>
#include <algorithm>
#include <random>

using namespace vun;
using namespace vun::test;

namespace {
Wortliste liste(const QStringList& woerter) {
    return wortliste(woerter);
}
// The deal as the words it put on the cards, which is all a list of words needs.
void KartenMischen(const Wortliste& l, QStringList& liste1, Modul1& m, Zufallsquelle& zufall) {
    QList<Spielkarte> karten;
    vun::KartenMischen(l, karten, m, zufall);
    liste1.clear();
    for (const Spielkarte& karte : karten)
        liste1 << karte.inhalt.wort;
}
QStringList buchstaben(int n) {
    QStringList w;
    for (int i = 0; i < n; ++i)
        w << QStringLiteral("W%1").arg(i, 2, 10, QLatin1Char('0'));
    return w;
}
} // namespace

class TstKartenmischen : public QObject {
    Q_OBJECT
private slots:
    void sortiertOhneGrossKlein() {
        const Wortliste l = liste({"maus", "Apfel", "Maus", "zebra", "Äpfel", "MAUS", "baum"});
        QCOMPARE(texte(l),
                 (QStringList{"Apfel", "baum", "maus", "Maus", "MAUS", "zebra", "Äpfel"}));
        const Wortliste b = wortliste({"maus", "Apfel", "Maus", "zebra", "Äpfel", "MAUS", "baum"});
        QCOMPARE(b.eintraege(), l.eintraege());
    }

    // The whole-list sort orders exactly as the case-insensitive comparison of single entries,
    // also where case folding is unusual: sharp s, final sigma, dotless i, signs that fold to
    // letters, pairs of surrogates, lone surrogates, prefixes; equal keys keep their order.
    void sortiertWieEinzelvergleich() {
        QStringList woerter = {
            "a",     "A",     "ä",  "Ä",  "ß",  "ẞ",  "ss",    "SS",     "Σ",       "σ",
            "ς",     "İ",     "ı",  "I",  "i",  "K",  "k",     "Å",      "å",       "ﬀ",
            "ff",    "𐐀",     "𐐨",  "𐐀b", "𐐨a", "😀",  "a😀",    "A😀b",    "ͅ",        "ι",
            "µ",     "μ",     "ſ",  "s",  "ǅ",  "ǆ",  "Ǆ",     "Straße", "STRASSE", "straße",
            "Äpfel", "äpfel", "10", "9",  " a", "a ", "Zebra", "zebra",
        };
        woerter << QString(QChar(0xD800)) << QString(QChar(0xDC00))
                << QStringLiteral("x") + QChar(0xDC00) << QString(QChar(0xE000))
                << QString(QChar(0xFFFF));
        std::mt19937 zufall(4711);
        for (int runde = 0; runde < 20; ++runde) {
            QStringList erwartet = woerter;
            std::stable_sort(erwartet.begin(), erwartet.end(),
                             [](const QString& a, const QString& b) {
                                 return QString::compare(a, b, Qt::CaseInsensitive) < 0;
                             });
            QCOMPARE(texte(liste(woerter)), erwartet);
            std::shuffle(woerter.begin(), woerter.end(), zufall);
        }
    }

    // Every draw of both phases is scripted, redraws included, and the result is exact.
    void genaueVerteilung() {
        const Wortliste l = liste(buchstaben(12)); // W00 .. W11
        QList<double> folge;
        // Phase 1: W03, W03 again (redraw), W07, W00, W11, W05, W07 again, W01, W02, W09, W10.
        for (int r : {3, 3, 7, 0, 11, 5, 7, 1, 2, 9, 10})
            folge << fuer(r, 12);
        // Phase 2: places 18..1 downwards, with place 18 drawn again once (redraw).
        QList<int> plaetze;
        for (int p = 18; p >= 1; --p)
            plaetze << p;
        plaetze.insert(2, 18);
        for (int p : plaetze)
            folge << fuer(p - 1, 18);
        SkriptZufall zufall(folge);
        QStringList liste1;
        Modul1 m;
        KartenMischen(l, liste1, m, zufall);
        QCOMPARE(zufall.gezogen, 11 + 19);
        QVERIFY(zufall.folge.isEmpty());
        const QStringList gewaehlt{"W03", "W07", "W00", "W11", "W05", "W01", "W02", "W09", "W10"};
        // Card i got place 19 - i; places p and p + 9 carry word p.
        QStringList erwartet;
        for (int i = 1; i <= 18; ++i) {
            const int platz = 19 - i;
            erwartet << gewaehlt.at((platz > 9 ? platz - 9 : platz) - 1);
            QCOMPARE(int(m.Kartenplatz[i]), platz > 9 ? platz - 9 : platz);
            QCOMPARE(m.Kartenwort[i], Karteninhalt::alsWort(erwartet.last()));
        }
        QCOMPARE(liste1, erwartet);
    }

    void neunGleicheWoerterHaengenNicht() {
        const Wortliste l = liste(QStringList(9, QStringLiteral("Maus")));
        QVERIFY(!l.hatVerschiedene());
        SkriptZufall zufall;
        QStringList liste1;
        Modul1 m;
        KartenMischen(l, liste1, m, zufall);
        QCOMPARE(liste1.size(), 18);
        for (const QString& w : Standardliste())
            QCOMPARE(liste1.count(w), 2);
    }

    void grossKleinSindVerschiedeneWoerter() {
        const Wortliste l =
            liste({"Maus", "MAUS", "maus", "Haus", "HAUS", "Tor", "TOR", "Tür", "TÜR"});
        QVERIFY(l.hatVerschiedene());
        SkriptZufall zufall;
        QStringList liste1;
        Modul1 m;
        KartenMischen(l, liste1, m, zufall);
        for (const QString& w : texte(l))
            QCOMPARE(liste1.count(w), 2);
    }

    // Over many deals every word of a nine-word list lands on every card about equally often.
    void gleichverteilt() {
        const QStringList woerter = buchstaben(9);
        const Wortliste l = liste(woerter);
        Zufallsgenerator zufall(4711);
        Modul1 m;
        QStringList liste1;
        const int deals = 18000;
        QHash<QString, QList<int>> zaehler;
        for (const QString& w : woerter)
            zaehler[w] = QList<int>(18, 0);
        for (int d = 0; d < deals; ++d) {
            KartenMischen(l, liste1, m, zufall);
            QCOMPARE(liste1.size(), 18);
            for (int k = 0; k < 18; ++k)
                ++zaehler[liste1.at(k)][k];
        }
        // Expected 2000 per word and card; 4.5 standard deviations either side.
        const double erwartet = deals * 2.0 / 18.0;
        const double sigma = std::sqrt(erwartet * (1.0 - 1.0 / 9.0));
        for (const QString& w : woerter)
            for (int k = 0; k < 18; ++k)
                QVERIFY2(
                    std::abs(zaehler[w][k] - erwartet) < 4.5 * sigma,
                    qPrintable(
                        QStringLiteral("%1 on card %2: %3").arg(w).arg(k + 1).arg(zaehler[w][k])));
    }

    // A text that stands twice is dealt at most once, as one pair.
    void doppelterEintragHoechstensEinPaar() {
        QStringList woerter = buchstaben(10);
        woerter << "W00"
                << "W00";
        const Wortliste l = liste(woerter);
        Zufallsgenerator zufall(7);
        Modul1 m;
        QStringList liste1;
        for (int d = 0; d < 200; ++d) {
            KartenMischen(l, liste1, m, zufall);
            QVERIFY(liste1.count("W00") == 0 || liste1.count("W00") == 2);
        }
    }
};

QTEST_APPLESS_MAIN(TstKartenmischen)
#include "tst_kartenmischen.moc"
