// Clicks as players make them: a double-click is one click, a third click is a new one.
#include "tests/support/fensterhilfe.h"

#include <QSignalSpy>

using namespace vun;
using namespace vun::test;

namespace {

struct Felder {
    QList<int> offen, gefunden;
    bool operator==(const Felder&) const = default;
};
Felder felder(const FensterSpiel& s) {
    return {s.offen(), s.gefunden()};
}

} // namespace

class TstKlicks : public QObject {
    Q_OBJECT
private slots:
    // A double-click on a second card opens it and leaves the pair showing, as one click does.
    void doppelklickAufZweiteKarte() {
        FensterSpiel einfach, doppelt;
        const int x = 1, y = einfach.andereKarte(1);
        einfach.klickKarte(x);
        einfach.klickKarte(y);
        doppelt.klickKarte(x);
        doppelklick(doppelt.karte(y));
        QCOMPARE(doppelt.offeneKarten(), 2);
        QCOMPARE(doppelt.beschriftung(x), doppelt.wort(x));
        QCOMPARE(doppelt.beschriftung(y), doppelt.wort(y));
        QCOMPARE(felder(doppelt), felder(einfach));
    }

    // A triple click is two clicks: on a card and on the list button.
    void dreifachklickSindZweiKlicks() {
        FensterSpiel s;
        QSignalSpy karte(s.karte(4), &ui::Karte::geklickt);
        dreifachklick(s.karte(4));
        QCOMPARE(karte.size(), 2);
        QCOMPARE(s.offeneKarten(), 1);
        dreifachklick(s.bild(5));
        QVERIFY(!s.fenster.dateiliste()->isVisible());
    }

    // A double-click on a picture button asks once: the list stays shown, the help comes once.
    void doppelklickAufBildknopf() {
        FensterSpiel s;
        doppelklick(s.bild(5));
        QVERIFY(s.fenster.dateiliste()->isVisible());
        doppelklick(s.bild(3));
        QCOMPARE(s.dialoge.gezeigt.size(), 1);
    }

    // A double-click on an entry loads it once; the card under the hidden list stays covered.
    void doppelklickAufDateieintrag() {
        FensterSpiel s;
        s.datei(QStringLiteral("TIERE.TXT"), Spiel::standardWoerter());
        s.klickBild(5);
        ui::Dateiliste* liste = s.fenster.dateiliste();
        const QListWidgetItem* tiere = liste->findItems("TIERE.TXT", Qt::MatchExactly).first();
        doppelklick(liste->viewport(), liste->visualItemRect(tiere).center());
        QCOMPARE(s.geladen(), QStringList{QStringLiteral("TIERE.TXT wurde geladen!")});
        QVERIFY(!liste->isVisible());
        QCOMPARE(s.offeneKarten(), 0);
        QCOMPARE(rundeLaeuft(s.memo), false);
    }

    // "O k a y" and the flag: a double-click hides the window and does nothing more.
    void doppelklickImInfofenster() {
        for (const char* name : {"Bezeichnung1", "Bild1"}) {
            FensterSpiel s;
            s.klickBild(6);
            ui::Infofenster* info = s.fenster.infofenster();
            QVERIFY(QTest::qWaitForWindowExposed(info));
            doppelklick(info->findChild<QWidget*>(QLatin1String(name)));
            QVERIFY(!info->isVisible());
            QVERIFY(s.fenster.isVisible());
            QVERIFY(s.dialoge.gezeigt.isEmpty());
            QCOMPARE(rundeLaeuft(s.memo), false);
        }
    }
};

QTEST_MAIN(TstKlicks)
#include "tst_klicks.moc"
