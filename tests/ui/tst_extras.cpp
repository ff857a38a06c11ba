// The menu of the extras: opened by a right click or a long touch outside the cards, each entry
// doing what its key does, at the window's zoom, on a screen of 1920 x 1080.
#include "tests/support/dialoghilfe.h"
#include "ui/vergroesserung.h"

#include <QMenu>
#include <QPrintDialog>
#include <QScreen>
#include <QSignalSpy>
#include <QStyleHints>

using namespace vun;
using namespace vun::test;

namespace {

// A place on the window's background, below the left column of cards.
QPoint frei(const FensterSpiel& s) {
    return s.karte(9)->geometry().bottomLeft() + QPoint(20, 4);
}

QMenu* menue() {
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

QMenu* rechtsklick(FensterSpiel& s, QPoint p) {
    QTest::mouseClick(s.fenster.windowHandle(), Qt::RightButton, {}, p);
    return menue();
}

QStringList eintraege(const QMenu* m) {
    QStringList texte;
    for (const QAction* a : m->actions())
        texte.append(a->text());
    return texte;
}

void waehlen(QMenu* m, int eintrag) {
    QAction* a = m->actions().at(eintrag);
    QTest::mouseClick(m, Qt::LeftButton, {}, m->actionGeometry(a).center());
    QCoreApplication::processEvents();
}

} // namespace

class TstExtras : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(1920, 1080)); }

    // At the pointer on the background, the tool column and the file list, every entry with its
    // key; on a card nothing, as a card is the game's.
    void rechtsklickOeffnet() {
        FensterSpiel s;
        QMenu* m = rechtsklick(s, frei(s));
        QVERIFY(m);
        QCOMPARE(eintraege(m), (QStringList{"Vollbild\tF11", "Größer\tStrg++", "Kleiner\tStrg+-",
                                            "Normale Größe\tStrg+0", "Karten drucken\tStrg+P"}));
        QCOMPARE(m->pos(), s.fenster.mapToGlobal(frei(s)));
        m->close();
        s.klickBild(5);
        for (QWidget* w : {s.bild(3), static_cast<QWidget*>(s.fenster.dateiliste())}) {
            QVERIFY2(rechtsklick(s, w->geometry().center()), qPrintable(w->objectName()));
            menue()->close();
        }
        QVERIFY(!rechtsklick(s, s.karte(4)->geometry().center()));
        QVERIFY(s.dialoge.gezeigt.isEmpty());
    }

    // A finger resting on the background opens it and may then be lifted; a tap, a finger that
    // moves on or one on a card does not.
    void langeBeruehrung() {
        FensterSpiel s;
        QPointingDevice* finger = QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);
        QWindow* fenster = s.fenster.windowHandle();
        const int halten = QGuiApplication::styleHints()->mousePressAndHoldInterval();
        const auto beruehren = [&](QPoint p, QPoint weiter, int dauer) {
            QTest::touchEvent(fenster, finger).press(0, p);
            if (weiter != p)
                QTest::touchEvent(fenster, finger).move(0, weiter);
            QTest::qWait(dauer);
            QTest::touchEvent(fenster, finger).release(0, weiter);
            QCoreApplication::processEvents();
            QMenu* m = menue();
            if (m)
                m->close();
            return m != nullptr;
        };
        QVERIFY(!beruehren(frei(s), frei(s), halten / 4));
        QVERIFY(!beruehren(frei(s), frei(s) + QPoint(0, 40), halten + 200));
        QVERIFY(!beruehren(s.karte(4)->geometry().center(), s.karte(4)->geometry().center(),
                           halten + 200));
        QVERIFY(beruehren(frei(s), frei(s), halten + 200));
    }

    // Each entry acts as its key, once the menu is gone; the menu comes at the zoom.
    void eintraegeWieTasten() {
        FensterSpiel s;
        ui::Vergroesserung& g = s.fenster.groesse();
        const QFont normal = QApplication::font(rechtsklick(s, frei(s)));
        waehlen(menue(), 1); // larger
        QCOMPARE(g.stufe(), 125);
        waehlen(rechtsklick(s, frei(s)), 1);
        waehlen(rechtsklick(s, frei(s)), 2); // smaller
        QCOMPARE(g.stufe(), 125);
        waehlen(rechtsklick(s, frei(s)), 1);
        QCOMPARE(g.stufe(), 150);
        QMenu* m = rechtsklick(s, frei(s));
        if (normal.pixelSize() > 0)
            QCOMPARE(m->font().pixelSize(), qRound(1.5 * normal.pixelSize()));
        else
            QCOMPARE(m->font().pointSizeF(), 1.5 * normal.pointSizeF());
        waehlen(m, 3); // normal size
        QCOMPARE(g.stufe(), 100);
        waehlen(rechtsklick(s, frei(s)), 0); // full screen
        QVERIFY(g.vollbild());
        QTRY_COMPARE_WITH_TIMEOUT(s.fenster.geometry(), QRect(0, 0, 1920, 1080), 5000);
        waehlen(rechtsklick(s, frei(s)), 0);
        QVERIFY(!g.vollbild());
        QSignalSpy drucken(&s.fenster, &ui::Hauptfenster::druckenVerlangt);
        QString dialog;
        beimDialog([&](QWidget* box) { dialog = box->windowTitle(); });
        waehlen(rechtsklick(s, frei(s)), 4);
        QCOMPARE(drucken.size(), 1);
        QCOMPARE(dialog, QStringLiteral("Karten drucken"));
        QVERIFY(!menue());
    }
};

QTEST_MAIN(TstExtras)
#include "tst_extras.moc"
