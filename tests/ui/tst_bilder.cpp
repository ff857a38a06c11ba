// The pictures as the program stores them: each button picture at the sizes of 100, 150 and
// 200 %, drawn pixel for pixel at those scales, and no SVG renderer loaded to show them.
#include "tests/support/fensterhilfe.h"

#include "ui/bilder.h"
#include "ui/bildgroessen.h"
#include "ui/bildknopf.h"

#include <QFile>
#include <QPainter>

using namespace vun;
using namespace vun::test;

namespace {

const QStringList Knopfbilder{"ende", "name", "hilfe", "neu", "liste", "info", "flagge"};
const QColor Cyan(0, 255, 255);

// The mean difference per channel between two images of one size, 0 to 255.
double abweichung(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    double summe = 0;
    for (int r = 0; r < x.height(); ++r)
        for (int s = 0; s < x.width(); ++s) {
            const QRgb p = x.pixel(s, r), q = y.pixel(s, r);
            summe += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) +
                     qAbs(qBlue(p) - qBlue(q)) + qAbs(qAlpha(p) - qAlpha(q));
        }
    return summe / (4.0 * x.width() * x.height());
}

} // namespace

class TstBilder : public QObject {
    Q_OBJECT
private slots:
    // The smallest stored size that is large enough, else the largest; every zoom step finds
    // the size it shows a button at, on screens of normal and double density.
    void groessen_data() {
        QTest::addColumn<int>("verlangt");
        QTest::addColumn<int>("geliefert");
        for (auto [verlangt, geliefert] :
             {std::pair{1, 32}, {32, 32}, {33, 40}, {41, 48}, {161, 192}, {400, 192}})
            QTest::addRow("%d", verlangt) << verlangt << geliefert;
        for (int dichte : ui::Bilddichten)
            for (int stufe : ui::Zoomstufen) {
                const int seite = ui::Knopfbildseite * stufe * dichte / 100;
                QTest::addRow("%d %% x%d", stufe, dichte) << seite << seite;
            }
    }
    void groessen() {
        QFETCH(int, verlangt);
        QFETCH(int, geliefert);
        for (const QString& name : Knopfbilder) {
            const QImage bild = ui::gespeichertesBild(name, verlangt);
            QCOMPARE(bild.size(), QSize(geliefert, geliefert));
            QCOMPARE(bild.format(), QImage::Format_ARGB32_Premultiplied);
        }
        QVERIFY(ui::gespeichertesBild(u"gibt-es-nicht", verlangt).isNull());
    }

    void fenstersymbol() {
        QCOMPARE(ui::bildSymbol(u"programm").availableSizes(),
                 (QList<QSize>{{16, 16}, {24, 24}, {32, 32}}));
        QVERIFY(ui::bildSymbol(u"gibt-es-nicht").isNull());
    }

    // The packed sizes unpack to the same picture as the plain one: shrunk to 32 pixels, each is
    // closest to its own small picture, nearly equal to it.
    void alleGroessenZeigenDasGleiche() {
        for (const QString& name : Knopfbilder) {
            const QImage klein = ui::gespeichertesBild(name, 32);
            QVERIFY2(abweichung(klein, QImage(32, 32, klein.format())) > 20, qPrintable(name));
            for (int seite : {48, 64}) {
                const QImage gross =
                    ui::gespeichertesBild(name, seite)
                        .scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                const double eigenes = abweichung(gross, klein);
                QVERIFY2(eigenes < 16, qPrintable(name));
                for (const QString& anderes : Knopfbilder)
                    if (anderes != name)
                        QVERIFY2(abweichung(gross, ui::gespeichertesBild(anderes, 32)) > eigenes,
                                 qPrintable(name + QLatin1Char('/') + anderes));
            }
        }
    }

    // The button shows the picture stored for its screen's scale as it is, not a smaller one
    // blown up. CTest runs this again at 150 and 200 %.
    void scharfBeiJederSkala() {
        ui::Eingabewache eingabe;
        ui::Bildknopf knopf(QStringLiteral("Bild1"), QStringLiteral("ende"), Cyan, eingabe,
                            nullptr);
        knopf.setGeometry(0, 0, 57, 41);
        knopf.show();
        QVERIFY(QTest::qWaitForWindowExposed(&knopf));
        const qreal skala = knopf.devicePixelRatioF();
        QCOMPARE(skala, qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
        const int seite = qRound(ui::Bildknopf::Bildseite * skala);
        const QImage gemalt = knopf.grab().toImage();

        QImage erwartet(seite, seite, QImage::Format_ARGB32_Premultiplied);
        erwartet.fill(Cyan);
        QPainter(&erwartet).drawImage(0, 0, ui::gespeichertesBild(u"ende", seite));
        erwartet.setDevicePixelRatio(skala);
        QCOMPARE(gemalt.copy(0, 0, seite, seite).convertToFormat(QImage::Format_RGB32),
                 erwartet.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(gemalt.pixelColor(gemalt.width() - 2, gemalt.height() - 2), Cyan);
    }

    // Both windows shown and drawn with every picture, yet no SVG renderer in the process: it
    // would cost every start about a megabyte.
    void keinSvgZurLaufzeit() {
        FensterSpiel s;
        s.klickBild(6);
        ausmalen();
        s.fenster.grab();
        QFile karte(QStringLiteral("/proc/self/maps"));
        QVERIFY(karte.open(QIODevice::ReadOnly));
        const QByteArray geladen = karte.readAll();
        QVERIFY(geladen.contains("libQt6Widgets"));
        QVERIFY(!geladen.contains("Svg"));
    }
};

QTEST_MAIN(TstBilder)
#include "tst_bilder.moc"
