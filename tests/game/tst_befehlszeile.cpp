// The command line: the switches, Qt's own options passed over, and every wrong switch refused
// with one line naming it.
#include "game/befehlszeile.h"

#include <QtTest>

using namespace vun;
using Auftrag = Befehlszeile::Auftrag;

Q_DECLARE_METATYPE(vun::Befehlszeile::Auftrag)

class TstBefehlszeile : public QObject {
    Q_OBJECT
private slots:
    // What each command line asks for; the first that ends the reading decides. schalter: both
    // --vollbild and --vorlesen read.
    void lesen_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<Auftrag>("auftrag");
        QTest::addColumn<QString>("liste");
        QTest::addColumn<int>("paare");
        QTest::addColumn<bool>("schalter");
        QTest::newRow("Schalter und Liste")
            << QStringList{"--vollbild", "Tiere.TXT", "--vorlesen", "--paare", "6"}
            << Auftrag::Spielen << "Tiere.TXT" << 6 << true;
        QTest::newRow("--paare=4")
            << QStringList{"--paare=4"} << Auftrag::Spielen << "" << 4 << false;
        QTest::newRow("Optionen von Qt")
            << QStringList{"-platform",     "xcb",           "--style",
                           "Fusion",        "-style=Fusion", "-reverse",
                           "-qwindowtitle", "--help",        "-qmljsdebugger=port:1",
                           "a.TXT"}
            << Auftrag::Spielen << "a.TXT" << 9 << false;
        QTest::newRow("nach --") << QStringList{"--", "--vollbild"} << Auftrag::Spielen
                                 << "--vollbild" << 9 << false;
        QTest::newRow("-h") << QStringList{"-h"} << Auftrag::Hilfe << "" << 9 << false;
        QTest::newRow("--help nach Liste") << QStringList{"a.TXT", "--help", "--gibtsnicht"}
                                           << Auftrag::Hilfe << "a.TXT" << 9 << false;
        QTest::newRow("--version")
            << QStringList{"--version"} << Auftrag::Version << "" << 9 << false;
        QTest::newRow("--drucken")
            << QStringList{"--drucken", "a.TXT", "a.pdf"} << Auftrag::Drucken << "" << 9 << false;
    }
    void lesen() {
        QFETCH(QStringList, argumente);
        QFETCH(bool, schalter);
        const Befehlszeile b = befehlszeileLesen(QStringList{"vun-memory"} + argumente);
        QTEST(b.auftrag, "auftrag");
        QTEST(b.liste, "liste");
        QTEST(b.paare, "paare");
        QCOMPARE(b.vollbild && b.vorlesen, schalter);
        QVERIFY(b.fehler.isEmpty());
    }

    // Groups from the command line, both ways of writing the number; none without the switch.
    void gruppen() {
        const auto lesen = [](const QStringList& argumente) {
            return befehlszeileLesen(QStringList{"vun-memory"} + argumente).gruppen;
        };
        QCOMPARE(lesen({"--vollbild", "--gruppen", "3", "a.TXT"}), 3);
        QCOMPARE(lesen({"--gruppen=6"}), 6);
        QCOMPARE(lesen({"--gruppen=2", "--gruppen", "5"}), 5);
        QCOMPARE(lesen({"a.TXT"}), 0);
        QVERIFY(befehlszeileLesen({"vun-memory", "--vollbild", "--gruppenwahl"}).gruppenwahl);
    }

    // A wrong switch ends the reading with one German line naming it.
    void falsch_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("zeile");
        const QString unbekannt = QStringLiteral(
            "vun-memory: unbekannter Schalter „%1“ (alle zeigt „vun-memory --help“).");
        QTest::newRow("--hilfe") << QStringList{"--hilfe", "--help"} << unbekannt.arg("--hilfe");
        QTest::newRow("-x") << QStringList{"a.TXT", "-x"} << unbekannt.arg("-x");
        QTest::newRow("--vollbild=ja")
            << QStringList{"--vollbild=ja"} << unbekannt.arg("--vollbild=ja");
        QTest::newRow("--paare 7") << QStringList{"--paare", "7"}
                                   << "vun-memory: --paare braucht 4, 6, 8 oder 9, nicht „7“.";
        QTest::newRow("--paare=neun")
            << QStringList{"--paare=neun"}
            << "vun-memory: --paare braucht 4, 6, 8 oder 9, nicht „neun“.";
        QTest::newRow("--paare am Ende")
            << QStringList{"--paare"} << "vun-memory: --paare braucht eine Zahl: 4, 6, 8 oder 9.";
        const QString gruppen =
            QStringLiteral("vun-memory: --gruppen braucht eine Zahl von 2 bis 6, nicht „%1“.");
        QTest::newRow("--gruppen 1") << QStringList{"--gruppen", "1"} << gruppen.arg("1");
        QTest::newRow("--gruppen=7") << QStringList{"--gruppen=7"} << gruppen.arg("7");
        QTest::newRow("--gruppen am Ende")
            << QStringList{"a.TXT", "--gruppen"}
            << "vun-memory: --gruppen braucht eine Zahl von 2 bis 6.";
    }
    void falsch() {
        QFETCH(QStringList, argumente);
        const Befehlszeile b = befehlszeileLesen(QStringList{"vun-memory"} + argumente);
        QCOMPARE(b.auftrag, Auftrag::Fehler);
        QTEST(b.fehler, "zeile");
        QVERIFY(!b.fehler.contains(u'\n'));
    }

    // The help names every switch the reading knows.
    void hilfeNenntJedenSchalter() {
        const QString hilfe = hilfetext();
        for (const char* schalter : {"--vollbild", "--vorlesen", "--paare N", "--gruppen N",
                                     "--drucken", "-h, --help", "--version"})
            QVERIFY2(hilfe.contains(QLatin1String(schalter)), schalter);
        QCOMPARE(versionstext("1.2.3"), QStringLiteral("VUN-Memory (vun-memory) 1.2.3\n"));
    }
};

QTEST_GUILESS_MAIN(TstBefehlszeile)
#include "tst_befehlszeile.moc"
