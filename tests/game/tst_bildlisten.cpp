// Lists with pictures: which entries name pictures, which pictures make a list faulty and how
// that is told, one file under two names, and deals in which every picture finds its partner.
// The pictures' content comes from the scripted reader; the Qt one has tests of its own.
#include "tests/support/spiel.h"

#include "game/druckbefehl.h"
#include "game/fehlergrund.h"
#include "wordlist/bildeintrag.h"
#include "wordlist/paarliste.h"
#include "wordlist/wortdatei.h"

#include <QFile>
#include <sys/stat.h>

using namespace vun;
using namespace vun::test;

Q_DECLARE_METATYPE(vun::Bildfehler)

namespace {

// A folder with a list and the files it names (any bytes: the scripted reader takes them).
struct Bildordner {
    QTemporaryDir tmp;
    QDir ordner{tmp.path()};
    SkriptBildleser leser;

    void bild(const QString& name, const QByteArray& bytes = "bild") {
        QVERIFY(ordner.mkpath(QFileInfo(ordner.filePath(name)).path()));
        QVERIFY(dateiSchreiben(ordner.filePath(name), bytes));
    }
    Wortdatei lesen(const QStringList& zeilen) {
        const QString liste = ordner.filePath(QStringLiteral("LISTE.TXT"));
        if (!wortlisteSchreiben(liste, zeilen))
            return {};
        return wortdateiLesen(liste, leser);
    }
    QString pfad(const QString& name) const { return QDir::cleanPath(ordner.filePath(name)); }
};

QStringList woerter(int n) {
    return nummerierteWoerter(n);
}

} // namespace

class TstBildlisten : public QObject {
    Q_OBJECT
private slots:
    // Every ending in any letter case, in the folder and below it, alone, beside a word and
    // beside a picture; an entry names its file's absolute, cleaned path afterwards.
    void erkannt_data() {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QStringList>("bilder");
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("ein");      // an entry as read
        QTest::addColumn<QString>("erwartet"); // that entry, "@" standing for the folder
        const QStringList endungen{"png", "jpg", "jpeg", "gif", "bmp", "webp", "svg",
                                   "PNG", "Jpg", "SvG"};
        QStringList liste, bilder;
        for (int i = 0; i < endungen.size(); ++i) {
            liste << QStringLiteral("bild%1.%2").arg(i).arg(endungen.at(i));
            bilder << liste.last();
        }
        QTest::newRow("jede Endung") << liste << bilder << int(Listenart::Woerter)
                                     << "bild7.PNG" << "@/bild7.PNG";
        QTest::newRow("Wort und Bild, im Ordner darunter")
            << (nummeriert(8, "W%1 = bilder/b%1.jpg") + QStringList{"Hund = bilder/tiere/hund.jpg"})
            << (nummeriert(8, "bilder/b%1.jpg") + QStringList{"bilder/tiere/hund.jpg"})
            << int(Listenart::Paare) << "Hund = bilder/tiere/hund.jpg"
            << "Hund = @/bilder/tiere/hund.jpg";
        QTest::newRow("Bild und Bild")
            << nummeriert(9, "foto%1.jpg = zeichnung%1.svg")
            << (nummeriert(9, "foto%1.jpg") + nummeriert(9, "zeichnung%1.svg"))
            << int(Listenart::Paare) << "foto00003.jpg = zeichnung00003.svg"
            << "@/foto00003.jpg = @/zeichnung00003.svg";
        QTest::newRow("Wörter und Bilder gemischt")
            << (woerter(5) + QStringList{"a.png", "./b.gif", "c/../c.bmp", "d\\e.webp"})
            << QStringList{"a.png", "b.gif", "c.bmp", "d/e.webp"} << int(Listenart::Woerter)
            << "d\\e.webp" << "@/d/e.webp";
        QTest::newRow("Endung allein ist kein Bild, Wörter bleiben")
            << (woerter(7) + QStringList{".png", "Hund.jpg.txt"}) << QStringList{}
            << int(Listenart::Woerter) << ".png" << ".png";
    }
    void erkannt() {
        QFETCH(QStringList, zeilen);
        QFETCH(QStringList, bilder);
        QFETCH(int, art);
        QFETCH(QString, ein);
        QFETCH(QString, erwartet);
        Bildordner o;
        for (const QString& b : bilder)
            o.bild(b);
        const Wortdatei d = o.lesen(zeilen);
        QCOMPARE(d.fehler, Wortdateifehler::Keiner);
        QCOMPARE(int(d.art), art);
        QCOMPARE(o.leser.geprueft.size(), bilder.size());
        const QString pfad = erwartet.replace("@", QDir::cleanPath(o.ordner.absolutePath()));
        QVERIFY2(d.eintraege.contains(pfad), qPrintable(d.eintraege.join(" | ")));
        Q_UNUSED(ein);
        // Views tell a picture by its ending alone.
        for (const QString& e : d.eintraege)
            for (const QStringView stelle : bildstellen(e))
                QVERIFY2(QFileInfo(stelle.toString()).isAbsolute() &&
                             QFileInfo::exists(stelle.toString()),
                         qPrintable(e));
    }

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
        QTest::newRow("fehlt") << "hund.jpg" << "" << Bildfehler::Fehlt << "ist nicht da" << false;
        QTest::newRow("Ordner darüber fehlt")
            << "fehlt/hund.jpg" << "" << Bildfehler::Fehlt << "ist nicht da" << false;
        QTest::newRow("Ordner") << "hund.jpg" << "ordner" << Bildfehler::Ordner
                                << "ist ein Ordner, kein Bild" << false;
        QTest::newRow("leer") << "hund.jpg" << "leer" << Bildfehler::KeinBild << keinBild << false;
        QTest::newRow("unlesbar") << "hund.jpg" << "unlesbar" << Bildfehler::KeinBild << keinBild
                                  << true;
        QTest::newRow("Rohr") << "hund.png" << "rohr" << Bildfehler::KeinBild << keinBild << false;
        QTest::newRow("über 32 MiB") << "hund.png" << "riesig" << Bildfehler::ZuGross
                                     << "ist zu groß" << false;
        QTest::newRow("Seite über 12 000")
            << "hund.png" << "breit" << Bildfehler::ZuGross << "ist zu groß" << true;
        QTest::newRow("über 50 Millionen Bildpunkte")
            << "hund.png" << "viele" << Bildfehler::ZuGross << "ist zu groß" << true;
        QTest::newRow("absolut") << "@/hund.jpg" << "bild" << Bildfehler::Ausserhalb << ausserhalb
                                 << false;
        QTest::newRow("Windows-Laufwerk") << "C:\\bilder\\hund.jpg" << "" << Bildfehler::Ausserhalb
                                          << ausserhalb << false;
        QTest::newRow("Netzpfad") << "\\\\server\\hund.jpg" << "" << Bildfehler::Ausserhalb
                                  << ausserhalb << false;
        QTest::newRow(".. hinaus") << "../hund.jpg" << "draussen" << Bildfehler::Ausserhalb
                                   << ausserhalb << false;
        QTest::newRow(".. über einen Ordner hinaus")
            << "bilder/../../hund.jpg" << "draussen" << Bildfehler::Ausserhalb << ausserhalb
            << false;
        QTest::newRow("Verweis nach draußen") << "hund.jpg" << "verweis" << Bildfehler::Ausserhalb
                                              << ausserhalb << false;
        QTest::newRow("Verweis auf /dev/zero")
            << "hund.png" << "null" << Bildfehler::Ausserhalb << ausserhalb << false;
        QTest::newRow("Verweis ins Leere")
            << "hund.png" << "kaputt" << Bildfehler::Fehlt << "ist nicht da" << false;
        QTest::newRow("= im Ordnernamen")
            << "hund.png" << "gleich" << Bildfehler::Gleichheitszeichen
            << "liegt in einem Ordner mit „=“ im Namen" << false;
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
        QVERIFY(ordner.mkdir(vorbereitung == "gleich" ? "a=b" : "liste"));
        QVERIFY(ordner.cd(vorbereitung == "gleich" ? "a=b" : "liste"));
        const QString ziel = ordner.filePath(eintrag.contains('/') ? "bilder/hund.png" : eintrag);
        SkriptBildleser leser;
        const auto bild = [&](const QString& pfad, const QByteArray& bytes = "bild") {
            QVERIFY(QDir().mkpath(QFileInfo(pfad).path()));
            QVERIFY(dateiSchreiben(pfad, bytes));
        };
        if (vorbereitung == "bild" || vorbereitung == "gleich")
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
            leser.befunde.insert(eintrag, Bildbefund{true, vorbereitung == "breit"
                                                                ? QSize(12001, 10)
                                                                : QSize(8000, 6251)});
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

        const QStringList zeilen = QStringList{"Katze = Kater", "Hund = " + eintrag} +
                                   nummeriertePaare(8);
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
        QCOMPARE(d.fehlerhafteBilder.last(), (FehlerhaftesBild{5, Bildfehler::Fehlt, "fehlt04.png"}));
        QVERIFY(fehlergrund(d).startsWith("12 Bilder der Liste lassen sich nicht zeigen:\nZeile 1: "));
        QVERIFY(fehlergrund(d).contains("\n… und 7 weitere Bilder.\nBilder liegen im Ordner der "
                                        "Liste oder in einem Ordner darunter, als PNG, JPEG, GIF, "
                                        "BMP, WebP oder SVG."));
        d = o.lesen(nummeriert(12, "W%1 = fehlt%1.png", 2) + QStringList{"kaputt"});
        QCOMPARE(d.fehler, Wortdateifehler::KeinePaarzeilen);
        QVERIFY(d.fehlerhafteBilder.isEmpty());
        o.bild("a.png");
        QVERIFY(o.lesen(woerter(8) + QStringList{"a.png"}).fehler == Wortdateifehler::Keiner);
        QCOMPARE(wortdateiLesen(o.ordner.filePath("LISTE.TXT")).fehlerhafteBilder,
                 (QList<FehlerhaftesBild>{{9, Bildfehler::KeinBild, "a.png"}}));
    }

    // One file under two names is one text: the pair twice is one pair, and nine names of eight
    // files are eight different words. The file is read once.
    void einDateiZweiNamen() {
        Bildordner o;
        o.bild("hund.jpg");
        o.bild("bilder/x.png");
        Wortdatei d = o.lesen(QStringList{"Hund = hund.jpg", "./bilder/../hund.jpg = Hund"} +
                              nummeriertePaare(7));
        QCOMPARE(d.fehler, Wortdateifehler::ZuWenigPaare);
        QCOMPARE(d.anzahl, 8);
        d = o.lesen(QStringList{"Hund = hund.jpg", "bilder/..\\hund.jpg = Hund"} +
                    nummeriertePaare(9));
        QCOMPARE(d.fehler, Wortdateifehler::Keiner);
        QCOMPARE(d.eintraege.size(), 10);
        QCOMPARE(o.leser.geprueft, QStringList{o.pfad("hund.jpg")} + QStringList{o.pfad("hund.jpg")});
        QStringList namen;
        for (int i = 0; i < 8; ++i) {
            namen << QStringLiteral("b%1.png").arg(i);
            o.bild(namen.last());
        }
        d = o.lesen(namen + QStringList{"./b3.png"});
        QCOMPARE(d.fehler, Wortdateifehler::ZuWenigVerschiedene);
        QCOMPARE(d.verschiedene, 8);
        // A text in two pairs: hund.jpg with "Hund" and with "dog" shares its picture.
        d = o.lesen(QStringList{"Hund = hund.jpg", "dog = ./hund.jpg"} + nummeriertePaare(8));
        QCOMPARE(d.fehler, Wortdateifehler::Keiner);
        QCOMPARE(d.verschiedene, 9);
    }

    // Deal after deal of a word-picture list with a picture-picture pair among them, and of an
    // ordinary list of pictures: every card's partner lies on the board, a picture card's the
    // other half of its pair (or the same picture), and every picture names an existing file.
    void partnerAufDemBrett_data() {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QStringList>("bilder");
        QTest::newRow("Wort und Bild")
            << (nummeriert(10, "Wort%1 = bilder/b%1.png", 2) +
                QStringList{"foto.jpg = zeichnung.svg"})
            << (nummeriert(10, "bilder/b%1.png", 2) + QStringList{"foto.jpg", "zeichnung.svg"});
        QTest::newRow("nur Bilder") << nummeriert(12, "b%1.gif", 2) << nummeriert(12, "b%1.gif", 2);
    }
    void partnerAufDemBrett() {
        QFETCH(QStringList, zeilen);
        QFETCH(QStringList, bilder);
        Spielgrundlage g(zeilen);
        for (const QString& name : bilder) {
            QVERIFY(QDir(g.ordner.path()).mkpath(QFileInfo(g.ordner.filePath(name)).path()));
            g.datei(name, QByteArray("bild"));
        }
        Memo memo(g.dialoge, g.zufall, g.bildleser, QDir(g.ordner.path()));
        memo.Form_Load();
        QCOMPARE(g.dialoge.anzahl, 0);
        const bool paare = memo.liste2().art() == Listenart::Paare;
        for (int runde = 0; runde < 300; ++runde) {
            if (runde > 0) {
                g.dialoge.antworten = {AntwortJa};
                memo.Bild4_Click();
            }
            int bildkarten = 0;
            for (int k = 1; k <= Kartenzahl; ++k) {
                const QString& text = memo.liste1().at(k - 1);
                const int p = partner(memo, k);
                QVERIFY(p != k && p >= 1 && p <= Kartenzahl);
                if (paare) {
                    const auto [links, rechts] = haelften(memo.paarkennungen().at(k - 1));
                    QCOMPARE(memo.liste1().at(p - 1), text == links ? rechts : links);
                } else {
                    QCOMPARE(memo.liste1().at(p - 1), text);
                }
                if (istBildeintrag(text)) {
                    ++bildkarten;
                    QVERIFY2(QFileInfo(text).isAbsolute() && QFileInfo::exists(text),
                             qPrintable(text));
                }
            }
            QVERIFY(bildkarten >= (paare ? 9 : 18));
        }
    }

    // Start-up and --drucken refuse a list whose picture is missing, with the line in the details.
    void meldungen() {
        Spielgrundlage g(QStringList{"Hund = hund.png"} + nummeriertePaare(8));
        Memo memo(g.dialoge, g.zufall, g.bildleser, QDir(g.ordner.path()));
        memo.Form_Load();
        QCOMPARE(g.dialoge.gezeigt.size(), 1);
        QVERIFY2(g.dialoge.gezeigt.first().details.startsWith(
                     "VUNMEMO.TXT: Ein Bild der Liste lässt sich nicht zeigen:\nZeile 1: "
                     "„hund.png“ ist nicht da\n"),
                 qPrintable(g.dialoge.gezeigt.first().details));
        SkriptDialoge dialoge;
        SkriptDrucker drucker;
        const QString liste = g.ordner.filePath("VUNMEMO.TXT");
        QCOMPARE(druckbefehl({"vun-memory", "--drucken", liste, g.ordner.filePath("k.pdf")},
                             drucker, dialoge, g.bildleser),
                 1);
        QVERIFY(drucker.gedruckt.isEmpty());
        QVERIFY(dialoge.gezeigt.first().details.contains("Zeile 1: „hund.png“ ist nicht da"));
        g.datei("hund.png", QByteArray("bild"));
        QCOMPARE(druckbefehl({"vun-memory", "--drucken", liste, g.ordner.filePath("k.pdf")},
                             drucker, dialoge, g.bildleser),
                 0);
        QVERIFY(drucker.gedruckt.first().karten.contains(QDir::cleanPath(g.ordner.filePath("hund.png"))));
    }
};

QTEST_GUILESS_MAIN(TstBildlisten)
#include "tst_bildlisten.moc"
