// The board the window lays out: strips or squares for four to nine pairs, at 100 % and filling
// a screen of 1920 x 1080 (set where the test is registered), switched by the extras and walked
// with the arrow keys.
#include "tests/support/kartenbilder.h"
#include "tests/support/rotebilder.h"
#include "tests/support/tastenhilfe.h"
#include "ui/brettlage.h"
#include "ui/extras.h"
#include "ui/vergroesserung.h"

#include <QAction>

using namespace vun;
using namespace vun::test;

namespace {

// Cards 1 to 2P lie in reading order, one row after another, none over another, all inside.
void gitterPruefen(const QList<QRect>& karten, QRect innen, int spalten) {
    for (int i = 0; i < karten.size(); ++i) {
        const QRect k = karten.at(i);
        QVERIFY2(innen.contains(k), qPrintable(QStringLiteral("Karte %1").arg(i + 1)));
        const double seiten = double(k.width()) / k.height();
        QVERIFY2(seiten > 0.5 && seiten < 2, qPrintable(QStringLiteral("Karte %1").arg(i + 1)));
        for (int j = 0; j < i; ++j)
            QVERIFY(!karten.at(j).intersects(k));
        if (i % spalten)
            QVERIFY(k.left() > karten.at(i - 1).right() && k.top() == karten.at(i - 1).top());
        else if (i)
            QVERIFY(k.top() > karten.at(i - 1).bottom() && k.left() == karten.at(0).left());
    }
}

QList<QRect> rahmen(FensterSpiel& s) {
    QList<QRect> r;
    for (int k = 1; k <= s.memo.kartenzahl(); ++k)
        r.append(s.karte(k)->geometry());
    return r;
}

// The red picture an open card shows, as drawn.
QSize rotAufKarte(ui::Karte* karte) {
    const QImage bild = karte->grab().toImage();
    QRect rot;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (istRot(bild.pixelColor(x, y)))
                rot |= QRect(x, y, 1, 1);
    return rot.size();
}

QAction* paare(FensterSpiel& s, int zahl) {
    ui::Extras& e = s.fenster.extras();
    for (QAction* a : e.auswahl(e.aktion(ui::Extra::Paare)))
        if (a->data().toInt() == zahl)
            return a;
    return nullptr;
}

} // namespace

class TstBrett : public QObject {
    Q_OBJECT
private slots:
    // At 100 % the window as large as its grid of square cards, from 4 x 2 to 6 x 3.
    void quadrateImEntwurf_data() {
        QTest::addColumn<int>("paare");
        QTest::addColumn<QSize>("fenster");
        QTest::newRow("4") << 4 << QSize(661, 386);
        QTest::newRow("6") << 6 << QSize(661, 466);
        QTest::newRow("8") << 8 << QSize(661, 613);
        QTest::newRow("9") << 9 << QSize(955, 466);
    }
    void quadrateImEntwurf() {
        QFETCH(int, paare);
        QFETCH(QSize, fenster);
        QCOMPARE(ui::brettEntwurf(Brettform::Quadrate, paare), fenster);
        QList<QRect> karten;
        for (int k = 1; k <= 2 * paare; ++k)
            karten.append(ui::kartenrahmen(Brettform::Quadrate, paare, k));
        const QRect brett(ui::Brettlinks, 0, fenster.width() - ui::Brettlinks, fenster.height());
        gitterPruefen(karten, brett, raster(Brettform::Quadrate, paare).spalten);
        QCOMPARE(karten.first().width(), karten.first().height());
    }

    // A picture list comes on squares: a 4:3 picture at least 96 pixels high at 100 %; in full
    // screen the cards fill what the caption and the tool column leave, and back at 100 % the
    // window is as before.
    void bilderAufQuadraten() {
        FensterSpiel s;
        const Bildmeldungen meldungen(s.fenster);
        QVERIFY(bilderSchreiben(s.ordner.path(), {400, 300}));
        s.datei(QStringLiteral("BILDER.TXT"), bilderliste());
        s.memo.Datei1_Click(QStringLiteral("BILDER.TXT"));
        QCOMPARE(s.memo.brettform(), Brettform::Quadrate);
        QCOMPARE(s.fenster.size(), QSize(955, 466));
        gitterPruefen(rahmen(s), s.fenster.rect(), 6);
        int k = 1;
        while (!s.inhalt(k).istBild())
            ++k;
        QVERIFY(meldungen.abwarten(s.memo));
        s.klickKarte(k);
        ausmalen();
        const QSize bild = rotAufKarte(s.karte(k));
        QVERIFY2(bild.width() == 130 && bild.height() >= 96, "4:3 at 100 %");

        const QRect vorher = s.fenster.geometry();
        s.fenster.groesse().vollbildSetzen(true);
        QTRY_COMPARE_WITH_TIMEOUT(s.fenster.geometry(), QRect(0, 0, 1920, 1080), 5000);
        const QRect frei(QPoint(s.teil(QStringLiteral("Figur1"))->geometry().right() + 1,
                                s.teil(QStringLiteral("Titelzeile"))->geometry().bottom() + 1),
                         QPoint(1919, 1079));
        gitterPruefen(rahmen(s), frei, 6);
        QVERIFY(s.karte(18)->geometry().right() >= 1920 - 12);
        QVERIFY(s.karte(18)->geometry().bottom() >= 1080 - 12);
        QVERIFY(meldungen.abwarten(s.memo));
        ausmalen();
        QVERIFY2(rotAufKarte(s.karte(k)).height() >= 210, "4:3 in full screen");
        s.fenster.groesse().vollbildSetzen(false);
        QTRY_COMPARE_WITH_TIMEOUT(s.fenster.geometry(), vorher, 5000);
    }

    // The two extras switch the board: fewer pairs hide the cards beyond them, the focus among
    // them included; Große Karten gives a list of words squares and takes them back.
    void extrasSchaltenDasBrett() {
        FensterSpiel s;
        s.karte(12)->setFocus();
        paare(s, 4)->trigger();
        QCOMPARE(s.memo.paarzahl(), 4);
        for (int n : Paarzahlen)
            QCOMPARE(paare(s, n)->isChecked(), n == 4);
        for (int k = 1; k <= Kartenzahl; ++k)
            QCOMPARE(s.karte(k)->isVisible(), k <= 8);
        QCOMPARE(s.fenster.focusWidget(), s.karte(1));
        QCOMPARE(s.fenster.size(), QSize(507, 386));
        QCOMPARE(s.karte(5)->geometry(), ui::kartenrahmen(Brettform::Streifen, 9, 10));

        QAction* gross = s.fenster.extras().aktion(ui::Extra::GrosseKarten);
        QVERIFY(!gross->isChecked());
        gross->trigger();
        QCOMPARE(s.memo.brettform(), Brettform::Quadrate);
        QVERIFY(gross->isChecked());
        QCOMPARE(s.fenster.size(), QSize(661, 386));
        gitterPruefen(rahmen(s), s.fenster.rect(), 4);
        gross->trigger();
        paare(s, 9)->trigger();
        QVERIFY(!gross->isChecked());
        QCOMPARE(s.fenster.size(), QSize(507, 386));
        for (int k = 1; k <= Kartenzahl; ++k) {
            QVERIFY(s.karte(k)->isVisible());
            QCOMPARE(s.karte(k)->geometry(), ui::kartenrahmen(Brettform::Streifen, 9, k));
        }
    }

    // On squares the arrows walk the grid in reading order and stop at its edges, the cards
    // beyond the board out of reach.
    void pfeileImGitter() {
        TastenSpiel s;
        s.fenster.extras().aktion(ui::Extra::GrosseKarten)->trigger();
        QCOMPARE(s.fokuskarte(), 1);
        const auto gehe = [&](int taste, int ziel) {
            s.taste(taste);
            QCOMPARE(s.fokuskarte(), ziel);
        };
        gehe(Qt::Key_Right, 2);
        gehe(Qt::Key_Down, 8);
        gehe(Qt::Key_Down, 14);
        gehe(Qt::Key_Down, 14);
        gehe(Qt::Key_Left, 13);
        gehe(Qt::Key_Left, 13);
        paare(s, 6)->trigger();
        gehe(Qt::Key_Down, 5);
        gehe(Qt::Key_Down, 9);
        gehe(Qt::Key_Right, 10);
        gehe(Qt::Key_Right, 11);
        gehe(Qt::Key_Right, 12);
        gehe(Qt::Key_Right, 12);
        gehe(Qt::Key_Down, 12);
    }
};

QTEST_MAIN(TstBrett)
#include "tst_brett.moc"
