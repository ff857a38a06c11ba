// Pair lists: which lists are pair lists, which are usable, and a deal that is fair to every
// pair and every card.
#include "wordlist/kartenmischen.h"
#include "wordlist/paarliste.h"
#include "wordlist/wortliste.h"

#include "tests/support/dateien.h"
#include "tests/support/skript.h"

#include <QtTest>

using namespace vun;
using namespace vun::test;

class TstPaarliste : public QObject {
    Q_OBJECT
private slots:
    void erkennen_data() {
        QTest::addColumn<QStringList>("eintraege");
        QTest::addColumn<bool>("paarliste");
        const QStringList gute{"Haus = Häuser", "Hund = dog", "3 · 4 = 12"};
        QTest::newRow("alle mit einem Trenner") << gute << true;
        QTest::newRow("Blanks gehören zur Hälfte") << QStringList{" Haus  =  Häuser "} << true;
        QTest::newRow("eine Zeile ohne") << gute + QStringList{"Maus"} << false;
        QTest::newRow("zwei Trenner") << gute + QStringList{"a = b = c"} << false;
        QTest::newRow("Trenner überlappen") << gute + QStringList{"a = = b"} << false;
        QTest::newRow("erste Hälfte leer") << gute + QStringList{" = Häuser"} << false;
        QTest::newRow("zweite Hälfte leer") << gute + QStringList{"Haus = "} << false;
        QTest::newRow("ohne Blanks") << gute + QStringList{"Haus=Häuser"} << false;
        QTest::newRow("ein Blank fehlt") << gute + QStringList{"Haus =Häuser"} << false;
        QTest::newRow("leere Liste") << QStringList{} << false;
    }
    void erkennen() {
        QFETCH(QStringList, eintraege);
        QFETCH(bool, paarliste);
        QCOMPARE(istPaarliste(eintraege), paarliste);
    }

    void haelftenGenauWieGeschrieben() {
        QCOMPARE(haelften(u"Haus = Häuser"), std::make_pair(QString("Haus"), QString("Häuser")));
        QCOMPARE(haelften(u" Haus  =  Häuser "),
                 std::make_pair(QString(" Haus "), QString(" Häuser ")));
        QCOMPARE(haelften(u"3 · 4 = 12"), std::make_pair(QString("3 · 4"), QString("12")));
    }

    void gueltigkeit() {
        const QStringList acht = nummeriertePaare(8);
        QCOMPARE(paarePruefen(acht), Wortdateifehler::ZuWenigEintraege);
        QCOMPARE(paarePruefen(nummeriertePaare(9)), Wortdateifehler::Keiner);
        // A text twice: in two pairs, on both sides of one pair, as a first and a second half.
        QCOMPARE(paarePruefen(acht + QStringList{"L00000 = Neu"}), Wortdateifehler::TextDoppelt);
        QCOMPARE(paarePruefen(acht + QStringList{"Maus = Maus"}), Wortdateifehler::TextDoppelt);
        QCOMPARE(paarePruefen(acht + QStringList{"R00003 = Neu"}), Wortdateifehler::TextDoppelt);
        // Compared exactly: letter case and blanks make different texts.
        QCOMPARE(paarePruefen(acht + QStringList{"Maus = maus"}), Wortdateifehler::Keiner);
        QCOMPARE(paarePruefen(acht + QStringList{"L00000  = Neu"}), Wortdateifehler::Keiner);
        QCOMPARE(paarePruefen(nummeriertePaare(Wortliste::MaxEintraege)), Wortdateifehler::Keiner);
        QCOMPARE(paarePruefen(nummeriertePaare(Wortliste::MaxEintraege + 1)),
                 Wortdateifehler::ZuVieleEintraege);
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
