// Lists with pictures: which entries name pictures, one file under two names, deals in which
// every picture finds its partner, and how a faulty one is told at start-up and on paper. The
// pictures' content comes from the scripted reader; the Qt one has tests of its own.
#include "tests/support/spiel.h"

#include "game/druckbefehl.h"
#include "game/fehlergrund.h"
#include "tests/support/inhalte.h"
#include "wordlist/wortdatei.h"

#include <QFile>

using namespace vun;
using namespace vun::test;

namespace {

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
        const QStringList endungen{"png",  "jpg", "jpeg", "gif", "bmp",
                                   "webp", "svg", "PNG",  "Jpg", "SvG"};
        QStringList liste, bilder;
        for (int i = 0; i < endungen.size(); ++i) {
            liste << QStringLiteral("bild%1.%2").arg(i).arg(endungen.at(i));
            bilder << liste.last();
        }
        QTest::newRow("jede Endung") << liste << bilder << int(Listenart::Woerter) << "bild7.PNG"
                                     << "@/bild7.PNG";
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
            << "d\\e.webp"
            << "@/d/e.webp";
        QTest::newRow("Endung allein ist kein Bild, Wörter bleiben")
            << (woerter(7) + QStringList{".png", "Hund.jpg.txt"}) << QStringList{}
            << int(Listenart::Woerter) << ".png"
            << ".png";
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
        QVERIFY2(texte(d).contains(pfad), qPrintable(texte(d).join(" | ")));
        Q_UNUSED(ein);
        for (const auto& [links, rechts] : d.eintraege)
            for (const Karteninhalt& inhalt : {links, rechts})
                QVERIFY2(!inhalt.istBild() || (QFileInfo(inhalt.bild).isAbsolute() &&
                                               QFileInfo::exists(inhalt.bild)),
                         qPrintable(inhalt.bild));
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
        QCOMPARE(o.leser.geprueft,
                 QStringList{o.pfad("hund.jpg")} + QStringList{o.pfad("hund.jpg")});
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

    // A folder whose name holds a dash between blanks, a tab or an equals sign changes no line's
    // kind: its pictures are played as the lines name them.
    void ordnerMitTrenner_data() {
        QTest::addColumn<QString>("ordner");
        QTest::addColumn<QString>("muster");
        QTest::addColumn<int>("art");
        QTest::newRow("Strich und Tab") << "Klasse - 3b\tneu"
                                        << "b%1.png" << int(Listenart::Woerter);
        QTest::newRow("Gleichheitszeichen") << "Klasse=1a"
                                            << "W%1 = b%1.png" << int(Listenart::Paare);
    }
    void ordnerMitTrenner() {
        QFETCH(QString, ordner);
        QFETCH(QString, muster);
        QFETCH(int, art);
        Bildordner o;
        for (int i = 0; i < 9; ++i)
            o.bild(ordner + QStringLiteral("/b%1.png").arg(i));
        const QString liste = o.ordner.filePath(ordner + QStringLiteral("/LISTE.TXT"));
        QVERIFY(wortlisteSchreiben(liste, nummeriert(9, muster, 1)));
        const Wortdatei d = wortdateiLesen(liste, o.leser);
        QCOMPARE(d.fehler, Wortdateifehler::Keiner);
        QCOMPARE(int(d.art), art);
        QCOMPARE(o.leser.geprueft.size(), 9);
        const Karteninhalt bild = Karteninhalt::alsBild(o.pfad(ordner + QStringLiteral("/b0.png")));
        QVERIFY(d.eintraege.first().enthaelt(bild));
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
        const Wortdatei liste = eintraegeBeurteilen(zeilen, QDir(g.ordner.path()));
        const bool paare = liste.art == Listenart::Paare;
        QSet<Kartenpaar> zusammen;
        for (const auto& [links, rechts] : liste.eintraege)
            zusammen << Kartenpaar{links, rechts} << Kartenpaar{rechts, links};
        for (int runde = 0; runde < 300; ++runde) {
            if (runde > 0) {
                g.dialoge.antworten = {AntwortJa};
                memo.Bild4_Click();
            }
            int bildkarten = 0;
            for (int k = 1; k <= Kartenzahl; ++k) {
                const Karteninhalt& inhalt = memo.liste1().at(k - 1).inhalt;
                const int p = partner(memo, k);
                QVERIFY(p != k && p >= 1 && p <= Kartenzahl);
                QVERIFY(zusammen.contains({inhalt, memo.liste1().at(p - 1).inhalt}));
                if (inhalt.istBild()) {
                    ++bildkarten;
                    QVERIFY2(QFileInfo(inhalt.bild).isAbsolute() && QFileInfo::exists(inhalt.bild),
                             qPrintable(inhalt.bild));
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
        QVERIFY(drucker.gedruckt.first().karten.contains(
            QDir::cleanPath(g.ordner.filePath("hund.png"))));
    }

    // A list that is still one without its lines with missing pictures: one box at start-up,
    // then her words are dealt; --drucken prints them and says the same with the lines.
    void zeilenWeggelassen() {
        Spielgrundlage g(QStringList{"Katze = katz.jpg"} + nummeriertePaare(12));
        Memo memo(g.dialoge, g.zufall, g.bildleser, QDir(g.ordner.path()));
        memo.Form_Load();
        QCOMPARE(g.dialoge.gezeigt.size(), 1);
        const Gezeigt& box = g.dialoge.gezeigt.first();
        QCOMPARE(box.prompt, "VUNMEMO.TXT: 1 Zeile mit einem Bild, das fehlt oder nicht geht, "
                             "wird weggelassen.\r");
        QCOMPARE(box.titel, QStringLiteral("VUN-Memory"));
        QCOMPARE(box.stil, int(NurOk));
        QVERIFY(box.details.startsWith("Ein Bild der Liste lässt sich nicht zeigen:\nZeile 1: "
                                       "„katz.jpg“ ist nicht da\n"));
        QCOMPARE(memo.gespielteDatei(), QStringLiteral("VUNMEMO.TXT"));
        for (const Spielkarte& karte : memo.liste1())
            QVERIFY2(karte.inhalt.wort.startsWith(u'L') || karte.inhalt.wort.startsWith(u'R'),
                     qPrintable(karte.inhalt.text()));

        SkriptDialoge konsole;
        SkriptDrucker drucker;
        QCOMPARE(druckbefehl({"vun-memory", "--drucken", g.ordner.filePath("VUNMEMO.TXT"),
                              g.ordner.filePath("k.pdf")},
                             drucker, konsole, g.bildleser),
                 0);
        QCOMPARE(drucker.gedruckt.first().karten.size(), 2 * 12);
        QCOMPARE(konsole.gezeigt.size(), 1);
        QCOMPARE(konsole.gezeigt.first().prompt, box.prompt);
        QCOMPARE(konsole.gezeigt.first().details, box.details);
    }
};

QTEST_GUILESS_MAIN(TstBildlisten)
#include "tst_bildlisten.moc"
