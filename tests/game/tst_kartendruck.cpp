// The cards on paper, with a scripted printer: Ctrl+P's rules, and the command line's exit codes
// and messages.
#include "game/druckbefehl.h"
#include "game/druckbogen.h"

#include "tests/support/spiel.h"

#include <QtTest>

using namespace vun;
using test::SkriptDrucker;

namespace {

const QString Aufruf = QStringLiteral("Aufruf: vun-memory --drucken LISTE.TXT AUSGABE.pdf");

QStringList eintraege(const QDir& ordner) {
    QStringList namen = ordner.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    namen.sort();
    return namen;
}

} // namespace

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

    // Every refusal of the command line: its exit code and its one German message, titled with
    // the program's name except for the usage line; no file is left behind.
    void befehlAbgelehnt_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<bool>("maltGut");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QString>("details");
        const QString nichtSchreiben = QStringLiteral("„%1“ lässt sich nicht schreiben: %2");
        QTest::newRow("ohne Ausgabe")
            << QStringList{"--drucken", "LISTE.TXT"} << true << 2 << Aufruf << QString();
        QTest::newRow("ohne --drucken")
            << QStringList{"LISTE.TXT", "--drucken", "x.pdf"} << true << 2 << Aufruf << QString();
        QTest::newRow("Liste zu kurz")
            << QStringList{"--drucken", "KURZ.TXT", "x.pdf"} << true << 1
            << "Die Wortliste „KURZ.TXT“ lässt sich nicht drucken."
            << "Die Liste hat nur 2 Einträge. Gebraucht werden mindestens neun verschiedene "
               "Wörter, eines in jeder Zeile.";
        QTest::newRow("die Liste selbst")
            << QStringList{"--drucken", "LISTE.TXT", "./LISTE.TXT"} << true << 1
            << "„./LISTE.TXT“ ist die Wortliste selbst; die Karten brauchen eine eigene Datei."
            << QString();
        QTest::newRow("Ordner fehlt")
            << QStringList{"--drucken", "LISTE.TXT", "fehlt/x.pdf"} << true << 1
            << nichtSchreiben.arg("fehlt/x.pdf", "Der Ordner fehlt.") << QString();
        QTest::newRow("Datei statt Ordner")
            << QStringList{"--drucken", "LISTE.TXT", "KURZ.TXT/x.pdf"} << true << 1
            << nichtSchreiben.arg("KURZ.TXT/x.pdf", "Der Ordner fehlt.") << QString();
        QTest::newRow("ein Ordner")
            << QStringList{"--drucken", "LISTE.TXT", "ORDNER"} << true << 1
            << nichtSchreiben.arg("ORDNER", "Das ist ein Ordner.") << QString();
        QTest::newRow("nicht gemalt")
            << QStringList{"--drucken", "LISTE.TXT", "x.pdf"} << false << 1
            << nichtSchreiben.arg("x.pdf", "Die Datei ließ sich nicht fertig schreiben.")
            << QString();
    }
    void befehlAbgelehnt() {
        QFETCH(QStringList, argumente);
        QFETCH(bool, maltGut);
        QFETCH(int, code);
        QFETCH(QString, meldung);
        QFETCH(QString, details);
        QTemporaryDir ordner;
        QVERIFY(
            test::wortlisteSchreiben(ordner.filePath("LISTE.TXT"), test::nummerierteWoerter(9)));
        QVERIFY(test::wortlisteSchreiben(ordner.filePath("KURZ.TXT"), {"eins", "zwei"}));
        QVERIFY(QDir(ordner.path()).mkdir("ORDNER"));
        const QStringList vorher = eintraege(QDir(ordner.path()));
        // The teacher's script runs in the folder and names the files relative to it.
        const QString gestartetIn = QDir::currentPath();
        QVERIFY(QDir::setCurrent(ordner.path()));
        test::SkriptDialoge dialoge;
        SkriptDrucker drucker;
        drucker.gelingt = maltGut;
        const int ergebnis = druckbefehl(QStringList{"vun-memory"} + argumente, drucker, dialoge);
        QDir::setCurrent(gestartetIn);
        QCOMPARE(ergebnis, code);
        QCOMPARE(dialoge.anzahl, 1);
        const test::Gezeigt& g = dialoge.gezeigt.first();
        QCOMPARE(g.prompt, meldung);
        QCOMPARE(g.details, details);
        QCOMPARE(g.titel, code == 2 ? QString() : QStringLiteral("vun-memory"));
        QCOMPARE(eintraege(QDir(ordner.path())), vorher);
    }

    // Written, the file holds what the printer painted: the list's cards, titled after it.
    void befehlSchreibt() {
        QTemporaryDir ordner;
        const QString liste = ordner.filePath("TIERE.TXT");
        const QString pdf = ordner.filePath("tiere.pdf");
        QVERIFY(test::wortlisteSchreiben(liste, test::nummerierteWoerter(9)));
        test::SkriptDialoge dialoge;
        SkriptDrucker drucker;
        QCOMPARE(druckbefehl({"vun-memory", "--drucken", liste, pdf}, drucker, dialoge), 0);
        QCOMPARE(dialoge.anzahl, 0);
        QCOMPARE(drucker.gedruckt.size(), 1);
        QCOMPARE(drucker.gedruckt.first().titel, QStringLiteral("TIERE"));
        QCOMPARE(drucker.gedruckt.first().karten.size(), 18);
        QFile datei(pdf);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        QCOMPARE(datei.readAll(), QByteArray(SkriptDrucker::PdfInhalt));
    }

    void druckbefehlErkannt() {
        char programm[] = "vun-memory";
        char qtOption[] = "-platform";
        char qtWert[] = "offscreen";
        char drucken[] = "--drucken";
        char* mitQtOption[] = {programm, qtOption, qtWert, drucken};
        char* ohne[] = {programm, qtWert};
        QVERIFY(istDruckbefehl(4, mitQtOption));
        QVERIFY(!istDruckbefehl(2, ohne));
    }
};

QTEST_MAIN(TstKartendruck)
#include "tst_kartendruck.moc"
