// Sounds that cannot be played: each reason with its line, its name and its German words, their
// lines left out where the rest still makes the list, the list faulty where not, and pictures and
// sounds told together. The sounds' content comes from the scripted reader.
#include "game/fehlergrund.h"
#include "tests/support/klangleser.h"
#include "wordlist/klangeintrag.h"
#include "wordlist/wortdatei.h"

#include <QtTest>
#include <sys/stat.h>

using namespace vun;
using namespace vun::test;

Q_DECLARE_METATYPE(vun::Klangfehler)

class TstKlangfehler : public QObject {
    Q_OBJECT
private slots:
    // A pipe, a link to a device and an empty file never reach the reader; the reader's verdict
    // decides the rest.
    void fehlerhaft_data() {
        QTest::addColumn<QString>("eintrag");
        QTest::addColumn<QString>("vorbereitung");
        QTest::addColumn<Klangfehler>("grund");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("gelesen");
        const QString keinKlang = QStringLiteral(
            "ist keine Tondatei, die das Spiel abspielen kann (leer, unvollständig oder in "
            "einem anderen Format)");
        const QString ausserhalb = QStringLiteral("liegt nicht im Ordner der Liste");
        QTest::newRow("fehlt") << "hund.ogg"
                               << "" << Klangfehler::Fehlt << "ist nicht da" << false;
        QTest::newRow("Ordner") << "hund.ogg"
                                << "ordner" << Klangfehler::Ordner
                                << "ist ein Ordner, keine Tondatei" << false;
        QTest::newRow("leer") << "hund.wav"
                              << "leer" << Klangfehler::KeinKlang << keinKlang << false;
        QTest::newRow("Rohr") << "hund.mp3"
                              << "rohr" << Klangfehler::KeinKlang << keinKlang << false;
        QTest::newRow("Verweis auf /dev/zero")
            << "hund.flac"
            << "null" << Klangfehler::Ausserhalb << ausserhalb << false;
        QTest::newRow(".. hinaus") << "../hund.ogg"
                                   << "" << Klangfehler::Ausserhalb << ausserhalb << false;
        QTest::newRow("über 32 MiB") << "hund.m4a"
                                     << "riesig" << Klangfehler::ZuGross << "ist zu groß" << false;
        QTest::newRow("unlesbar") << "hund.opus"
                                  << "unlesbar" << Klangfehler::KeinKlang << keinKlang << true;
        QTest::newRow("ohne Länge") << "hund.opus"
                                    << "ohne Länge" << Klangfehler::KeinKlang << keinKlang << true;
        QTest::newRow("zehn Stunden")
            << "hund.oga"
            << "zehn Stunden" << Klangfehler::ZuLang << "ist zu lang: 10 Stunden" << true;
        QTest::newRow("61 Sekunden")
            << "hund.oga"
            << "61 Sekunden" << Klangfehler::ZuLang << "ist zu lang: 61 Sekunden" << true;
    }
    void fehlerhaft() {
        QFETCH(QString, eintrag);
        QFETCH(QString, vorbereitung);
        QFETCH(Klangfehler, grund);
        QFETCH(QString, text);
        QFETCH(bool, gelesen);
        Klangordner o;
        const QString ziel = o.ordner.filePath(eintrag);
        if (vorbereitung == "ordner")
            QVERIFY(o.ordner.mkdir(eintrag));
        if (vorbereitung == "leer")
            o.bild(eintrag, {});
        if (vorbereitung == "rohr")
            QVERIFY(::mkfifo(QFile::encodeName(ziel).constData(), 0644) == 0);
        if (vorbereitung == "null")
            QVERIFY(QFile::link("/dev/zero", ziel));
        if (vorbereitung == "riesig") {
            QFile f(ziel);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(MaxKlangdatei + 1));
        }
        const QHash<QString, Klangbefund> befunde{
            {"unlesbar", {false, 800, Klangformat::Opus}},
            {"ohne Länge", {true, -1, Klangformat::Opus}},
            {"zehn Stunden", {true, 36'000'000, Klangformat::OggFlac}},
            {"61 Sekunden", {true, 60'001, Klangformat::OggFlac}},
        };
        if (befunde.contains(vorbereitung)) {
            o.bild(eintrag);
            o.klangleser.befunde.insert(eintrag, befunde.value(vorbereitung));
        }
        const Wortdatei d = o.lesen(QStringList{"Katze = Kater", "Hund + " + eintrag + " = dog"} +
                                    nummeriertePaare(8));
        QCOMPARE(d.fehler, Wortdateifehler::Keiner);
        QCOMPARE(d.eintraege.size(), 9);
        QCOMPARE(d.weggelasseneZeilen, 1);
        QCOMPARE(d.fehlerhafteKlaengeGesamt, 1);
        QCOMPARE(d.fehlerhafteKlaenge.first().nummer, 2);
        QCOMPARE(d.fehlerhafteKlaenge.first().grund, grund);
        QCOMPARE(d.fehlerhafteKlaenge.first().name, eintrag);
        QCOMPARE(o.klangleser.geprueft.size(), int(gelesen));
        QCOMPARE(weglassmeldung("T", d), "T: 1 Zeile mit einer Tondatei, die fehlt oder nicht "
                                         "geht, wird weggelassen.\r");
        const QString grundtext = weglassgrund(d);
        QVERIFY2(grundtext.startsWith(
                     QStringLiteral("Eine Tondatei der Liste lässt sich nicht abspielen:\nZeile 2: "
                                    "„%1“ %2\nTondateien liegen im Ordner der Liste")
                         .arg(eintrag, text)),
                 qPrintable(grundtext));
        QCOMPARE(grundtext.contains("höchstens 32 MiB und spielt höchstens eine Minute"),
                 grund == Klangfehler::ZuGross || grund == Klangfehler::ZuLang);
    }

    // Too little left without them: the list is faulty for its sounds; with a faulty picture
    // beside them, for both, pictures first, and the box names both.
    void listeFehlerhaft() {
        Klangordner o;
        o.bild("katze.ogg");
        Wortdatei d = o.lesen(nummeriert(8, "W%1 = fehlt%1.ogg", 1) +
                              QStringList{"Katze = Katze.OGG", "Maus = katze.ogg"});
        QCOMPARE(d.fehler, Wortdateifehler::FehlerhafteKlaenge);
        QCOMPARE(d.fehlerhafteKlaengeGesamt, 9);
        QCOMPARE(d.fehlerhafteKlaenge.size(), Wortdatei::GemeldeteZeilen);
        QVERIFY2(fehlergrund(d).startsWith("9 Tondateien der Liste lassen sich nicht abspielen:\n"
                                           "Zeile 1: „fehlt0.ogg“ ist nicht da\n"),
                 qPrintable(fehlergrund(d)));
        QVERIFY(fehlergrund(d).contains("\n… und 4 weitere Tondateien.\n"));
        d = o.lesen(QStringList{"Katze = Katze.OGG"} + nummeriertePaare(9));
        QCOMPARE(d.fehlerhafteKlaenge.first().vorschlag, QStringLiteral("katze.ogg"));

        d = o.lesen(nummeriert(8, "W%1 = fehlt%1.png + fehlt%1.ogg", 1) + nummeriertePaare(1));
        QCOMPARE(d.fehler, Wortdateifehler::FehlerhafteBilder);
        QCOMPARE(d.fehlerhafteBilderGesamt, 8);
        QCOMPARE(d.fehlerhafteKlaengeGesamt, 8);
        QVERIFY(fehlergrund(d).startsWith("8 Bilder der Liste lassen sich nicht zeigen:"));
        QVERIFY(fehlergrund(d).contains(".\n8 Tondateien der Liste lassen sich nicht abspielen:"));
        d = o.lesen(QStringList{"Hund = fehlt.png + fehlt.ogg", "Maus = fehlt.wav"} +
                    nummeriertePaare(9));
        QCOMPARE(d.weggelasseneZeilen, 2);
        QCOMPARE(weglassmeldung("T", d), "T: 2 Zeilen mit Bildern oder Tondateien, die fehlen oder "
                                         "nicht gehen, werden weggelassen.\r");
    }
};

QTEST_GUILESS_MAIN(TstKlangfehler)
#include "tst_klangfehler.moc"
