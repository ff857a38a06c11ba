// Picture cards in the real window: the picture drawn inside the card's face at 100 %, 200 % and
// full screen (pixels read back from the widget), the name screen readers hear, and a picture
// that breaks after the list was read.
// The screen is set where the test is registered (1920 x 1080, so that 200 % fits).
#include "pictures/bildvorrat.h"
#include "tests/support/fensterhilfe.h"
#include "tests/support/kartenbilder.h"
#include "tests/support/rotebilder.h"
#include "ui/vergroesserung.h"
#include "wordlist/bildeintrag.h"

#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using namespace vun;
using namespace vun::test;

namespace {

// The window's game on the picture list, chosen from the file list as a player does.
void bilderLaden(FensterSpiel& s) {
    QVERIFY(bilderSchreiben(s.ordner.path(), {400, 300}));
    s.datei(QStringLiteral("BILDER.TXT"), bilderliste());
    s.memo.Datei1_Click(QStringLiteral("BILDER.TXT"));
    QCOMPARE(s.geladen().last(), QStringLiteral("BILDER.TXT wurde geladen!"));
    ausmalen();
}

Bildvorrat& vorrat(FensterSpiel& s) {
    return *s.fenster.findChild<Bildvorrat*>();
}

// The picture file of an open card spoilt, to bytes no decoder reads: whatever shows it still
// shows what was held, not read again.
void verderben(FensterSpiel& s, int karte) {
    QVERIFY(dateiSchreiben(s.memo.karte(karte).inhalt.bild, "kein Bild"));
}

// Steps up from 100 % until the step is reached or no larger one fits.
void aufStufe(ui::Vergroesserung& g, int stufe) {
    g.stufeWechseln(0);
    for (int vorher = 0; g.stufe() < stufe && g.stufe() != vorher;) {
        vorher = g.stufe();
        g.stufeWechseln(1);
    }
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
        const Bildmeldungen meldungen(s.fenster);
        bilderLaden(s);
        ui::Vergroesserung& g = s.fenster.groesse();
        aufStufe(g, stufe);
        g.vollbildSetzen(vollbild);
        QVERIFY(meldungen.abwarten(s.memo));
        ausmalen();
        QCOMPARE(g.stufe(), stufe);
        QCOMPARE(s.fenster.isFullScreen(), vollbild);

        QList<int> bildkarten;
        for (int k = 1; k <= Kartenzahl; ++k) {
            QVERIFY2(roteFlaeche(s.karte(k)->grab().toImage()).isEmpty(), "covered");
            if (s.inhalt(k).istBild())
                bildkarten << k;
        }
        QCOMPARE(bildkarten.size(), Paare);
        // All but the last pair, whose click ends the game.
        for (int i = 0; i < Paare - 1; ++i) {
            const int k = bildkarten.at(i), p = s.partner(k);
            s.klickKarte(k);
            ausmalen();
            QVERIFY(s.memo.karte(k).inhalt.wort.isEmpty());
            bildPruefen(s.karte(k), farbeVon(s.memo.karte(k).hintergrund));
            verderben(s, k);
            s.karte(k)->repaint();
            bildPruefen(s.karte(k), farbeVon(s.memo.karte(k).hintergrund));
            s.klickKarte(p);
            ausmalen();
            QCOMPARE(s.memo.zustand(k), Kartenzustand::Gefunden);
            bildPruefen(s.karte(k), farbeVon(Gefunden));
            QCOMPARE(s.karte(p)->grab().toImage().pixelColor(2, 2), farbeVon(Gefunden));
        }
        // Held, their files spoilt: none larger than the field it is drawn in.
        const QSize feld = s.karte(1)->bildfeld();
        for (int i = 0; i < Paare - 1; ++i) {
            const QImage gehalten =
                vorrat(s).bild(s.memo.karte(bildkarten.at(i)).inhalt.bild, feld);
            QVERIFY(!gehalten.isNull());
            QVERIFY(gehalten.width() <= feld.width() && gehalten.height() <= feld.height());
        }
    }

    // An open picture card zoomed: its picture decoded anew in the background for the new size,
    // and the card drawn from that one.
    void neueGroesseBeiOffenerKarte() {
        FensterSpiel s;
        const Bildmeldungen meldungen(s.fenster);
        bilderLaden(s);
        QVERIFY(meldungen.abwarten(s.memo));
        int k = 1;
        while (!s.inhalt(k).istBild())
            ++k;
        s.klickKarte(k);
        ausmalen();
        const QSize vorher = s.karte(k)->bildfeld();
        s.fenster.groesse().stufeWechseln(1);
        ausmalen();
        QVERIFY(s.karte(k)->bildfeld().height() > vorher.height());
        QVERIFY(meldungen.abwarten(s.memo));
        ausmalen();
        verderben(s, k);
        const QImage bild = vorrat(s).bild(s.memo.karte(k).inhalt.bild, s.karte(k)->bildfeld());
        // The 4:3 picture fills the width of a square's field, the height of a strip's.
        QCOMPARE(bild.width(), s.karte(k)->bildfeld().width());
        bildPruefen(s.karte(k), farbeVon(s.memo.karte(k).hintergrund));
    }

    // "Karte 7: Bild roter hund 3": the file's name, read as words; found, as words are.
    // Space on the focused card turns it as a click does.
    void zugangsname() {
        FensterSpiel s;
        bilderLaden(s);
        int k = 1;
        while (!s.inhalt(k).istBild())
            ++k;
        const QString name = QStringLiteral("Karte %1: Bild ") + bildname(s.inhalt(k).bild);
        QVERIFY(name.contains(QLatin1String("roter hund ")));
        QCOMPARE(s.karte(k)->zugangsname(), QStringLiteral("Karte %1, verdeckt").arg(k));
        s.karte(k)->setFocus();
        QTest::keyClick(s.karte(k), Qt::Key_Space);
        QCOMPARE(s.karte(k)->zugangsname(), name.arg(k));
        const int p = s.partner(k);
        s.klickKarte(p);
        QCOMPARE(s.karte(k)->zugangsname(), name.arg(k) + QStringLiteral(", gefunden"));
        QCOMPARE(s.karte(p)->zugangsname(),
                 QStringLiteral("Karte %1: %2, gefunden").arg(p).arg(s.wort(p)));
    }

    // A picture changed on disk after the list was read, to bytes no decoder reads: the card
    // shows the picture's name, and nothing breaks.
    void kaputtesBildZeigtNamen() {
        FensterSpiel s;
        bilderLaden(s);
        int k = 1;
        while (!s.inhalt(k).bild.endsWith(QLatin1String("roter_hund-2.png")))
            ++k;
        QVERIFY(dateiSchreiben(s.ordner.filePath(bilddatei(2)), "kein Bild"));
        const Bildmeldungen meldungen(s.fenster);
        s.fenster.groesse().stufeWechseln(1); // a new size: decoded afresh
        QVERIFY(meldungen.abwarten(s.memo));
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
};

QTEST_MAIN(TstBildkarten)
#include "tst_bildkarten.moc"
