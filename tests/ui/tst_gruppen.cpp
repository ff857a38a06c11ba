// Group play in the windows: the strip below the board at every size and gone without groups,
// the window "Gruppenspiel" by mouse, keys and double-clicks, the finder's mark on found cards,
// and what screen readers learn of the turn. On a projector's screen of 1920 x 1080.
#include "look/gruppenbild.h"
#include "tests/support/fensterhilfe.h"
#include "tests/support/systemtasten.h"
#include "ui/brettlage.h"
#include "ui/extras.h"
#include "ui/gruppenfenster.h"
#include "ui/gruppenstreifen.h"
#include "ui/massstab.h"
#include "ui/vergroesserung.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

using namespace vun;
using namespace vun::test;

namespace {

QList<QPair<QObject*, QAccessible::Event>> meldungen;
void mitschreiben(QAccessibleEvent* ereignis) {
    meldungen.append({ereignis->object(), ereignis->type()});
}

void gruppenStarten(FensterSpiel& s, int zahl) {
    QStringList namen;
    for (int g = 1; g <= zahl; ++g)
        namen.append(gruppenfarbname(g));
    s.memo.gruppenspielStarten(namen, false);
}

QList<QRect> kartenorte(FensterSpiel& s) {
    QList<QRect> orte;
    for (int k = 1; k <= s.memo.kartenzahl(); ++k)
        orte.append(s.karte(k)->geometry());
    return orte;
}

// A card that is not card 1's partner.
int keinPartner(FensterSpiel& s) {
    return s.partner(1) == 2 ? 3 : 2;
}

} // namespace

class TstGruppen : public QObject {
    Q_OBJECT
private slots:
    // The strip comes below the board, the cards keep their places and the window grows by the
    // strip; its text is no smaller than the cards' words. One player again: all as before.
    void streifenUnterDemBrett_data() {
        QTest::addColumn<bool>("quadrate");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<int>("gruppen");
        QTest::newRow("Streifen 100 %") << false << 0 << 3;
        QTest::newRow("Streifen 200 %, sechs") << false << 3 << 6;
        QTest::newRow("Quadrate 150 %") << true << 2 << 2;
    }
    void streifenUnterDemBrett() {
        QFETCH(bool, quadrate);
        QFETCH(int, zoom);
        QFETCH(int, gruppen);
        FensterSpiel s;
        if (quadrate)
            s.memo.brettformWaehlen(Brettform::Quadrate);
        for (int i = 0; i < zoom; ++i)
            s.fenster.groesse().stufeWechseln(1);
        const QSize vorher = s.fenster.size();
        const QList<QRect> orte = kartenorte(s);
        gruppenStarten(s, gruppen);
        ui::Gruppenstreifen* streifen = s.fenster.gruppenstreifen();
        QVERIFY(streifen && streifen->isVisible());
        QCOMPARE(kartenorte(s), orte);
        const double f = s.fenster.groesse().faktor();
        const QSize entwurf = ui::brettEntwurf(s.memo.brettform(), s.memo.paarzahl(), gruppen);
        QCOMPARE(s.fenster.size(), ui::skaliert(entwurf, f));
        for (const QRect& karte : orte)
            QVERIFY(karte.bottom() < streifen->y());
        QVERIFY(s.fenster.rect().contains(streifen->geometry()));
        const int zeile = streifen->height() / streifenzeilen(gruppen);
        QVERIFY2(zeile / 2 >= s.karte(1)->font().pixelSize(),
                 qPrintable(QStringLiteral("%1 px").arg(zeile / 2)));
        s.memo.alleinSpielen();
        QCOMPARE(s.fenster.size(), vorher);
        QCOMPARE(kartenorte(s), orte);
        QVERIFY(streifen->isHidden());
    }

    // Squares filling the screen leave the strip its place along the foot.
    void vollbildQuadrate() {
        FensterSpiel s;
        s.memo.brettformWaehlen(Brettform::Quadrate);
        gruppenStarten(s, 3);
        s.fenster.extras().aktion(ui::Extra::Vollbild)->trigger();
        QTRY_COMPARE(s.fenster.size(), QSize(1920, 1080));
        const QRect streifen = s.fenster.gruppenstreifen()->geometry();
        QVERIFY(s.fenster.rect().contains(streifen));
        for (int k = 1; k <= s.memo.kartenzahl(); ++k)
            QVERIFY(s.karte(k)->geometry().bottom() < streifen.top());
        QVERIFY(streifen.height() / 2 / 2 >=
                ui::skaliert(schrift(13.5, true), s.fenster.groesse().faktor()).pixelSize());
    }

    // The window by mouse: Ctrl+G opens it, a number shows that many names filled with their
    // colours' names, "Los" starts the groups by the names typed (20 characters at most);
    // "Allein spielen" shows only while groups play and ends them; "Abbrechen" changes nothing.
    void fensterPerMaus() {
        FensterSpiel s;
        s.fenster.show();
        taste(s.fenster, Qt::Key_G, Qt::ControlModifier);
        ui::Gruppenfenster& w = s.fenster.gruppenfenster();
        QTRY_VERIFY(w.isVisible());
        QVERIFY(w.alleinknopf()->isHidden());
        QTest::mouseClick(w.zahlknopf(4), Qt::LeftButton);
        QCOMPARE(w.gruppenzahl(), 4);
        QVERIFY(w.namensfeld(4)->isVisible() && w.namensfeld(5)->isHidden());
        QCOMPARE(w.namensfeld(4)->text(), QStringLiteral("Grün"));
        QVERIFY(w.zahlknopf(4)->height() >= 56);
        w.namensfeld(2)->setText(QStringLiteral("Die schlauen Füchse der 3b"));
        QCOMPARE(w.namensfeld(2)->text().size(), MaxGruppenname);
        QTest::mouseClick(w.wechselfeld(), Qt::LeftButton, {},
                          QPoint(8, w.wechselfeld()->height() / 2));
        QTest::mouseClick(w.losknopf(), Qt::LeftButton);
        QVERIFY(w.isHidden());
        const Gruppenspiel& spiel = s.memo.gruppenspiel();
        QCOMPARE(spiel.gruppen().size(), 4);
        QCOMPARE(spiel.gruppe(2).name, QStringLiteral("Die schlauen Füchse"));
        QVERIFY(spiel.nachJedemZug());

        s.fenster.extras().aktion(ui::Extra::Gruppenspiel)->trigger();
        QVERIFY(w.alleinknopf()->isVisible());
        QCOMPARE(w.gruppenzahl(), 4);
        QTest::mouseClick(w.abbrechenknopf(), Qt::LeftButton);
        QCOMPARE(spiel.gruppen().size(), 4);
        s.fenster.extras().aktion(ui::Extra::Gruppenspiel)->trigger();
        QTest::mouseClick(w.alleinknopf(), Qt::LeftButton);
        QVERIFY(!s.memo.gruppenspiel().aktiv());
    }

    // A double-click on "Los" and a held Return each start the groups once: one deal.
    void doppelklickUndGehalteneTaste() {
        FensterSpiel s;
        s.fenster.show();
        ui::Gruppenfenster& w = s.fenster.gruppenfenster();
        QSignalSpy deals(&s.memo, &Memo::gemischt);
        s.fenster.extras().aktion(ui::Extra::Gruppenspiel)->trigger();
        doppelklick(w.losknopf());
        QCOMPARE(deals.size(), 1);
        s.fenster.extras().aktion(ui::Extra::Gruppenspiel)->trigger();
        QTRY_VERIFY(w.isActiveWindow());
        w.namensfeld(1)->setFocus();
        halten(w, Qt::Key_Return);
        QCOMPARE(deals.size(), 2);
        QVERIFY(w.isHidden());
    }

    // A found card wears its finder's colour inside its border; with one player it does not.
    void finderZeichen() {
        FensterSpiel s;
        s.klickKarte(1);
        s.klickKarte(s.partner(1));
        const QColor allein = pixel(s.karte(1), QPoint(2, s.karte(1)->height() / 2));
        gruppenStarten(s, 2);
        s.klickKarte(1);
        s.klickKarte(s.partner(1));
        QCOMPARE(s.memo.karte(1).finder, 1);
        QCOMPARE(pixel(s.karte(1), QPoint(2, s.karte(1)->height() / 2)), farbeVon(gruppenfarbe(1)));
        QVERIFY(allein != farbeVon(gruppenfarbe(1)));
    }

    // Screen readers read the strip as the status bar and are alerted when the turn passes.
    void zugang() {
        // As when a screen reader is listening: Qt passes events on only then.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QAccessible::installUpdateHandler(mitschreiben);
        FensterSpiel s;
        gruppenStarten(s, 3);
        ui::Gruppenstreifen* streifen = s.fenster.gruppenstreifen();
        QAccessibleInterface* z = QAccessible::queryAccessibleInterface(streifen);
        QVERIFY(z);
        QCOMPARE(z->role(), QAccessible::StatusBar);
        QCOMPARE(z->text(QAccessible::Name),
                 QStringLiteral("Rot ist dran. Rot 0 · Blau 0 · Gelb 0"));
        meldungen.clear();
        s.klickKarte(1);
        s.klickKarte(keinPartner(s));
        QVERIFY(meldungen.contains({streifen, QAccessible::Alert}));
        QCOMPARE(z->text(QAccessible::Name),
                 QStringLiteral("Blau ist dran. Rot 0 · Blau 0 · Gelb 0"));
        QAccessible::installUpdateHandler(nullptr);
    }
};

QTEST_MAIN(TstGruppen)
#include "tst_gruppen.moc"
