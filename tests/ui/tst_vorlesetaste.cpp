// Reading aloud in the program's window: Ctrl+L held acts once, a double-click on a card speaks
// once, and nothing of speech is loaded while it is off.
#include "tests/support/systemtasten.h"
#include "tests/support/tastenhilfe.h"

#include "ui/extras.h"
#include "voice/sprecherladen.h"

#include <QAction>
#include <QFile>

using namespace vun;
using namespace vun::test;

namespace {

struct Vorlesefenster : TastenSpiel {
    QAction* schalter() const { return fenster.extras().aktion(ui::Extra::Vorlesen); }
    QStringList gesagt() const { return stimmen.zuletzt ? stimmen.zuletzt->gesagt : QStringList(); }
    void strgLHalten() { halten(fenster, Qt::Key_L, Qt::ControlModifier); }
    // The loudspeaker the window shows while reading aloud is on, found as a screen reader does.
    bool zeichenZuSehen() const {
        for (const QWidget* w : fenster.findChildren<QWidget*>())
            if (w->accessibleName() == QStringLiteral("Vorlesen an"))
                return w->isVisible() && fenster.rect().contains(w->geometry());
        return false;
    }
};

bool geladen(const char* name) {
    QFile karte(QStringLiteral("/proc/self/maps"));
    return karte.open(QIODevice::ReadOnly) && karte.readAll().contains(name);
}

} // namespace

class TstVorlesetaste : public QObject {
    Q_OBJECT
private slots:
    // A held Ctrl+L switches once, the entry's check and the window's loudspeaker follow; a
    // double-click and a held Space on a card each say its word once.
    void einmalProEingabe() {
        Vorlesefenster s;
        QVERIFY(!s.schalter()->isChecked());
        QVERIFY(!s.zeichenZuSehen());
        s.strgLHalten();
        QVERIFY(s.schalter()->isChecked());
        QVERIFY(s.zeichenZuSehen());

        doppelklick(s.karte(1));
        QCOMPARE(s.gesagt(), QStringList{s.wort(1)});
        const int b = s.andereKarte(1);
        s.karte(b)->setFocus(Qt::TabFocusReason);
        QKeyEvent druck(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QKeyEvent wieder(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                         true);
        for (QKeyEvent* e : {&druck, &wieder, &wieder})
            QApplication::sendEvent(s.karte(b), e);
        QCOMPARE(s.gesagt(), (QStringList{s.wort(1), s.wort(b)}));

        s.strgLHalten();
        QVERIFY(!s.schalter()->isChecked());
        QVERIFY(!s.zeichenZuSehen());
        QCOMPARE(s.stimmen.zuletzt->verstummt, 1);
        QCOMPARE(s.stimmen.gemacht, 1);
    }

    // Where no voice can speak, the entry stays unchecked after its one box.
    void keineStimmeBleibtAus() {
        Vorlesefenster s;
        s.stimmen.vorlage.fehlt = Sprachhindernis::KeineDeutscheStimme;
        s.schalter()->trigger();
        QVERIFY(!s.schalter()->isChecked());
        QVERIFY(!s.zeichenZuSehen());
        QCOMPARE(s.dialoge.gezeigt.size(), 1);
    }

    // A game played with reading aloud off loads no speech library; a module that is missing or
    // is no module is told, naming the package to install.
    void nichtsGeladenSolangeAus() {
        {
            Spielgrundlage g(Spielgrundlage::standardWoerter());
            ui::Programm p(ui::Startort{QDir(g.ordner.path()), {}},
                           {.dialoge = &g.dialoge, .zufall = &g.zufall});
            p.starten();
            QTest::mouseClick(p.fenster().karte(1), Qt::LeftButton);
            QTest::mouseClick(p.fenster().karte(2), Qt::LeftButton);
        }
        QVERIFY(!geladen("TextToSpeech"));
        QVERIFY(!geladen("vun-memory-sprecher"));

        QTemporaryDir ordner;
        const QString keinModul = ordner.filePath("vun-memory-sprecher.so");
        QVERIFY(dateiSchreiben(keinModul, "kein Modul"));
        for (const auto& [orte, grund] :
             {std::pair{QStringList{ordner.filePath("fehlt.so")}, Sprachhindernis::KeinModul},
              std::pair{QStringList{keinModul}, Sprachhindernis::ModulOhneQt}}) {
            std::optional<Sprachhindernis> h;
            sprecherLaden(orte)->vorbereiten([&](std::optional<Sprachhindernis> g) { h = g; });
            QVERIFY(h == grund);
        }
    }
};

QTEST_MAIN(TstVorlesetaste)
#include "tst_vorlesetaste.moc"
