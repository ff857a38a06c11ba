// Reading aloud in the program's window: Ctrl+L held acts once, a double-click on a card speaks
// once, and nothing of speech is loaded while it is off.
#include "tests/support/tastenhilfe.h"

#include "ui/sprecherladen.h"

#include <QAction>
#include <QFile>

using namespace vun;
using namespace vun::test;

namespace {

struct Vorlesefenster : TastenSpiel {
    Sprecherwerk werk;
    Vorlesefenster() { programm.vorlesen.setzeSprecherquelle(werk.quelle()); }
    QAction* schalter() const { return programm.vorlesenSchalter(); }
    QStringList gesagt() const { return werk.zuletzt ? werk.zuletzt->gesagt : QStringList(); }
    // Ctrl+L pressed, repeated as a held key is, and let go.
    void strgLHalten() {
        QKeyEvent druck(QEvent::KeyPress, Qt::Key_L, Qt::ControlModifier);
        QKeyEvent wieder(QEvent::KeyPress, Qt::Key_L, Qt::ControlModifier, QString(), true);
        QKeyEvent los(QEvent::KeyRelease, Qt::Key_L, Qt::ControlModifier);
        for (QKeyEvent* e : {&druck, &wieder, &wieder, &wieder, &los})
            QApplication::sendEvent(fokus(), e);
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
    // A held Ctrl+L switches once, the entry's check follows; a double-click and a held Space
    // on a card each say its word once.
    void einmalProEingabe() {
        Vorlesefenster s;
        QVERIFY(!s.schalter()->isChecked());
        s.strgLHalten();
        QVERIFY(s.programm.vorlesen.an());
        QVERIFY(s.schalter()->isChecked());

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
        QVERIFY(!s.programm.vorlesen.an());
        QVERIFY(!s.schalter()->isChecked());
        QCOMPARE(s.werk.zuletzt->verstummt, 1);
    }

    // Where no voice can speak, the entry stays unchecked after its one box.
    void keineStimmeBleibtAus() {
        Vorlesefenster s;
        s.werk.vorlage.fehlt = Sprachhindernis{"es gibt keine deutsche Stimme", "paket-x"};
        s.schalter()->trigger();
        QVERIFY(!s.schalter()->isChecked());
        QCOMPARE(s.dialoge.gezeigt.size(), 1);
    }

    // A game played with reading aloud off loads no speech library; a module that is missing or
    // is no module is told, naming the package to install.
    void nichtsGeladenSolangeAus() {
        {
            FensterSpiel s;
            s.klickKarte(1);
            s.klickKarte(2);
        }
        QVERIFY(!geladen("TextToSpeech"));
        QVERIFY(!geladen("vun-memory-sprecher"));

        QTemporaryDir ordner;
        const QString keinModul = ordner.filePath("vun-memory-sprecher.so");
        QVERIFY(dateiSchreiben(keinModul, "kein Modul"));
        for (const auto& [orte, paket] :
             {std::pair{QStringList{ordner.filePath("fehlt.so")}, QStringLiteral("vun-memory")},
              std::pair{QStringList{keinModul}, QStringLiteral("libqt6texttospeech6")}}) {
            std::optional<Sprachhindernis> h;
            ui::sprecherLaden(orte)->vorbereiten([&](std::optional<Sprachhindernis> g) { h = g; });
            QVERIFY(h);
            QCOMPARE(h->paket, paket);
        }
    }
};

QTEST_MAIN(TstVorlesetaste)
#include "tst_vorlesetaste.moc"
