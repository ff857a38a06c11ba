// The cards on paper, with a scripted printer: Ctrl+P's rules.
#include "game/druckbogen.h"

#include "tests/support/spiel.h"

#include <QtTest>

using namespace vun;
using test::SkriptDrucker;

class TstKartendruck : public QObject {
    Q_OBJECT
private slots:
    void vorDemErstenGebenNichts() {
        QTemporaryDir ordner;
        test::SkriptDialoge dialoge;
        test::SkriptZufall zufall;
        Memo memo(dialoge, zufall, QDir(ordner.path()));
        SkriptDrucker drucker;
        memo.kartenDrucken(drucker);
        QVERIFY(drucker.dokumentnamen.isEmpty());
        QCOMPARE(dialoge.anzahl, 0);
    }

    // The document is named after the list; cancelled, nothing is asked or printed.
    void dokumentname_data() {
        QTest::addColumn<QStringList>("woerter");
        QTest::addColumn<QString>("name");
        QTest::newRow("Datei") << test::Spiel::standardWoerter() << "VUNMEMO";
        QTest::newRow("eingebaute Wörter") << QStringList{"zu", "wenig"} << "VUN-Memory";
    }
    void dokumentname() {
        QFETCH(QStringList, woerter);
        QFETCH(QString, name);
        test::Spiel spiel(woerter);
        const int vorher = spiel.dialoge.anzahl;
        SkriptDrucker drucker;
        drucker.wahl.reset();
        spiel.memo.kartenDrucken(drucker);
        QCOMPARE(drucker.dokumentnamen, QStringList(name));
        QCOMPARE(spiel.dialoge.anzahl, vorher);
        QVERIFY(drucker.gedruckt.isEmpty());
    }

    // Pages as the chosen paper holds them (15 cards on A4), twice with backs; from 31 pages on
    // the teacher is asked first, and No prints nothing.
    void vieleSeitenFragen_data() {
        QTest::addColumn<int>("woerter");
        QTest::addColumn<bool>("rueckseiten");
        QTest::addColumn<int>("antwort"); // 0: not asked
        QTest::addColumn<bool>("gedruckt");
        QTest::newRow("30 Seiten") << 225 << false << 0 << true;
        QTest::newRow("31 Seiten, Nein") << 226 << false << int(AntwortNein) << false;
        QTest::newRow("31 Seiten, Ja") << 226 << false << int(AntwortJa) << true;
        QTest::newRow("16 Seiten mit Rückseiten") << 120 << true << int(AntwortNein) << false;
        QTest::newRow("16 Seiten") << 120 << false << 0 << true;
    }
    void vieleSeitenFragen() {
        QFETCH(int, woerter);
        QFETCH(bool, rueckseiten);
        QFETCH(int, antwort);
        QFETCH(bool, gedruckt);
        test::Spiel spiel(test::nummerierteWoerter(woerter));
        SkriptDrucker drucker;
        drucker.wahl->rueckseiten = rueckseiten;
        if (antwort)
            spiel.dialoge.antworten = {MsgBoxAntwort(antwort)};
        spiel.memo.kartenDrucken(drucker);
        QCOMPARE(spiel.dialoge.anzahl, antwort ? 1 : 0);
        if (antwort) {
            const test::Gezeigt& frage = spiel.dialoge.gezeigt.first();
            QCOMPARE(frage.stil, int(JaNeinFrage));
            QCOMPARE(frage.prompt, nachfragetext(rueckseiten ? 32 : 31));
        }
        QCOMPARE(drucker.gedruckt.size(), gedruckt ? 1 : 0);
        if (gedruckt) {
            QCOMPARE(drucker.gedruckt.first().karten, druckkarten(spiel.memo.liste2()));
            QCOMPARE(drucker.gedruckt.first().rueckseiten, rueckseiten);
        }
    }

    void druckfehlerWirdGesagt() {
        test::Spiel spiel;
        SkriptDrucker drucker;
        drucker.gelingt = false;
        spiel.memo.kartenDrucken(drucker);
        QCOMPARE(drucker.gedruckt.size(), 1);
        QCOMPARE(spiel.dialoge.anzahl, 1);
        QCOMPARE(spiel.dialoge.gezeigt.first().prompt,
                 QStringLiteral("Die Karten konnten nicht gedruckt werden."));
        QCOMPARE(spiel.dialoge.gezeigt.first().titel, QStringLiteral("VUN-Memory"));
    }
};

QTEST_MAIN(TstKartendruck)
#include "tst_kartendruck.moc"
