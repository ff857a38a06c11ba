// Picture cards in the real window and on paper: the picture drawn inside the card's face at
// 100 %, 200 % and full screen (pixels read back from the widget), the name screen readers hear,
// a picture that breaks after the list was read, and the printed sheet read back with poppler.
// The screen is set where the test is registered (1920 x 1080, so that 200 % fits).
#include "game/druckbogen.h"
#include "tests/support/fensterhilfe.h"
#include "tests/support/pdf.h"
#include "ui/bildvorrat.h"
#include "ui/vergroesserung.h"
#include "wordlist/bildeintrag.h"

#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace vun;
using namespace vun::test;

namespace {

constexpr int Paare = 9;

// Picture n of the test list: all red, 4:3, as PNG, JPEG and SVG, some in a folder below.
QString bilddatei(int n) {
    const char* endung = n == 7 ? "jpg" : n == 8 ? "svg" : "png";
    return QStringLiteral("%1roter_hund-%2.%3")
        .arg(n > 4 ? QStringLiteral("bilder/") : QString())
        .arg(n)
        .arg(QLatin1String(endung));
}

bool bilderSchreiben(const QString& ordner, QSize groesse) {
    QDir(ordner).mkpath(QStringLiteral("bilder"));
    QImage rot(groesse, QImage::Format_RGB32);
    rot.fill(QColor(255, 0, 0));
    for (int n = 1; n <= Paare; ++n) {
        const QString pfad = QDir(ordner).filePath(bilddatei(n));
        if (pfad.endsWith(QLatin1String(".svg"))) {
            QFile svg(pfad);
            if (!svg.open(QIODevice::WriteOnly) ||
                svg.write(
                    R"(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="30" )"
                    R"(viewBox="0 0 40 30"><rect width="40" height="30" fill="#f00"/></svg>)") < 0)
                return false;
        } else if (!rot.save(pfad, nullptr, 95)) {
            return false;
        }
    }
    return true;
}

// "Wort1 = roter_hund-1.png" and so on: a word and a picture each.
QStringList bilderliste() {
    QStringList zeilen;
    for (int n = 1; n <= Paare; ++n)
        zeilen << QStringLiteral("Wort%1 = %2").arg(n).arg(bilddatei(n));
    return zeilen;
}

// The window's game on the picture list, chosen from the file list as a player does.
void bilderLaden(FensterSpiel& s) {
    QVERIFY(bilderSchreiben(s.ordner.path(), {400, 300}));
    s.datei(QStringLiteral("BILDER.TXT"), bilderliste());
    s.memo.Datei1_Click(QStringLiteral("BILDER.TXT"));
    QCOMPARE(s.geladen().last(), QStringLiteral("BILDER.TXT wurde geladen!"));
    ausmalen();
}

ui::Bildvorrat& vorrat(FensterSpiel& s) {
    return *s.fenster.findChild<ui::Bildvorrat*>();
}

// Steps up from 100 % until the step is reached or no larger one fits.
void aufStufe(ui::Vergroesserung& g, int stufe) {
    g.stufeWechseln(0);
    for (int vorher = 0; g.stufe() < stufe && g.stufe() != vorher;) {
        vorher = g.stufe();
        g.stufeWechseln(1);
    }
}

bool istRot(QColor c) {
    return c.red() > 200 && c.green() < 80 && c.blue() < 80;
}

QRect roteFlaeche(const QImage& bild) {
    QRect rot;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (istRot(bild.pixelColor(x, y)))
                rot |= QRect(x, y, 1, 1);
    return rot;
}

QRect inGeraetepixeln(QRect r, double dichte) {
    return QRectF(r.x() * dichte, r.y() * dichte, r.width() * dichte, r.height() * dichte).toRect();
}

// The card as drawn shows its red 4:3 picture inside the caption's field, as large as fits,
// centred; the rest of the face, margins included, in the card's colour.
void bildPruefen(ui::Karte* karte, QColor hintergrund) {
    const QImage bild = karte->grab().toImage();
    const QRect feld = inGeraetepixeln(karte->textfeld(), bild.devicePixelRatio());
    const QRect rot = roteFlaeche(bild);
    const QString wo = QStringLiteral("card %1, field %2x%3+%4+%5, red %6x%7+%8+%9")
                           .arg(karte->nummer())
                           .arg(feld.width())
                           .arg(feld.height())
                           .arg(feld.x())
                           .arg(feld.y())
                           .arg(rot.width())
                           .arg(rot.height())
                           .arg(rot.x())
                           .arg(rot.y());
    QVERIFY2(!rot.isEmpty() && feld.contains(rot), qPrintable(wo));
    QVERIFY2(qAbs(rot.width() - feld.width()) <= 1 || qAbs(rot.height() - feld.height()) <= 1,
             qPrintable(wo));
    QVERIFY2(qAbs(double(rot.width()) / rot.height() - 4.0 / 3) < 0.08, qPrintable(wo));
    QVERIFY2(qAbs((rot.left() - feld.left()) - (feld.right() - rot.right())) <= 1, qPrintable(wo));
    QVERIFY2(qAbs((rot.top() - feld.top()) - (feld.bottom() - rot.bottom())) <= 1, qPrintable(wo));
    // Around the picture: the margins of a word, and the field beside the picture.
    const int mitteY = feld.center().y();
    QCOMPARE(bild.pixelColor(feld.left() - 2, mitteY), hintergrund);
    QCOMPARE(bild.pixelColor(feld.right() + 2, mitteY), hintergrund);
    QCOMPARE(bild.pixelColor(feld.center().x(), feld.top() - 2), hintergrund);
    if (rot.left() > feld.left() + 2)
        QCOMPARE(bild.pixelColor(feld.left() + 1, mitteY), hintergrund);
}

struct Aufruf {
    int code = -1;
    QString fehler;
};

// The real program printing, as a teacher's script runs it.
Aufruf drucken(const QString& liste, const QString& pdf) {
    QProcess p;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        umgebung.remove(QString::fromLatin1(name));
    p.setProcessEnvironment(umgebung);
    p.start(QStringLiteral(VUN_PROGRAMM), {QStringLiteral("--drucken"), liste, pdf});
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

class TstBildkarten : public QObject {
    Q_OBJECT
private slots:
    void bildAufDerKarte_data() {
        QTest::addColumn<int>("stufe");
        QTest::addColumn<bool>("vollbild");
        QTest::newRow("100 %") << 100 << false;
        QTest::newRow("200 %") << 200 << false;
        QTest::newRow("Vollbild") << 100 << true;
    }
    // Covered, a picture card looks like any card; open, it shows its picture in its face;
    // found, the found colour around it. A repaint decodes nothing, and what is held is the
    // size drawn, not the file's.
    void bildAufDerKarte() {
        QFETCH(int, stufe);
        QFETCH(bool, vollbild);
        FensterSpiel s;
        bilderLaden(s);
        ui::Vergroesserung& g = s.fenster.groesse();
        aufStufe(g, stufe);
        g.vollbildSetzen(vollbild);
        vorrat(s).abwarten();
        ausmalen();
        QCOMPARE(g.stufe(), stufe);
        QCOMPARE(s.fenster.isFullScreen(), vollbild);

        QList<int> bildkarten;
        for (int k = 1; k <= Kartenzahl; ++k) {
            QVERIFY2(roteFlaeche(s.karte(k)->grab().toImage()).isEmpty(), "covered");
            if (istBildeintrag(s.memo.liste1().at(k - 1)))
                bildkarten << k;
        }
        QCOMPARE(bildkarten.size(), Paare);
        // All but the last pair, whose click ends the game.
        for (int i = 0; i < Paare - 1; ++i) {
            const int k = bildkarten.at(i), p = s.partner(k);
            s.klickKarte(k);
            ausmalen();
            QVERIFY(s.memo.karte(k).beschriftung.isEmpty());
            bildPruefen(s.karte(k), farbeVon(s.memo.karte(k).hintergrund));
            const int dekodiert = vorrat(s).dekodiert();
            s.karte(k)->repaint();
            QCOMPARE(vorrat(s).dekodiert(), dekodiert);
            s.klickKarte(p);
            ausmalen();
            QCOMPARE(s.memo.zustand(k), Kartenzustand::Gefunden);
            bildPruefen(s.karte(k), farbeVon(Gefunden));
            QCOMPARE(s.karte(p)->grab().toImage().pixelColor(2, 2), farbeVon(Gefunden));
        }
        // Held: one picture per file, none larger than the field it is drawn in.
        const QSize feld = s.karte(1)->bildfeld();
        QVERIFY(vorrat(s).gehalten() <= Paare);
        QVERIFY(vorrat(s).gehalteneBytes() <= qsizetype(Paare) * feld.width() * feld.height() * 4);
    }

    // An open picture card zoomed: its picture decoded anew in the background for the new size,
    // and the card drawn from that one.
    void neueGroesseBeiOffenerKarte() {
        FensterSpiel s;
        bilderLaden(s);
        vorrat(s).abwarten();
        int k = 1;
        while (!istBildeintrag(s.memo.liste1().at(k - 1)))
            ++k;
        s.klickKarte(k);
        ausmalen();
        const QSize vorher = s.karte(k)->bildfeld();
        s.fenster.groesse().stufeWechseln(1);
        ausmalen();
        QVERIFY(s.karte(k)->bildfeld().height() > vorher.height());
        vorrat(s).abwarten();
        ausmalen();
        const int dekodiert = vorrat(s).dekodiert();
        const QImage bild = vorrat(s).bild(s.memo.karte(k).bild, s.karte(k)->bildfeld());
        QCOMPARE(bild.height(), s.karte(k)->bildfeld().height());
        QCOMPARE(vorrat(s).dekodiert(), dekodiert);
        bildPruefen(s.karte(k), farbeVon(s.memo.karte(k).hintergrund));
    }

    // "Karte 7: Bild roter hund 3": the file's name, read as words; found, as words are.
    // Space on the focused card turns it as a click does.
    void zugangsname() {
        FensterSpiel s;
        bilderLaden(s);
        int k = 1;
        while (!istBildeintrag(s.memo.liste1().at(k - 1)))
            ++k;
        const QString name =
            QStringLiteral("Karte %1: Bild ") + bildname(s.memo.liste1().at(k - 1));
        QVERIFY(name.contains(QLatin1String("roter hund ")));
        QCOMPARE(s.karte(k)->zugangsname(), QStringLiteral("Karte %1, verdeckt").arg(k));
        s.karte(k)->setFocus();
        QTest::keyClick(s.karte(k), Qt::Key_Space);
        QCOMPARE(s.karte(k)->zugangsname(), name.arg(k));
        const int p = s.partner(k);
        s.klickKarte(p);
        QCOMPARE(s.karte(k)->zugangsname(), name.arg(k) + QStringLiteral(", gefunden"));
        QCOMPARE(s.karte(p)->zugangsname(),
                 QStringLiteral("Karte %1: %2, gefunden").arg(p).arg(s.memo.liste1().at(p - 1)));
    }

    // A picture changed on disk after the list was read, to bytes no decoder reads: the card
    // shows the picture's name, and nothing breaks.
    void kaputtesBildZeigtNamen() {
        FensterSpiel s;
        bilderLaden(s);
        int k = 1;
        while (!s.memo.liste1().at(k - 1).endsWith(QLatin1String("roter_hund-2.png")))
            ++k;
        QVERIFY(dateiSchreiben(s.ordner.filePath(bilddatei(2)), "kein Bild"));
        s.fenster.groesse().stufeWechseln(1); // a new size: decoded afresh
        vorrat(s).abwarten();
        s.klickKarte(k);
        ausmalen();
        const QImage bild = s.karte(k)->grab().toImage();
        QVERIFY(roteFlaeche(bild).isEmpty());
        int weiss = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                weiss += bild.pixelColor(x, y) == QColor(Qt::white);
        QVERIFY2(weiss > 20, "the picture's name in white");
        QCOMPARE(s.karte(k)->zugangsname(), QStringLiteral("Karte %1: Bild roter hund 2").arg(k));
    }

    // Printed: one image per picture card at about 300 dpi for the card's size (the file is
    // larger), each inside its card with a margin, never cut; the words as words.
    void gedruckteBilder() {
        QTemporaryDir ordner;
        QVERIFY(bilderSchreiben(ordner.path(), {1600, 1200}));
        const QString liste = ordner.filePath(QStringLiteral("BILDER.TXT"));
        const QString pdf = ordner.filePath(QStringLiteral("bilder.pdf"));
        QVERIFY(wortlisteSchreiben(liste, bilderliste()));
        const Aufruf aufruf = drucken(liste, pdf);
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

QTEST_MAIN(TstBildkarten)
#include "tst_bildkarten.moc"
