// Groups taking turns at the whiteboard: who is next after a pair and after a miss, the finder on
// the found cards, the win box for a winner and for draws, who begins the next game, and one
// player as before.
#include "tests/support/spiel.h"

#include <QSignalSpy>

using namespace vun;
using namespace vun::test;

namespace {

const QStringList DreiGruppen{QStringLiteral("Rot"), QStringLiteral("Blau"),
                              QStringLiteral("Gelb")};

// Groups whose pairs are given: handing on after every turn, each finds a pair in a round until
// it holds its number.
Gruppenspiel mitPaaren(const QList<int>& paare) {
    QStringList namen;
    for (int k = 1; k <= paare.size(); ++k)
        namen.append(gruppenfarbname(k));
    Gruppenspiel gruppen(namen, true);
    gruppen.neuesSpiel();
    for (int runde = 0; runde < *std::max_element(paare.cbegin(), paare.cend()); ++runde)
        for (int anzahl : paare)
            gruppen.zugBeendet(anzahl > runde);
    return gruppen;
}

QString letzteBox(const Spiel& s) {
    return s.dialoge.gezeigt.isEmpty() ? QString() : s.dialoge.gezeigt.last().prompt;
}

} // namespace

class TstGruppenspiel : public QObject {
    Q_OBJECT
private slots:
    void zugfolge_data() {
        QTest::addColumn<bool>("nachJedemZug");
        QTest::addRow("wer ein Paar findet, spielt weiter") << false;
        QTest::addRow("nach jedem Zug wechseln") << true;
    }
    void zugfolge() {
        QFETCH(bool, nachJedemZug);
        Spiel s;
        s.klick(1);
        s.memo.gruppenspielStarten(DreiGruppen, nachJedemZug);
        QCOMPARE(s.offeneKarten(), 0); // dealt anew
        QSignalSpy wechsel(&s.memo, &Memo::zugGewechselt);
        const Gruppenspiel& g = s.memo.gruppenspiel();
        QCOMPARE(g.dran(), 1);

        // A double-click on one card is no turn.
        s.klick(1);
        s.klick(1);
        QCOMPARE(g.dran(), 1);
        s.klick(s.partner(1));
        QCOMPARE(g.gruppe(1).paare, 1);
        QCOMPARE(s.memo.karte(1).finder, 1);
        QCOMPARE(s.memo.karte(s.partner(1)).finder, 1);
        QCOMPARE(g.dran(), nachJedemZug ? 2 : 1);
        QCOMPARE(wechsel.count(), nachJedemZug ? 1 : 0);

        const int vorher = g.dran();
        const int erste = s.andereKarte(1, s.gefunden());
        const int zweite = s.andereKarte(erste, s.gefunden());
        s.klick(erste);
        s.klick(zweite);
        QCOMPARE(g.dran(), vorher % 3 + 1);
        QCOMPARE(wechsel.last().at(0).toInt(), g.dran());
        QCOMPARE(s.offeneKarten(), 2); // open until the next group's first click
        QCOMPARE(g.standText(), QStringLiteral("Rot 1 · Blau 0 · Gelb 0"));
        QCOMPARE(g.dranText(), QStringLiteral("%1 ist dran").arg(gruppenfarbname(g.dran())));
    }

    void gewinnbox_data() {
        QTest::addColumn<QList<int>>("paare");
        QTest::addColumn<QStringList>("zeilen");
        QTest::addRow("Sieger") << QList<int>{2, 4, 1, 2}
                                << QStringList{"Blau gewinnt mit 4 Paaren!", "Blau: 4 Paare",
                                               "Rot: 2 Paare", "Grün: 2 Paare", "Gelb: 1 Paar"};
        QTest::addRow("Unentschieden zu zweit")
            << QList<int>{3, 3, 0}
            << QStringList{"Unentschieden: Rot und Blau mit je 3 Paaren!", "Rot: 3 Paare",
                           "Blau: 3 Paare", "Gelb: 0 Paare"};
        QTest::addRow("Unentschieden zu dritt")
            << QList<int>{1, 1, 1, 0, 1}
            << QStringList{"Unentschieden: Rot, Blau, Gelb und Lila mit je 1 Paar!",
                           "Rot: 1 Paar",
                           "Blau: 1 Paar",
                           "Gelb: 1 Paar",
                           "Lila: 1 Paar",
                           "Grün: 0 Paare"};
    }
    void gewinnbox() {
        QFETCH(QList<int>, paare);
        QFETCH(QStringList, zeilen);
        QCOMPARE(mitPaaren(paare).gewinnZeilen(), zeilen);
    }

    // The game itself: the win box of groups, and who begins each next game.
    void ganzesSpielUndNaechsteRunde() {
        Spiel s;
        s.memo.gruppenspielStarten(DreiGruppen, false);
        QSignalSpy meldung(&s.memo, &Memo::gewinnmeldung);
        for (int beginner : {1, 2, 3, 1}) {
            QCOMPARE(s.memo.gruppenspiel().dran(), beginner);
            s.allePaareFinden();
            QVERIFY(letzteBox(s).startsWith(gruppenfarbname(beginner) +
                                            QStringLiteral(" gewinnt mit 9 Paaren!") + CR));
        }
        QVERIFY(meldung.last().at(0).toString().endsWith(QStringLiteral("Blau: 0 Paare") + CR +
                                                         QStringLiteral("Gelb: 0 Paare")));
        QCOMPARE(s.memo.gruppenspiel().gruppe(1).paare, 0);
        QCOMPARE(s.memo.karte(1).finder, 0);

        s.memo.alleinSpielen();
        QVERIFY(!s.memo.gruppenspiel().aktiv());
        s.allePaareFinden();
        QCOMPARE(letzteBox(s), QStringLiteral("Prima, du hast es geschafft!") + CR);
        QCOMPARE(s.memo.karte(1).finder, 0);
    }

    void namen() {
        const QString lang = QStringLiteral("Die wilden Hühner aus der 2b");
        Gruppenspiel g({QStringLiteral("  "), lang, QStringLiteral(" Füchse ")}, false);
        QCOMPARE(g.gruppe(1).name, QStringLiteral("Rot"));
        QCOMPARE(g.gruppe(2).name, lang.left(MaxGruppenname).trimmed());
        QCOMPARE(g.gruppe(3).name, QStringLiteral("Füchse"));
        QCOMPARE(gruppennameBereinigen(QString(19, u'a') + QStringLiteral("😀"), 1),
                 QString(19, u'a'));
    }
};

QTEST_GUILESS_MAIN(TstGruppenspiel)
#include "tst_gruppenspiel.moc"
