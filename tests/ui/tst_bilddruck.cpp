// Picture cards on paper: the real program prints a word-picture list, and the sheet is read
// back with poppler.
#include "game/druckbogen.h"
#include "tests/support/druckaufruf.h"
#include "tests/support/pdf.h"
#include "tests/support/rotebilder.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace vun;
using namespace vun::test;

class TstBilddruck : public QObject {
    Q_OBJECT
private slots:
    // Printed: one image per picture card at about 300 dpi for the card's size (the file is
    // larger), each inside its card with a margin, never cut; the words as words.
    void gedruckteBilder() {
        QTemporaryDir ordner;
        QVERIFY(bilderSchreiben(ordner.path(), {1600, 1200}));
        const QString liste = ordner.filePath(QStringLiteral("BILDER.TXT"));
        const QString pdf = ordner.filePath(QStringLiteral("bilder.pdf"));
        QVERIFY(wortlisteSchreiben(liste, bilderliste()));
        const Aufruf aufruf = druckprogramm({liste, pdf});
        QVERIFY2(aufruf.code == 0, qPrintable(aufruf.fehler));

        const QList<PdfBild> bilder = pdfBilder(pdf);
        QCOMPARE(bilder.size(), Paare);
        const Bogenraster raster = bogenraster({210, 297}, {0, 0, 210, 297});
        // The cards lie word, picture, word, picture: the pictures on every second place.
        QCOMPARE(std::count_if(bilder.begin(), bilder.end(),
                               [](const PdfBild& b) { return b.seite == 1; }),
                 raster.proSeite() / 2);
        for (const PdfBild& b : bilder) {
            QVERIFY2(b.ppiX > 280 && b.ppiX < 320 && b.ppiY > 280 && b.ppiY < 320,
                     qPrintable(QStringLiteral("%1 x %2 ppi").arg(b.ppiX).arg(b.ppiY)));
            QVERIFY(b.pixel.width() < 1600);
        }
        QStringList woerter;
        for (const PdfWort& w : pdfWoerter(pdf))
            woerter << w.text;
        woerter.sort();
        QStringList erwartet;
        for (int n = 1; n <= Paare; ++n)
            erwartet << QStringLiteral("Wort%1").arg(n);
        QCOMPARE(woerter, erwartet);

        // The first page drawn at 5 pixels per millimetre: red only inside the pictures' cards,
        // 4 mm clear of their cutting lines, and some on each.
        const QString png = ordner.filePath(QStringLiteral("seite"));
        QCOMPARE(
            QProcess::execute(QStringLiteral("pdftoppm"),
                              {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("127"),
                               QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                               QStringLiteral("1"), QStringLiteral("-singlefile"), pdf, png}),
            0);
        const QImage seite(png + QStringLiteral(".png"));
        QVERIFY(!seite.isNull());
        const double pxProMm = seite.width() / 210.0;
        QList<QRect> karten;
        for (int platz = 0; platz < raster.proSeite(); ++platz) {
            const QRectF mm = raster.karte(platz);
            karten << QRectF(mm.topLeft() * pxProMm, mm.size() * pxProMm).toRect();
        }
        QList<int> roteProKarte(raster.proSeite());
        const int rand = qRound(4 * pxProMm);
        for (int y = 0; y < seite.height(); ++y) {
            for (int x = 0; x < seite.width(); ++x) {
                if (!istRot(seite.pixelColor(x, y)))
                    continue;
                int platz = 0;
                while (platz < karten.size() &&
                       !karten.at(platz).adjusted(rand, rand, -rand, -rand).contains(x, y))
                    ++platz;
                QVERIFY2(platz < karten.size(),
                         qPrintable(QStringLiteral("red at %1,%2").arg(x).arg(y)));
                ++roteProKarte[platz];
            }
        }
        for (int platz = 0; platz < raster.proSeite(); ++platz)
            QVERIFY2((roteProKarte.at(platz) > 0) == (platz % 2 == 1),
                     qPrintable(QStringLiteral("place %1").arg(platz)));
    }
};

QTEST_MAIN(TstBilddruck)
#include "tst_bilddruck.moc"
