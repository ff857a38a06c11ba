// The cards on paper: the PDF the command line writes, read back with poppler, and Ctrl+P in the
// main window.
#include "printing/drucken.h"

#include "game/druckbogen.h"
#include "tests/support/dateien.h"
#include "tests/support/druckaufruf.h"
#include "tests/support/fensterhilfe.h"
#include "tests/support/inhalte.h"
#include "tests/support/pdf.h"
#include "ui/bildknopf.h"

#include <QApplication>
#include <QCheckBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

using namespace vun;
using namespace vun::test;

namespace {

const QString Langwort = QStringLiteral("Donaudampfschifffahrtsgesellschaftskapitänsmütze");

QStringList sortiert(QStringList texte) {
    texte.sort();
    return texte;
}

// Every word read back stands whole inside one card of the A4 grid.
void ganzAufKarten(const QList<test::PdfWort>& woerter) {
    const Bogenraster raster = bogenraster({210, 297}, {0, 0, 210, 297});
    for (const test::PdfWort& wort : woerter) {
        bool drin = false;
        for (int platz = 0; platz < raster.proSeite() && !drin; ++platz)
            drin = raster.karte(platz).contains(wort.rahmen);
        QVERIFY2(drin, qPrintable(wort.text));
    }
}

} // namespace

class TstDrucken : public QObject {
    Q_OBJECT
private slots:
    void karten_data() {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QStringList>("gedruckt"); // each text as often as it must be read back
        const QStringList woerter{"Hund",   "Katze", "Größe", "Äpfel", "Übermut",
                                  Langwort, "Igel",  "Esel",  "Hund",  "Fuchs"};
        QStringList zweimal;
        for (const QString& w : QStringList{"Hund", "Katze", "Größe", "Äpfel", "Übermut", Langwort,
                                            "Igel", "Esel", "Fuchs"})
            zweimal << w << w;
        QTest::newRow("Wörter") << woerter << zweimal;
        QStringList paare = test::paareMitUmlauten(8);
        paare << QStringLiteral("der große Bär = ") + Langwort;
        QStringList seiten;
        for (int i = 0; i < 8; ++i)
            seiten << QStringLiteral("Wörterbuch%1straße").arg(i)
                   << QStringLiteral("Straßen%1wörter").arg(i);
        seiten << "der"
               << "große"
               << "Bär" << Langwort;
        QTest::newRow("Paare") << paare << seiten;
    }
    void karten() {
        QFETCH(QStringList, zeilen);
        QFETCH(QStringList, gedruckt);
        QTemporaryDir ordner;
        const QString liste = ordner.filePath(QStringLiteral("LISTE.TXT"));
        const QString pdf = ordner.filePath(QStringLiteral("Karten.pdf"));
        QVERIFY(test::wortlisteSchreiben(liste, zeilen));
        const Aufruf aufruf = druckprogramm({liste, pdf});
        QVERIFY2(aufruf.code == 0, qPrintable(aufruf.fehler));
        const QList<test::PdfWort> woerter = test::pdfWoerter(pdf);
        QStringList gelesen;
        for (const test::PdfWort& w : woerter)
            gelesen << w.text;
        QCOMPARE(sortiert(gelesen), sortiert(gedruckt));
        ganzAufKarten(woerter);
    }

    // A times table with its heading: the title above the grid of every sheet, each left half
    // marked by a disc at its top left, each right half by a triangle at its top right.
    void ueberschriftUndSeitenzeichen() {
        QTemporaryDir ordner;
        const QString liste = ordner.filePath(QStringLiteral("EINMAL6.TXT"));
        const QString pdf = ordner.filePath(QStringLiteral("Karten.pdf"));
        QStringList zeilen{QStringLiteral("Einmaleins mit 6")};
        for (int i = 1; i <= 10; ++i)
            zeilen << QStringLiteral("%1 · 6 - %2").arg(i).arg(6 * i);
        QVERIFY(test::wortlisteSchreiben(liste, zeilen));
        QVERIFY(druckprogramm({liste, pdf}).code == 0);
        const Bogenraster raster = bogenraster({210, 297}, {0, 0, 210, 297}, true);
        QStringList kopf[2];
        for (const test::PdfWort& w : test::pdfWoerter(pdf))
            if (raster.kopfzeile.contains(w.rahmen.center()))
                kopf[w.seite] << w.text;
        for (const QStringList& k : kopf)
            QCOMPARE(k.join(' '), QStringLiteral("Einmaleins mit 6"));
        const QImage seite = test::pdfSeitenbild(pdf, 1);
        QVERIFY(!seite.isNull());
        for (int platz = 0; platz < raster.proSeite(); ++platz) {
            const QRectF karte = raster.karte(platz);
            const QSizeF ecke(5, 5);
            const QRectF links(karte.topLeft() + QPointF(0.8, 0.8), ecke);
            const QRectF rechts(karte.topRight() + QPointF(-0.8 - ecke.width(), 0.8), ecke);
            const bool linkeHaelfte = platz % 2 == 0;
            QVERIFY2((test::dunklePunkte(seite, links) > 20) == linkeHaelfte,
                     qPrintable(QString::number(platz)));
            QVERIFY2((test::dunklePunkte(seite, rechts) > 10) == !linkeHaelfte,
                     qPrintable(QString::number(platz)));
        }
    }

    // Words in German alphabetical order, row by row.
    void deutscheOrdnung() {
        QTemporaryDir ordner;
        const QString liste = ordner.filePath(QStringLiteral("WOERTER.TXT"));
        const QString pdf = ordner.filePath(QStringLiteral("Karten.pdf"));
        const QStringList geordnet{"Bär",   "Brötchen", "Ofen", "Öl",  "Tür",
                                   "Ubung", "Übung",    "Zug",  "zwei"};
        QStringList zeilen = geordnet;
        std::reverse(zeilen.begin(), zeilen.end());
        QVERIFY(test::wortlisteSchreiben(liste, zeilen));
        QVERIFY(druckprogramm({liste, pdf}).code == 0);
        QList<test::PdfWort> woerter = test::pdfWoerter(pdf);
        std::stable_sort(woerter.begin(), woerter.end(), [](const auto& a, const auto& b) {
            return std::make_tuple(a.seite, qRound(a.rahmen.top()), a.rahmen.left()) <
                   std::make_tuple(b.seite, qRound(b.rahmen.top()), b.rahmen.left());
        });
        QStringList gelesen;
        for (int i = 0; i < woerter.size(); i += 2)
            gelesen << woerter.at(i).text;
        QCOMPARE(gelesen, geordnet);
    }

    // A sound alone prints as the loudspeaker with its file's name below, so a printed sound
    // game can still be sorted; its partner, a digit or a picture, prints as itself.
    void klaenge() {
        QTemporaryDir ordner;
        const QString pdf = ordner.filePath(QStringLiteral("Karten.pdf"));
        const QString liste = QStringLiteral(VUN_WORTLISTEN "/HOEREN.TXT");
        QVERIFY(druckprogramm({liste, pdf}).code == 0);
        const Bogenraster raster = bogenraster({210, 297}, {0, 0, 210, 297}, true);
        QStringList gelesen;
        for (const test::PdfWort& w : test::pdfWoerter(pdf))
            if (!raster.kopfzeile.contains(w.rahmen.center()))
                gelesen << w.text;
        QStringList erwartet{"eins", "zwei", "drei",  "vier",    "fuenf",  "sechs",  "sieben",
                             "acht", "neun", "zehn",  "trommel", "glocke", "pfeife", "uhr",
                             "hupe", "herz", "regen", "ball",    "schiff", "blasen"};
        for (int i = 1; i <= 10; ++i)
            erwartet << QString::number(i);
        QCOMPARE(sortiert(gelesen), sortiert(erwartet));
    }

    void seitenzahl_data() {
        QTest::addColumn<int>("paare");
        QTest::addColumn<int>("seiten");
        // 3 x 5 cards of at least 5 cm on A4.
        QTest::newRow("9 Paare") << 9 << 2;
        QTest::newRow("40 Paare") << 40 << 6;
        QTest::newRow("300 Paare") << 300 << 40;
    }
    void seitenzahl() {
        QFETCH(int, paare);
        QFETCH(int, seiten);
        QTemporaryDir ordner;
        const QString liste = ordner.filePath(QStringLiteral("PAARE.TXT"));
        const QString pdf = ordner.filePath(QStringLiteral("paare.pdf"));
        QVERIFY(test::wortlisteSchreiben(liste, test::nummeriertePaare(paare)));
        QCOMPARE(druckprogramm({liste, pdf}).code, 0);
        QCOMPARE(test::pdfSeiten(pdf), seiten);
    }

    // Each page followed by its back: the same number of cards, mirrored, and no word on it.
    void rueckseiten() {
        const Wortliste paare = test::paarliste(test::nummeriertePaare(9));
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("rueck.pdf"));
        {
            QPdfWriter pdf(pfad);
            pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
            QVERIFY(kartenMalen(pdf, druckkarten(paare), true));
        }
        QCOMPARE(test::pdfSeiten(pfad), 4);
        const QList<test::PdfWort> woerter = test::pdfWoerter(pfad);
        QCOMPARE(woerter.size(), 18);
        for (const test::PdfWort& w : woerter)
            QVERIFY2(w.seite % 2 == 0, qPrintable(w.text));
    }

    // A faulty list, an output that cannot be written and the list itself as output: a message
    // naming why, a failing exit code, and no file written or changed.
    void fehler_data() {
        QTest::addColumn<QString>("liste");
        QTest::addColumn<QString>("ausgabe");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("zu kurz") << "KURZ.TXT"
                                 << "KURZ.pdf"
                                 << "nicht drucken.\nDie Liste";
        QTest::newRow("fehlt") << "FEHLT.TXT"
                               << "KURZ.pdf"
                               << "nicht drucken.\n";
        QTest::newRow("kein Ordner") << "LISTE.TXT"
                                     << "fehlt/Karten.pdf"
                                     << "nicht schreiben: Der Ordner fehlt.";
        QTest::newRow("Datei statt Ordner") << "LISTE.TXT"
                                            << "KURZ.TXT/Karten.pdf"
                                            << "nicht schreiben";
        QTest::newRow("die Liste selbst") << "LISTE.TXT"
                                          << "LISTE.TXT"
                                          << "Wortliste selbst";
    }
    void fehler() {
        QFETCH(QString, liste);
        QFETCH(QString, ausgabe);
        QFETCH(QString, erwartet);
        QTemporaryDir ordner;
        const QByteArray bytes = test::alsUtf8(test::nummerierteWoerter(9));
        QVERIFY(test::dateiSchreiben(ordner.filePath("LISTE.TXT"), bytes));
        QVERIFY(test::wortlisteSchreiben(ordner.filePath("KURZ.TXT"), {"eins", "zwei"}));
        const Aufruf aufruf = druckprogramm({ordner.filePath(liste), ordner.filePath(ausgabe)});
        QCOMPARE(aufruf.code, 1);
        QVERIFY2(aufruf.fehler.contains(QStringLiteral("vun-memory: ")), qPrintable(aufruf.fehler));
        QVERIFY2(aufruf.fehler.contains(erwartet), qPrintable(aufruf.fehler));
        QCOMPARE(sortiert(QDir(ordner.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot)),
                 QStringList({"KURZ.TXT", "LISTE.TXT"}));
        QFile f(ordner.filePath("LISTE.TXT"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), bytes);
    }

    // Wrong arguments: the usage line on a line of its own, and 2.
    void falscherAufruf() {
        const Aufruf aufruf = druckprogramm({QStringLiteral("NUR.TXT")});
        QCOMPARE(aufruf.code, 2);
        QVERIFY2(
            aufruf.fehler.split(QLatin1Char('\n'))
                .contains(QStringLiteral("Aufruf: vun-memory --drucken LISTE.TXT AUSGABE.pdf")),
            qPrintable(aufruf.fehler));
    }

    // Accepted with a PDF file as the printer: the 300 pairs being played, 40 pages, printed
    // only after the teacher said yes to them.
    void vieleSeitenNachFrage_data() {
        QTest::addColumn<int>("antwort");
        QTest::addColumn<int>("seiten");
        QTest::newRow("Ja") << int(AntwortJa) << 40;
        QTest::newRow("Nein") << int(AntwortNein) << -1;
    }
    void vieleSeitenNachFrage() {
        QFETCH(int, antwort);
        QFETCH(int, seiten);
        test::FensterSpiel spiel(test::nummeriertePaare(300));
        QVERIFY(QTest::qWaitForWindowActive(&spiel.fenster));
        spiel.dialoge.antworten = {MsgBoxAntwort(antwort)};
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("karten.pdf"));
        QTimer::singleShot(0, this, [&] {
            if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
                dialog->printer()->setOutputFileName(pfad);
                dialog->done(QDialog::Accepted);
            }
        });
        QTest::keyClick(&spiel.fenster, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(spiel.dialoge.anzahl, 1);
        QVERIFY(spiel.dialoge.gezeigt.at(0).prompt.contains(QStringLiteral("40 Seiten")));
        QCOMPARE(test::pdfSeiten(pfad), seiten);
    }

    void strgPOeffnetDenDruckdialog() {
        test::FensterSpiel spiel;
        ui::Hauptfenster& fenster = spiel.fenster;
        QVERIFY(QTest::qWaitForWindowActive(&fenster));
        QCOMPARE(fenster.bild(5)->toolTip(), QStringLiteral("Strg+P druckt die Karten"));
        bool geoeffnet = false;
        bool mitRueckseiten = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            geoeffnet = dialog != nullptr;
            if (dialog) {
                mitRueckseiten = dialog->findChild<QCheckBox*>() != nullptr;
                dialog->reject();
            }
        });
        QTest::keyClick(&fenster, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(geoeffnet);
        QVERIFY(mitRueckseiten);
        // Cancelled, nothing was asked and the game goes on as it was.
        QCOMPARE(spiel.dialoge.anzahl, 0);
    }
};

QTEST_MAIN(TstDrucken)
#include "tst_drucken.moc"
