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
#include <map>

using namespace vun;
using namespace vun::test;

namespace {

// The cards lie inside, none over another, near-square, in reading order row by row.
void gitterPruefen(const QList<QRect>& karten, QRect innen, int spalten) {
    for (int i = 0; i < karten.size(); ++i) {
        const QRect k = karten.at(i), vorige = karten.value(i - 1);
        const QByteArray wo = "Karte " + QByteArray::number(i + 1);
        QVERIFY2(innen.contains(k) && k.width() < 2 * k.height() && k.height() < 2 * k.width(), wo);
        for (int j = 0; j < i; ++j)
            QVERIFY2(!karten.at(j).intersects(k), wo);
        if (i % spalten)
            QVERIFY2(k.left() > vorige.right() && k.top() == vorige.top(), wo);
        else if (i)
            QVERIFY2(k.top() > vorige.bottom() && k.left() == karten.first().left(), wo);
    }
}

QList<QRect> rahmen(FensterSpiel& s) {
    QList<QRect> r;
    for (int k = 1; k <= s.memo.kartenzahl(); ++k)
        r.append(s.karte(k)->geometry());
    return r;
}

QAction* paare(FensterSpiel& s, int zahl) {
    const ui::Extras& e = s.fenster.extras();
    for (QAction* a : e.auswahl(e.aktion(ui::Extra::Paare)))
        if (a->data().toInt() == zahl)
            return a;
    return nullptr;
}

} // namespace

class TstBrett : public QObject {
    Q_OBJECT
private slots:
    // At 100 % the window is as large as its grid of square cards, from 4 x 2 to 6 x 3.
    void quadrateImEntwurf() {
        const std::map<int, QSize> fenster{
            {4, {661, 386}}, {6, {661, 466}}, {8, {661, 613}}, {9, {955, 466}}};
        for (const auto& [paare, groesse] : fenster) {
            QCOMPARE(ui::brettEntwurf(Brettform::Quadrate, paare), groesse);
            QList<QRect> karten;
            for (int k = 1; k <= 2 * paare; ++k)
                karten.append(ui::kartenrahmen(Brettform::Quadrate, paare, k));
            gitterPruefen(karten, QRect(QPoint(ui::Brettlinks, 0), groesse),
                          raster(Brettform::Quadrate, paare).spalten);
        }
    }

    // A picture list comes on squares: a 4:3 picture at least 96 pixels high at 100 %; in full
    // screen the cards fill what the caption and the tool column leave, and back at 100 % the
    // window stands as before.
    void bilderAufQuadraten() {
        FensterSpiel s;
        const Bildmeldungen meldungen(s.fenster);
        QVERIFY(bilderSchreiben(s.ordner.path(), {400, 300}));
        s.datei(QStringLiteral("BILDER.TXT"), bilderliste());
        s.memo.Datei1_Click(QStringLiteral("BILDER.TXT"));
        QCOMPARE(s.fenster.size(), QSize(955, 466));
        gitterPruefen(rahmen(s), s.fenster.rect(), 6);
        int k = 1;
        while (!s.inhalt(k).istBild())
            ++k;
        QVERIFY(meldungen.abwarten(s.memo));
        s.klickKarte(k);
        QCOMPARE(roteFlaeche(s.karte(k)->grab().toImage()).size(), QSize(130, 97));

        const QRect vorher = s.fenster.geometry();
        s.fenster.groesse().vollbildSetzen(true);
        QTRY_COMPARE_WITH_TIMEOUT(s.fenster.geometry(), QRect(0, 0, 1920, 1080), 5000);
        const QRect frei(QPoint(s.teil(QStringLiteral("Figur1"))->geometry().right() + 1,
                                s.teil(QStringLiteral("Titelzeile"))->geometry().bottom() + 1),
                         QPoint(1919, 1079));
        gitterPruefen(rahmen(s), frei, 6);
        QVERIFY(s.karte(18)->geometry().bottomRight().x() >= 1920 - 12);
        QVERIFY(s.karte(18)->geometry().bottomRight().y() >= 1080 - 12);
        QVERIFY(meldungen.abwarten(s.memo));
        QVERIFY(roteFlaeche(s.karte(k)->grab().toImage()).height() >= 210);
        s.fenster.groesse().vollbildSetzen(false);
        QTRY_COMPARE_WITH_TIMEOUT(s.fenster.geometry(), vorher, 5000);
    }

    // Fewer pairs hide the cards beyond them, the focused one too; Große Karten gives a list of
    // words squares and takes them back; nine pairs on strips are as they always were.
    void extrasSchaltenDasBrett() {
        FensterSpiel s;
        s.karte(12)->setFocus();
        paare(s, 4)->trigger();
        for (int n : Paarzahlen)
            QCOMPARE(paare(s, n)->isChecked(), n == 4);
        for (int k = 1; k <= Kartenzahl; ++k)
            QCOMPARE(s.karte(k)->isVisible(), k <= 8);
        QCOMPARE(s.fenster.focusWidget(), s.karte(1));
        QCOMPARE(s.karte(5)->geometry(), ui::kartenrahmen(Brettform::Streifen, 9, 10));
        QAction* gross = s.fenster.extras().aktion(ui::Extra::GrosseKarten);
        gross->trigger();
        QVERIFY(gross->isChecked());
        QCOMPARE(s.fenster.size(), QSize(661, 386));
        gitterPruefen(rahmen(s), s.fenster.rect(), 4);
        gross->trigger();
        paare(s, 9)->trigger();
        QVERIFY(!gross->isChecked());
        QCOMPARE(s.fenster.size(), QSize(507, 386));
        for (int k = 1; k <= Kartenzahl; ++k)
            QVERIFY(s.karte(k)->isVisible() &&
                    s.karte(k)->geometry() == ui::kartenrahmen(Brettform::Streifen, 9, k));
    }

    // On squares the arrows walk the grid and stop at its edges and at the last card.
    void pfeileImGitter() {
        TastenSpiel s;
        s.fenster.extras().aktion(ui::Extra::GrosseKarten)->trigger();
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
        gehe(Qt::Key_Right, 6);
        gehe(Qt::Key_Down, 10);
        gehe(Qt::Key_Right, 11);
        gehe(Qt::Key_Right, 12);
        gehe(Qt::Key_Right, 12);
        gehe(Qt::Key_Down, 12);
    }
};

QTEST_MAIN(TstBrett)
#include "tst_brett.moc"
