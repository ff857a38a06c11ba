// The cards on paper, with a scripted printer: Ctrl+P's rules, and the command line's exit codes
// and messages.
#include "game/druckbefehl.h"
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
        const test::SkriptBildleser bildleser;
        Memo memo(dialoge, zufall, bildleser, QDir(ordner.path()));
        SkriptDrucker drucker;
        memo.kartenDrucken(drucker);
        QVERIFY(drucker.dokumentnamen.isEmpty());
        QCOMPARE(dialoge.anzahl, 0);
    }

    // Pages as the chosen paper holds them (15 cards on A4), twice with backs; from 31 pages on
    // the teacher is asked first, and No prints nothing.
    void vieleSeitenFragen_data() {
        QTest::addColumn<int>("woerter");
        QTest::addColumn<bool>("rueckseiten");
        QTest::addColumn<int>("antwort"); // 0: not asked
        QTest::newRow("30 Seiten") << 225 << false << 0;
        QTest::newRow("31 Seiten, Nein") << 226 << false << int(AntwortNein);
        QTest::newRow("16 Seiten mit Rückseiten, Ja") << 120 << true << int(AntwortJa);
    }
    void vieleSeitenFragen() {
        QFETCH(int, woerter);
        QFETCH(bool, rueckseiten);
        QFETCH(int, antwort);
        test::Spiel spiel(test::nummerierteWoerter(woerter));
        SkriptDrucker drucker;
        drucker.wahl->rueckseiten = rueckseiten;
        spiel.dialoge.antworten = {MsgBoxAntwort(antwort)};
        spiel.memo.kartenDrucken(drucker);
        QCOMPARE(spiel.dialoge.anzahl, antwort ? 1 : 0);
        if (antwort)
            QCOMPARE(spiel.dialoge.gezeigt.first().prompt, nachfragetext(rueckseiten ? 32 : 31));
        QCOMPARE(drucker.gedruckt.size(), antwort == AntwortNein ? 0 : 1);
        if (!drucker.gedruckt.isEmpty())
            QCOMPARE(drucker.gedruckt.first().rueckseiten, rueckseiten);
    }

    // Named after the list, a file of it offered beside it; a failed print is told, a cancelled
    // dialog prints nothing.
    void druckenUndAbbrechen() {
        test::Spiel spiel;
        SkriptDrucker drucker;
        drucker.gelingt = false;
        spiel.memo.kartenDrucken(drucker);
        QCOMPARE(drucker.dokumentnamen, QStringList("VUNMEMO"));
        QCOMPARE(drucker.dateien, QStringList(spiel.ordner.filePath("VUNMEMO.pdf")));
        QCOMPARE(drucker.gedruckt.first().karten,
                 test::texte(druckkarten(test::wortliste(test::Spiel::standardWoerter())).inhalte));
        QCOMPARE(spiel.dialoge.gezeigt.size(), 1);
        QCOMPARE(spiel.dialoge.gezeigt.first().prompt,
                 QStringLiteral("Die Karten konnten nicht gedruckt werden."));
        drucker.wahl.reset();
        spiel.memo.kartenDrucken(drucker);
        QCOMPARE(drucker.gedruckt.size(), 1);
        QCOMPARE(spiel.dialoge.gezeigt.size(), 1);
    }

    // Refused: the exit code and one German message, titled with the program's name but for the
    // usage line; nothing is left behind.
    void befehlAbgelehnt_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<bool>("maltGut");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("ohne Ausgabe")
            << QStringList{"--drucken", "LISTE.TXT"} << true << 2
            << QStringLiteral("Aufruf: vun-memory --drucken LISTE.TXT AUSGABE.pdf");
        QTest::newRow("Datei statt Ordner")
            << QStringList{"--drucken", "LISTE.TXT", "KURZ.TXT/x.pdf"} << true << 1
            << QStringLiteral("„KURZ.TXT/x.pdf“ lässt sich nicht schreiben: Der Ordner fehlt.");
        QTest::newRow("ein Ordner")
            << QStringList{"--drucken", "LISTE.TXT", "ORDNER"} << true << 1
            << QStringLiteral("„ORDNER“ lässt sich nicht schreiben: Das ist ein Ordner.");
        QTest::newRow("nicht gemalt")
            << QStringList{"--drucken", "LISTE.TXT", "x.pdf"} << false << 1
            << QStringLiteral("„x.pdf“ lässt sich nicht schreiben: Die "
                              "Datei ließ sich nicht fertig schreiben.");
    }
    void befehlAbgelehnt() {
        QFETCH(QStringList, argumente);
        QFETCH(bool, maltGut);
        QFETCH(int, code);
        QFETCH(QString, meldung);
        QTemporaryDir ordner;
        QDir dort(ordner.path());
        QVERIFY(test::wortlisteSchreiben(dort.filePath("LISTE.TXT"), test::nummerierteWoerter(9)));
        QVERIFY(test::wortlisteSchreiben(dort.filePath("KURZ.TXT"), {"eins"}));
        QVERIFY(dort.mkdir("ORDNER"));
        test::SkriptDialoge dialoge;
        SkriptDrucker drucker;
        drucker.gelingt = maltGut;
        // The teacher's script runs in the folder and names the files relative to it.
        const QString gestartetIn = QDir::currentPath();
        QVERIFY(QDir::setCurrent(ordner.path()));
        const int ergebnis = druckbefehl(QStringList{"vun-memory"} + argumente, drucker, dialoge,
                                         test::SkriptBildleser());
        QDir::setCurrent(gestartetIn);
        QCOMPARE(ergebnis, code);
        QCOMPARE(dialoge.gezeigt.size(), 1);
        QCOMPARE(dialoge.gezeigt.first().prompt, meldung);
        QCOMPARE(dialoge.gezeigt.first().titel, code == 2 ? QString() : "vun-memory");
        QCOMPARE(dort.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).size(), 3);
    }

    // The heading above a list's pairs and the choice of the marks go to the printer.
    void ueberschriftUndSeiten() {
        test::Spiel spiel(QStringList{"Einmaleins mit 6"} + test::nummeriertePaare(9));
        SkriptDrucker drucker;
        drucker.wahl->seitenzeichen = false;
        spiel.memo.kartenDrucken(drucker);
        QCOMPARE(drucker.gedruckt.first().ueberschrift, QStringLiteral("Einmaleins mit 6"));
        QCOMPARE(drucker.gedruckt.first().seiten.first(), Kartenseite::Links);
        QVERIFY(!drucker.gedruckt.first().seitenzeichen);
    }

    // Written, the file holds what the printer painted: the list's cards, titled after it.
    void befehlSchreibt() {
        QTemporaryDir ordner;
        const QString liste = ordner.filePath("TIERE.TXT");
        QVERIFY(test::wortlisteSchreiben(liste, test::nummerierteWoerter(9)));
        test::SkriptDialoge dialoge;
        SkriptDrucker drucker;
        const QString pdf = ordner.filePath("tiere.pdf");
        QCOMPARE(druckbefehl({"vun-memory", "--drucken", liste, pdf}, drucker, dialoge,
                             test::SkriptBildleser()),
                 0);
        QCOMPARE(dialoge.anzahl, 0);
        QCOMPARE(drucker.gedruckt.first().titel, QStringLiteral("TIERE"));
        QFile datei(pdf);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        QCOMPARE(datei.readAll(), QByteArray(SkriptDrucker::PdfInhalt));
    }
};

QTEST_MAIN(TstKartendruck)
#include "tst_kartendruck.moc"
