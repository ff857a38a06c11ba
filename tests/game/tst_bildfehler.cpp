// Pictures that make a list faulty: each reason with its line, its name and its German words,
// and the first few named of many. The pictures' content comes from the scripted reader.
#include "tests/support/spiel.h"

#include "game/fehlergrund.h"
#include "wordlist/bildeintrag.h"
#include "wordlist/wortdatei.h"

#include <QFile>
#include <sys/stat.h>

using namespace vun;
using namespace vun::test;

Q_DECLARE_METATYPE(vun::Bildfehler)

class TstBildfehler : public QObject {
    Q_OBJECT
private slots:
    // Each reason a picture cannot be shown, with its line, its name as written and its German
    // words; what lies outside the folder, a pipe and a device are never handed to the reader.
    void fehlerhaft_data() {
        QTest::addColumn<QString>("eintrag");
        QTest::addColumn<QString>("vorbereitung");
        QTest::addColumn<Bildfehler>("grund");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("gelesen");
        const QString ausserhalb = QStringLiteral("liegt nicht im Ordner der Liste");
        const QString keinBild = QStringLiteral(
            "ist kein Bild, das das Spiel lesen kann (leer, unvollständig oder in einem anderen "
            "Format)");
        QTest::newRow("fehlt") << "hund.jpg"
                               << "" << Bildfehler::Fehlt << "ist nicht da" << false;
        QTest::newRow("Ordner darüber fehlt") << "fehlt/hund.jpg"
                                              << "" << Bildfehler::Fehlt << "ist nicht da" << false;
        QTest::newRow("Name länger als jeder Dateiname")
            << QString(300, u'ä') + ".png"
            << "" << Bildfehler::Fehlt << "ist nicht da" << false;
        QTest::newRow("Ordner") << "hund.jpg"
                                << "ordner" << Bildfehler::Ordner << "ist ein Ordner, kein Bild"
                                << false;
        QTest::newRow("leer") << "hund.jpg"
                              << "leer" << Bildfehler::KeinBild << keinBild << false;
        QTest::newRow("unlesbar") << "hund.jpg"
                                  << "unlesbar" << Bildfehler::KeinBild << keinBild << true;
        QTest::newRow("Rohr") << "hund.png"
                              << "rohr" << Bildfehler::KeinBild << keinBild << false;
        QTest::newRow("über 32 MiB") << "hund.png"
                                     << "riesig" << Bildfehler::ZuGross << "ist zu groß" << false;
        QTest::newRow("Seite über 12 000")
            << "hund.png"
            << "breit" << Bildfehler::ZuGross << "ist zu groß" << true;
        QTest::newRow("über 50 Millionen Bildpunkte")
            << "hund.png"
            << "viele" << Bildfehler::ZuGross << "ist zu groß" << true;
        QTest::newRow("absolut") << "@/hund.jpg"
                                 << "bild" << Bildfehler::Ausserhalb << ausserhalb << false;
        QTest::newRow("Windows-Laufwerk") << "C:\\bilder\\hund.jpg"
                                          << "" << Bildfehler::Ausserhalb << ausserhalb << false;
        QTest::newRow("Netzpfad") << "\\\\server\\hund.jpg"
                                  << "" << Bildfehler::Ausserhalb << ausserhalb << false;
        QTest::newRow(".. hinaus") << "../hund.jpg"
                                   << "draussen" << Bildfehler::Ausserhalb << ausserhalb << false;
        QTest::newRow(".. über einen Ordner hinaus")
            << "bilder/../../hund.jpg"
            << "draussen" << Bildfehler::Ausserhalb << ausserhalb << false;
        QTest::newRow("Verweis nach draußen")
            << "hund.jpg"
            << "verweis" << Bildfehler::Ausserhalb << ausserhalb << false;
        QTest::newRow("Verweis auf /dev/zero")
            << "hund.png"
            << "null" << Bildfehler::Ausserhalb << ausserhalb << false;
        QTest::newRow("Verweis ins Leere")
            << "hund.png"
            << "kaputt" << Bildfehler::Fehlt << "ist nicht da" << false;
    }
    void fehlerhaft() {
        QFETCH(QString, eintrag);
        QFETCH(QString, vorbereitung);
        QFETCH(Bildfehler, grund);
        QFETCH(QString, text);
        QFETCH(bool, gelesen);
        QTemporaryDir tmp;
        QDir ordner(tmp.path());
        // The list lies a folder below, so that ".." leads to a real file beside it.
        QVERIFY(ordner.mkdir("liste"));
        QVERIFY(ordner.cd("liste"));
        const QString ziel = ordner.filePath(eintrag.contains('/') ? "bilder/hund.png" : eintrag);
        SkriptBildleser leser;
        const auto bild = [&](const QString& pfad, const QByteArray& bytes = "bild") {
            QVERIFY(QDir().mkpath(QFileInfo(pfad).path()));
            QVERIFY(dateiSchreiben(pfad, bytes));
        };
        if (vorbereitung == "bild")
            bild(ordner.filePath("hund.jpg"));
        if (vorbereitung == "ordner")
            QVERIFY(ordner.mkdir(eintrag));
        if (vorbereitung == "leer")
            bild(ziel, {});
        if (vorbereitung == "unlesbar") {
            bild(ziel);
            leser.befunde.insert(eintrag, Bildbefund{false, {}});
        }
        if (vorbereitung == "rohr")
            QVERIFY(::mkfifo(QFile::encodeName(ziel).constData(), 0644) == 0);
        if (vorbereitung == "riesig") {
            QFile f(ziel);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(MaxBilddatei + 1));
        }
        if (vorbereitung == "breit" || vorbereitung == "viele") {
            bild(ziel);
            leser.befunde.insert(
                eintrag,
                Bildbefund{true, vorbereitung == "breit" ? QSize(12001, 10) : QSize(8000, 6251)});
        }
        if (vorbereitung == "draussen") {
            bild(QDir(tmp.path()).filePath("hund.jpg"));
            bild(ordner.filePath("bilder/x.png"));
        }
        if (vorbereitung == "verweis") {
            bild(QDir(tmp.path()).filePath("draussen.jpg"));
            QVERIFY(QFile::link(QDir(tmp.path()).filePath("draussen.jpg"), ziel));
        }
        if (vorbereitung == "null")
            QVERIFY(QFile::link("/dev/zero", ziel));
        if (vorbereitung == "kaputt")
            QVERIFY(QFile::link(ordner.filePath("nirgends.png"), ziel));
        eintrag.replace("@", ordner.absolutePath());

        const QStringList zeilen =
            QStringList{"Katze = Kater", "Hund = " + eintrag} + nummeriertePaare(8);
        QVERIFY(wortlisteSchreiben(ordner.filePath("LISTE.TXT"), zeilen));
        const Wortdatei d = wortdateiLesen(ordner.filePath("LISTE.TXT"), leser);
        QCOMPARE(d.fehler, Wortdateifehler::FehlerhafteBilder);
        QVERIFY(d.eintraege.isEmpty());
        QCOMPARE(d.fehlerhafteBilderGesamt, 1);
        QCOMPARE(d.fehlerhafteBilder, (QList<FehlerhaftesBild>{{2, grund, eintrag}}));
        QCOMPARE(leser.geprueft.size(), int(gelesen));
        const QString grundtext = fehlergrund(d);
        QVERIFY2(grundtext.startsWith(QStringLiteral("Ein Bild der Liste lässt sich nicht zeigen:"
                                                     "\nZeile 2: „%1“ %2\n")
                                          .arg(eintrag, text)),
                 qPrintable(grundtext));
        QCOMPARE(grundtext.contains("32 MiB"), grund == Bildfehler::ZuGross);
    }

    // As for pair lines, the first five are named and the rest counted; a list whose lines are
    // no list is told so without its pictures being looked for; the built-in reader takes none.
    void vieleFehlerhaft() {
        Bildordner o;
        Wortdatei d = o.lesen(nummeriert(12, "W%1 = fehlt%1.png", 2));
        QCOMPARE(d.fehlerhafteBilderGesamt, 12);
        QCOMPARE(d.fehlerhafteBilder.size(), Wortdatei::GemeldeteZeilen);
        QCOMPARE(d.fehlerhafteBilder.last(),
                 (FehlerhaftesBild{5, Bildfehler::Fehlt, "fehlt04.png"}));
        QVERIFY(
            fehlergrund(d).startsWith("12 Bilder der Liste lassen sich nicht zeigen:\nZeile 1: "));
        QVERIFY(fehlergrund(d).contains("\n… und 7 weitere Bilder.\nBilder liegen im Ordner der "
                                        "Liste oder in einem Ordner darunter, als PNG, JPEG, GIF, "
                                        "BMP, WebP oder SVG."));
        d = o.lesen(nummeriert(12, "W%1 = fehlt%1.png", 2) + QStringList{"kaputt"});
        QCOMPARE(d.fehler, Wortdateifehler::KeinePaarzeilen);
        QVERIFY(d.fehlerhafteBilder.isEmpty());
        o.bild("a.png");
        QVERIFY(o.lesen(nummerierteWoerter(8) + QStringList{"a.png"}).fehler ==
                Wortdateifehler::Keiner);
        QCOMPARE(wortdateiLesen(o.ordner.filePath("LISTE.TXT")).fehlerhafteBilder,
                 (QList<FehlerhaftesBild>{{9, Bildfehler::KeinBild, "a.png"}}));
        // Among words a pair line is one entry: a picture by its whole name, not a word with a
        // path inside.
        d = o.lesen(nummerierteWoerter(9) + QStringList{"Hund = a.png"});
        QCOMPARE(d.fehlerhafteBilder,
                 (QList<FehlerhaftesBild>{{10, Bildfehler::Fehlt, "Hund = a.png"}}));
    }
};

QTEST_GUILESS_MAIN(TstBildfehler)
#include "tst_bildfehler.moc"
