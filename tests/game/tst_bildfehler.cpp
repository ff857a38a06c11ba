// Pictures that cannot be shown: each reason with its line, its name and its German words, the
// first few named of many, their lines left out where the rest still makes the list, the list
// faulty where not. The pictures' content comes from the scripted reader.
#include "tests/support/spiel.h"

#include "game/fehlergrund.h"
#include "tests/support/inhalte.h"
#include "wordlist/bildeintrag.h"
#include "wordlist/wortdatei.h"

#include <QFile>
#include <sys/stat.h>

using namespace vun;
using namespace vun::test;

Q_DECLARE_METATYPE(vun::Bildfehler)
Q_DECLARE_METATYPE(vun::Fotoformat)

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
        // Nine pairs are left without it: the list is played without its line.
        const Wortdatei d = wortdateiLesen(ordner.filePath("LISTE.TXT"), leser);
        QCOMPARE(d.fehler, Wortdateifehler::Keiner);
        QCOMPARE(d.eintraege.size(), 9);
        QCOMPARE(d.weggelasseneZeilen, 1);
        QCOMPARE(d.fehlerhafteBilderGesamt, 1);
        QCOMPARE(d.fehlerhafteBilder, (QList<FehlerhaftesBild>{{2, grund, eintrag}}));
        QCOMPARE(leser.geprueft.size(), int(gelesen));
        const QString grundtext = weglassgrund(d);
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
                                        "BMP, WebP, SVG, HEIC, AVIF, JPEG XL oder TIFF."));
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

    // Counted by lines, a line with two such pictures once; the rest judged as any list is. Where
    // too little is left, or the rest would be another kind of list, the list is faulty.
    void zeilenWeglassen() {
        Bildordner o;
        const QStringList tiere = nummeriert(12, "Tier%1 = tier%1.jpg", 2);
        for (const QString& bild : nummeriert(12, "tier%1.jpg", 2))
            o.bild(bild);
        Wortdatei d = o.lesen(tiere + QStringList{"Katze = katz.jpg"});
        QCOMPARE(d.fehler, Wortdateifehler::Keiner);
        QCOMPARE(d.art, Listenart::Paare);
        QCOMPARE(d.eintraege.size(), 12);
        QCOMPARE(d.fehlerhafteBilder,
                 (QList<FehlerhaftesBild>{{13, Bildfehler::Fehlt, "katz.jpg"}}));
        QCOMPARE(weglassmeldung("TIERE.TXT", d),
                 "TIERE.TXT: 1 Zeile mit einem Bild, das fehlt oder nicht geht, wird "
                 "weggelassen.\r");
        d = o.lesen(tiere + QStringList{"fehlt1.png = fehlt2.png", "Maus = fehlt3.png"});
        QCOMPARE(d.eintraege.size(), 12);
        QCOMPARE(d.fehlerhafteBilderGesamt, 3);
        QCOMPARE(weglassmeldung("T", d),
                 "T: 2 Zeilen mit Bildern, die fehlen oder nicht gehen, werden weggelassen.\r");
        d = o.lesen(nummerierteWoerter(9) + QStringList{"fehlt.png", "tier00.jpg"});
        QCOMPARE(d.art, Listenart::Woerter);
        QCOMPARE(texte(d).size(), 10);
        QCOMPARE(d.weggelasseneZeilen, 1);

        d = o.lesen(tiere.first(8) + QStringList{"Katze = katz.jpg"});
        QCOMPARE(d.fehler, Wortdateifehler::FehlerhafteBilder);
        QVERIFY(d.eintraege.isEmpty());
        QCOMPARE(d.fehlerhafteBilder.size(), 1);
        // Nine pair lines among nine missing pictures are a list of words, not of pairs.
        d = o.lesen(nummeriertePaare(9) + nummeriert(9, "fehlt%1.png"));
        QCOMPARE(d.fehler, Wortdateifehler::FehlerhafteBilder);
        QCOMPARE(d.fehlerhafteBilderGesamt, 9);
    }

    // A name that differs from a file's only in letter case names that file, as written.
    void schreibweise() {
        Bildordner o;
        o.bild("katze.jpg");
        o.bild("bilder/hund.png");
        const Wortdatei d =
            o.lesen(QStringList{"Katze = Katze.jpg", "Hund = bilder\\Hund.PNG", "Maus = maus.jpg"} +
                    nummeriertePaare(9));
        QCOMPARE(d.weggelasseneZeilen, 3);
        QCOMPARE(d.fehlerhafteBilder.at(0).vorschlag, QStringLiteral("katze.jpg"));
        QCOMPARE(d.fehlerhafteBilder.at(1).vorschlag, QStringLiteral("bilder\\hund.png"));
        QCOMPARE(d.fehlerhafteBilder.at(2).vorschlag, QString());
        QVERIFY2(weglassgrund(d).startsWith(
                     "3 Bilder der Liste lassen sich nicht zeigen:\nZeile 1: „Katze.jpg“ ist nicht "
                     "da – gemeint ist vielleicht „katze.jpg“?\n"),
                 qPrintable(weglassgrund(d)));
    }

    // A phone's and a camera's photos are pictures by their ending, never words: shown where a
    // reader takes them, else left out with what to do.
    void fotoformate_data() {
        QTest::addColumn<QString>("endung");
        QTest::addColumn<Fotoformat>("format");
        QTest::addColumn<QString>("text");
        const QString kde = QStringLiteral(" kann das Spiel hier nicht zeigen: bitte als JPEG "
                                           "speichern oder das Paket „kimageformat6-plugins“ "
                                           "installieren.");
        QTest::newRow("heic") << "heic" << Fotoformat::Heic << "HEIC-Fotos" + kde;
        QTest::newRow("HEIF") << "HEIF" << Fotoformat::Heic << "HEIC-Fotos" + kde;
        QTest::newRow("avif") << "avif" << Fotoformat::Avif << "AVIF-Fotos" + kde;
        QTest::newRow("jxl") << "jxl" << Fotoformat::Jxl << "JPEG-XL-Fotos" + kde;
        const QString tiff =
            QStringLiteral("TIFF-Bilder kann das Spiel hier nicht zeigen: bitte als "
                           "JPEG speichern oder das Paket "
                           "„qt6-image-formats-plugins“ installieren.");
        QTest::newRow("tif") << "tif" << Fotoformat::Tiff << tiff;
        QTest::newRow("tiff") << "tiff" << Fotoformat::Tiff << tiff;
    }
    void fotoformate() {
        QFETCH(QString, endung);
        QFETCH(Fotoformat, format);
        QFETCH(QString, text);
        Bildordner o;
        const QString name = "foto." + endung;
        o.bild(name);
        const QStringList zeilen = QStringList{"Katze = " + name} + nummeriertePaare(9);
        Wortdatei d = o.lesen(zeilen);
        QCOMPARE(d.weggelasseneZeilen, 0);
        QCOMPARE(d.eintraege.first().rechts, Karteninhalt::alsBild(o.pfad(name)));
        o.leser.befunde.insert(name, Bildbefund{false, {}, false, format});
        d = o.lesen(zeilen);
        QCOMPARE(d.weggelasseneZeilen, 1);
        QCOMPARE(d.fehlerhafteBilder.first().grund, Bildfehler::OhneLeser);
        QVERIFY2(weglassgrund(d).contains("\nZeile 1: „" + name + "“: " + text + "\n"),
                 qPrintable(weglassgrund(d)));
        // Among words too the name is a picture's.
        QVERIFY(inhaltLesen(name, o.ordner.absolutePath()).istBild());
    }
};

QTEST_GUILESS_MAIN(TstBildfehler)
#include "tst_bildfehler.moc"
