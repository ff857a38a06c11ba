// The menu of the extras: opened by a right click or a long touch outside the cards, each entry
// doing what its key does, at the window's zoom, on a screen of 1920 x 1080.
#include "tests/support/dialoghilfe.h"
#include "tests/support/skript.h"
#include "ui/massstab.h"
#include "ui/vergroesserung.h"

#include <QMenu>
#include <QScreen>
#include <QStyleHints>
#include <memory>

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

void waehlen(FensterSpiel& s, int eintrag) {
    QMenu* m = rechtsklick(s, frei(s));
    QTest::mouseClick(m, Qt::LeftButton, {}, m->actionGeometry(m->actions().at(eintrag)).center());
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
        QStringList texte;
        for (const QAction* a : m->actions())
            texte.append(a->text());
        QCOMPARE(texte,
                 (QStringList{"Vollbild\tF11", "Größer\tStrg++", "Kleiner\tStrg+-",
                              "Normale Größe\tStrg+0", "Karten drucken\tStrg+P", "Vorlesen\tStrg+L",
                              "Große Karten", "Paare", "Gruppenspiel…\tStrg+G"}));
        QCOMPARE(m->pos(), s.fenster.mapToGlobal(frei(s)));
        m->close();
        s.klickBild(5);
        for (QWidget* w : {s.bild(3), static_cast<QWidget*>(s.fenster.dateiliste())}) {
            QVERIFY2(rechtsklick(s, w->geometry().center()), qPrintable(w->objectName()));
            menue()->close();
        }
        QVERIFY(!rechtsklick(s, s.karte(4)->geometry().center()));
    }

    // A finger resting on the background opens it and may then be lifted; a tap, a finger that
    // moves on or one on a card does not.
    void langeBeruehrung() {
        FensterSpiel s;
        // The test owns the device it touches with.
        const std::unique_ptr<QPointingDevice> geraet(
            QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen));
        QPointingDevice* finger = geraet.get();
        const int halten = QGuiApplication::styleHints()->mousePressAndHoldInterval() + 200;
        const auto beruehren = [&](QPoint p, QPoint weiter, int dauer) {
            QTest::touchEvent(s.fenster.windowHandle(), finger).press(0, p);
            QTest::touchEvent(s.fenster.windowHandle(), finger).move(0, weiter);
            QTest::qWait(dauer);
            QTest::touchEvent(s.fenster.windowHandle(), finger).release(0, weiter);
            QCoreApplication::processEvents();
            QMenu* m = menue();
            if (m)
                m->close();
            return m != nullptr;
        };
        const QPoint karte = s.karte(4)->geometry().center();
        QVERIFY(!beruehren(frei(s), frei(s), halten / 4));
        QVERIFY(!beruehren(frei(s), frei(s) + QPoint(0, 40), halten));
        QVERIFY(!beruehren(karte, karte, halten));
        QVERIFY(beruehren(frei(s), frei(s), halten));
    }

    // Each entry acts as its key; the menu comes at the zoom, and Vollbild's mark shows full
    // screen however it came or went.
    void eintraegeWieTasten() {
        FensterSpiel s;
        ui::Vergroesserung& g = s.fenster.groesse();
        const QFont normal = QApplication::font(rechtsklick(s, frei(s)));
        menue()->close();
        for (const auto& [eintrag, stufe] : {std::pair{1, 125}, {1, 150}, {2, 125}, {1, 150}}) {
            waehlen(s, eintrag);
            QCOMPARE(g.stufe(), stufe);
        }
        QCOMPARE(rechtsklick(s, frei(s))->font(), ui::skaliert(normal, 1.5));
        menue()->close();
        waehlen(s, 3);
        QCOMPARE(g.stufe(), 100);
        waehlen(s, 0);
        QVERIFY(g.vollbild());
        QTRY_COMPARE_WITH_TIMEOUT(s.fenster.geometry(), QRect(0, 0, 1920, 1080), 5000);
        QVERIFY(rechtsklick(s, frei(s))->actions().at(0)->isChecked());
        menue()->close();
        waehlen(s, 0);
        QVERIFY(!g.vollbild());
        g.vollbildSetzen(true);
        QVERIFY(rechtsklick(s, frei(s))->actions().at(0)->isChecked());
        menue()->close();
        g.vollbildSetzen(false);
        QVERIFY(!rechtsklick(s, frei(s))->actions().at(0)->isChecked());
        menue()->close();
        QString dialog;
        beimDialog([&](QWidget* box) { dialog = box->windowTitle(); });
        waehlen(s, 4);
        QCOMPARE(dialog, QStringLiteral("Karten drucken"));
    }

    // Vorlesen switches as Ctrl+L does, and the menu shows whether it is on: started with
    // "--vorlesen", from the first moment, while the voice is still got ready.
    void vorlesenSchalten() {
        FensterSpiel s(Spiel::standardWoerter(), Boxen::Skript, {.vorlesen = true});
        // The switch acts once the window stands.
        s.stimmen.vorlage.aufhalten = true;
        QCoreApplication::processEvents();
        QVERIFY(s.stimmen.zuletzt && s.stimmen.zuletzt->wartend);
        QVERIFY(rechtsklick(s, frei(s))->actions().at(5)->isChecked());
        menue()->close();
        s.stimmen.zuletzt->wartend(std::nullopt);
        s.klickKarte(1);
        QCOMPARE(s.stimmen.zuletzt->gesagt, QStringList{s.wort(1)});

        waehlen(s, 5);
        QCOMPARE(s.stimmen.zuletzt->verstummt, 1);
        QVERIFY(!rechtsklick(s, frei(s))->actions().at(5)->isChecked());
        menue()->close();
        waehlen(s, 5);
        QVERIFY(rechtsklick(s, frei(s))->actions().at(5)->isChecked());
        QCOMPARE(s.stimmen.gemacht, 1);
    }
};

QTEST_MAIN(TstExtras)
#include "tst_extras.moc"
