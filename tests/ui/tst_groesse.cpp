// The main window zoomed in steps and full screen, on a screen of 1920 x 1080 (the platform's
// screen is set where the test is registered).
#include "game/befehlszeile.h"
#include "tests/support/dialoghilfe.h"
#include "tests/support/systemtasten.h"
#include "tests/support/tastenhilfe.h"
#include "ui/programm.h"
#include "ui/schaltflaeche.h"
#include "ui/vergroesserung.h"

#include <QMessageBox>
#include <QScreen>
#include <QWheelEvent>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

using namespace vun;
using namespace vun::test;

namespace {

constexpr QSize Entwurf(507, 386);
constexpr int Kopf = 20; // the caption's strip above the board in full screen

// Card n where the design puts it, in pixels at 100 %.
QRect entwurfsrahmen(int karte) {
    const int spalte = (karte - 1) / 9, zeile = (karte - 1) % 9;
    return QRect((960 + 3240 * spalte) / 15, (240 + 600 * zeile) / 15, 3135 / 15, 495 / 15);
}

QRect mal(QRect r, double f) {
    return QRect(qRound(r.x() * f), qRound(r.y() * f), qRound(r.width() * f),
                 qRound(r.height() * f));
}

// As from a keyboard: Ctrl goes down first and up last, and reaches the focused card itself.
void zoomen(QWidget& fenster, Qt::Key k, int mal = 1) {
    tastenereignis(fenster, QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
    for (int i = 0; i < mal; ++i)
        taste(fenster, k, Qt::ControlModifier);
    tastenereignis(fenster, QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier);
}

// The wheel turned over the widget, delivered as the window system does, to the widget under the
// pointer and on to its parents.
void rad(QWidget* ueber, int winkel, Qt::KeyboardModifiers mod = Qt::ControlModifier) {
    const QPoint p = ueber->mapTo(ueber->window(), ueber->rect().center());
    QWindowSystemInterface::handleWheelEvent(ueber->window()->windowHandle(), p,
                                             ueber->window()->mapToGlobal(p), {}, QPoint(0, winkel),
                                             mod);
    QWindowSystemInterface::flushWindowSystemEvents();
}

// What the window shows: its place, every widget's place and font, and every pixel.
struct Aufnahme {
    QRect fenster;
    QList<QRect> rahmen;
    QList<QFont> schriften;
    QImage bild;
    bool operator==(const Aufnahme&) const = default;
};

Aufnahme aufnahme(QWidget& fenster) {
    Aufnahme a{fenster.geometry(), {}, {}, fenster.grab().toImage()};
    for (QWidget* w : fenster.findChildren<QWidget*>()) {
        a.rahmen.append(w->geometry());
        a.schriften.append(w->font());
    }
    return a;
}

} // namespace

class TstGroesse : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(1920, 1080)); }

    // Every card at its design rectangle times the factor, the window centred on the screen; at
    // 200 % every widget exactly twice its place and font.
    void kartenBeiStufen_data() {
        QTest::addColumn<int>("schritte");
        QTest::addColumn<double>("faktor");
        QTest::newRow("125") << 1 << 1.25;
        QTest::newRow("200") << 3 << 2.0;
    }
    void kartenBeiStufen() {
        QFETCH(int, schritte);
        QFETCH(double, faktor);
        TastenSpiel s;
        const QList<QWidget*> teile = s.fenster.findChildren<QWidget*>();
        const Aufnahme vorher = aufnahme(s.fenster);
        zoomen(s.fenster, Qt::Key_Plus, schritte);
        QCOMPARE(s.fenster.groesse().stufe(), qRound(faktor * 100));
        const QSize groesse = mal(QRect(QPoint(), Entwurf), faktor).size();
        QCOMPARE(
            s.fenster.geometry(),
            QRect(QPoint((1920 - groesse.width()) / 2, (1080 - groesse.height()) / 2), groesse));
        for (int k = 1; k <= 18; ++k)
            QCOMPARE(s.karte(k)->geometry(), mal(entwurfsrahmen(k), faktor));
        if (faktor != 2.0)
            return;
        for (int i = 0; i < teile.size(); ++i) {
            if (teile.at(i)->parentWidget() == &s.fenster)
                QCOMPARE(teile.at(i)->geometry(), mal(vorher.rahmen.at(i), 2));
            QCOMPARE(teile.at(i)->font().pixelSize(), 2 * vorher.schriften.at(i).pixelSize());
        }
    }

    // Full screen: the design and the caption's strip above it as large as fits, centred, the
    // rest in the window's colour; the caption shows the title the player's name changes. F11 or
    // Escape brings back the window exactly as it was, without the caption.
    void vollbildUndZurueck() {
        TastenSpiel s;
        s.klickKarte(1);
        const Aufnahme vorher = aufnahme(s.fenster);
        auto* kopf = s.fenster.findChild<QLabel*>(QStringLiteral("Titelzeile"));
        QVERIFY(kopf && !kopf->isVisible());
        for (const Qt::Key zurueck : {Qt::Key_F11, Qt::Key_Escape}) {
            taste(s.fenster, Qt::Key_F11);
            QVERIFY(s.fenster.isFullScreen());
            // The window system gives the window the screen in its own time.
            QTRY_COMPARE_WITH_TIMEOUT(s.fenster.geometry(), QRect(0, 0, 1920, 1080), 5000);
            const QSize gesamt = Entwurf + QSize(0, Kopf);
            const double f = std::min(1920.0 / gesamt.width(), 1080.0 / gesamt.height());
            const QSize belegt = mal(QRect(QPoint(), gesamt), f).size();
            const QPoint versatz((1920 - belegt.width()) / 2, (1080 - belegt.height()) / 2);
            QVERIFY(versatz.x() > 200);
            const QPoint brett = versatz + QPoint(0, qRound(Kopf * f));
            for (int k = 1; k <= 18; ++k)
                QCOMPARE(s.karte(k)->geometry(), mal(entwurfsrahmen(k), f).translated(brett));
            QVERIFY(kopf->isVisible());
            QCOMPARE(kopf->geometry(),
                     mal(QRect(0, 0, Entwurf.width(), Kopf), f).translated(versatz));
            QCOMPARE(kopf->text(), s.memo.fenstertitel());
            QVERIFY(kopf->geometry().bottom() < s.karte(1)->geometry().top());
            QCOMPARE(pixel(kopf, QPoint(2, 2)), QColor(192, 255, 255));
            s.dialoge.eingaben = {zurueck == Qt::Key_F11 ? "Lea" : "Tim"};
            s.klickBild(2);
            QVERIFY(kopf->text().endsWith(zurueck == Qt::Key_F11 ? "Lea" : "Tim"));
            QCOMPARE(kopf->text(), s.memo.fenstertitel());
            QCOMPARE(pixel(&s.fenster, QPoint(5, 5)), QColor(192, 255, 255));
            QCOMPARE(pixel(&s.fenster, QPoint(1915, 1075)), QColor(192, 255, 255));
            zoomen(s.fenster, Qt::Key_Plus); // no steps in full screen
            QCOMPARE(s.fenster.groesse().stufe(), 100);
            taste(s.fenster, zurueck);
            QVERIFY(!s.fenster.isFullScreen());
            QVERIFY(!kopf->isVisible());
            QTRY_VERIFY_WITH_TIMEOUT(aufnahme(s.fenster) == vorher, 5000);
        }
        taste(s.fenster, Qt::Key_Escape); // outside full screen Escape is no key of the zoom
        QCOMPARE(s.fenster.geometry(), vorher.fenster);
        QVERIFY(!s.fenster.isFullScreen());
    }

    // Steps up to the largest that fits 1920 x 1080 and no further; back at 100 % the window is
    // the design to the pixel. A player of the mouse who zooms sees no focus mark.
    void groessteStufeUndZurueck() {
        TastenSpiel s;
        s.fenster.mittigSetzen();
        s.klickKarte(1);
        const Aufnahme vorher = aufnahme(s.fenster);
        zoomen(s.fenster, Qt::Key_Plus, 4);
        QCOMPARE(s.fenster.groesse().stufe(), 250);
        QVERIFY(!s.karte(1)->fokusSichtbar());
        const Aufnahme groesste = aufnahme(s.fenster);
        zoomen(s.fenster, Qt::Key_Plus);
        taste(s.fenster, Qt::Key_Equal, Qt::ControlModifier);
        QVERIFY(aufnahme(s.fenster) == groesste);
        zoomen(s.fenster, Qt::Key_Minus);
        QCOMPARE(s.fenster.groesse().stufe(), 200);
        zoomen(s.fenster, Qt::Key_0);
        QCOMPARE(s.fenster.groesse().stufe(), 100);
        QVERIFY(aufnahme(s.fenster) == vorher);
    }

    // A held key acts once, whether Qt marks its repeats or X11 sends them as release and press
    // with one time stamp.
    void gehalteneTasteWirktEinmal() {
        TastenSpiel s;
        ui::Vergroesserung& g = s.fenster.groesse();
        halten(s.fenster, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(g.stufe(), 125);
        halten(s.fenster, Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(g.stufe(), 150);
        halten(s.fenster, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(g.stufe(), 125);
        halten(s.fenster, Qt::Key_F11);
        QVERIFY(g.vollbild());
        halten(s.fenster, Qt::Key_F11);
        QVERIFY(!g.vollbild());
    }

    // Ctrl with the wheel over a card or the file list; half notches add up; the wheel alone
    // leaves the size.
    void mausrad() {
        TastenSpiel s;
        rad(s.karte(5), 120);
        QCOMPARE(s.fenster.groesse().stufe(), 125);
        rad(s.karte(5), 60);
        rad(s.bild(2), 60);
        QCOMPARE(s.fenster.groesse().stufe(), 150);
        s.klickBild(5);
        QWidget* liste = s.fenster.dateiliste()->viewport();
        rad(liste, -120);
        QCOMPARE(s.fenster.groesse().stufe(), 125);
        rad(liste, -120, Qt::NoModifier);
        QCOMPARE(s.fenster.groesse().stufe(), 125);
    }

    // The information window and the boxes come at the zoom, the file list's entries too; the
    // keys act with the list holding the focus.
    void boxenUndInfoFolgen() {
        TastenSpiel s;
        s.klickBild(5);
        ui::Dateiliste* liste = s.fenster.dateiliste();
        liste->setFocus();
        QCOMPARE(s.fokus(), liste);
        zoomen(s.fenster, Qt::Key_Plus, 3);
        QCOMPARE(s.fenster.groesse().stufe(), 200);
        QCOMPARE(liste->item(0)->font().pixelSize(), liste->font().pixelSize());
        s.klickBild(6);
        ui::Infofenster* info = s.fenster.infofenster();
        QCOMPARE(info->size(), QSize(468, 454));
        auto* okay = info->findChild<QWidget*>(QStringLiteral("Bezeichnung1"));
        QCOMPARE(okay->geometry(), QRect(32, 320, 290, 82));
        QCOMPARE(okay->font().pixelSize(), 48);
        // The keys are the main window's: the player comes back to it.
        s.fenster.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s.fenster));
        zoomen(s.fenster, Qt::Key_0);
        QCOMPARE(info->size(), QSize(234, 227));

        EchtesSpiel echt;
        for (int i = 0; i < 3; ++i)
            echt.fenster.groesse().stufeWechseln(1);
        const QFont normal = QApplication::font();
        QFont gezeigt;
        QSize frage;
        beimDialog([&](QWidget* box) {
            gezeigt = box->font();
            frage = static_cast<QMessageBox*>(box)->iconPixmap().size();
        });
        echt.klickBild(4); // "Mit einem neuen Spiel beginnen?"
        if (normal.pixelSize() > 0)
            QCOMPARE(gezeigt.pixelSize(), 2 * normal.pixelSize());
        else
            QCOMPARE(gezeigt.pointSizeF(), 2 * normal.pointSizeF());
        const int seite = 2 * QApplication::style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
        QCOMPARE(frage, QSize(seite, seite));
    }

    // "--vollbild" starts full screen, before the start-up list is loaded; it names no file.
    void vollbildstart() {
        const Befehlszeile befehl = befehlszeileLesen({"vun-memory", "--vollbild", "LISTE.TXT"});
        QVERIFY(befehl.vollbild);
        QCOMPARE(befehl.liste, QStringLiteral("LISTE.TXT"));
        QVERIFY(!befehlszeileLesen({"vun-memory", "LISTE.TXT"}).vollbild);
        FensterSpiel s(Spiel::standardWoerter(), Boxen::Skript, {.vollbild = true});
        ui::Hauptfenster& fenster = s.fenster;
        QVERIFY(fenster.isFullScreen());
        QCOMPARE(fenster.karte(1)->geometry().height(), qRound(33 * 1080.0 / (386 + Kopf)));
    }
};

QTEST_MAIN(TstGroesse)
#include "tst_groesse.moc"
