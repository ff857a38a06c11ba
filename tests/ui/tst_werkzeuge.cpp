// The tool column clicked with the mouse, every dialog answered both ways.
#include "tests/support/fensterhilfe.h"

#include <QSignalSpy>
#include <QWindow>

using namespace vun;
using namespace vun::test;

class TstWerkzeuge : public QObject {
    Q_OBJECT
private slots:
    void beenden_data() {
        QTest::addColumn<int>("antwort");
        QTest::newRow("Ja") << int(AntwortJa);
        QTest::newRow("Nein") << int(AntwortNein);
    }
    void beenden() {
        QFETCH(int, antwort);
        FensterSpiel s;
        QSignalSpy ende(&s.fenster, &ui::Hauptfenster::programmEnde);
        s.klickBild(6);
        const int x = 2, y = s.andereKarte(2);
        s.klickKarte(x);
        s.klickKarte(y);
        s.dialoge.antworten = {MsgBoxAntwort(antwort)};
        s.klickBild(1);
        QCOMPARE(s.dialoge.gezeigt.size(), 1);
        QCOMPARE(s.dialoge.gezeigt.first().titel, QStringLiteral("VUN-Memospiel"));
        const bool ja = antwort == AntwortJa;
        QCOMPARE(ende.size(), ja ? 1 : 0);
        QCOMPARE(s.fenster.isVisible(), !ja);
        QCOMPARE(s.fenster.infofenster()->isVisible(), !ja);
        if (!ja) {
            QCOMPARE(s.offeneKarten(), 2);
            QCOMPARE(pixel(s.karte(x), {5, 30}), farbeVon(Designblau));
        }
    }

    void name_data() {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("titel");
        const QString vorher = QStringLiteral("VUN-Memospiel: Freund und Gast");
        QTest::newRow("Name") << "Lea"
                              << "VUN-Memospiel: Lea";
        QTest::newRow("Abbrechen") << QString() << vorher;
        QTest::newRow("nur Leerzeichen") << "   "
                                         << "VUN-Memospiel:    ";
        QTest::newRow("Zeichen wie Auszeichnung") << "<b>Lea</b> & [*] %1"
                                                  << "VUN-Memospiel: <b>Lea</b> & [*] %1";
    }
    void name() {
        QFETCH(QString, eingabe);
        QFETCH(QString, titel);
        FensterSpiel s;
        s.dialoge.eingaben = {eingabe};
        s.klickBild(2);
        QCOMPARE(s.dialoge.gezeigt.size(), 1);
        QCOMPARE(s.dialoge.gezeigt.first().art, QStringLiteral("InputBox"));
        // What the window system shows, after Qt's own reading of the title.
        QCOMPARE(s.fenster.windowHandle()->title(), titel);
    }

    void hilfe() {
        FensterSpiel s;
        s.klickKarte(7);
        s.klickBild(3);
        QCOMPARE(s.dialoge.gezeigt.size(), 1);
        QCOMPARE(s.dialoge.gezeigt.first().stil, int(NurOk));
        QCOMPARE(s.beschriftung(7), s.wort(7));
    }

    void neuesSpiel_data() {
        QTest::addColumn<int>("antwort");
        QTest::newRow("Ja") << int(AntwortJa);
        QTest::newRow("Nein") << int(AntwortNein);
    }
    void neuesSpiel() {
        QFETCH(int, antwort);
        FensterSpiel s;
        const QList<int> paar = s.paarVonKarte(1);
        s.klickKarte(paar[0]);
        s.klickKarte(paar[1]);
        s.klickKarte(s.andereKarte(1));
        const QList<Spielkarte> vorher = s.memo.liste1();
        s.dialoge.antworten = {MsgBoxAntwort(antwort)};
        s.klickBild(4);
        QCOMPARE(s.dialoge.gezeigt.size(), 1);
        if (antwort == AntwortJa) {
            for (int k = 1; k <= 18; ++k)
                QCOMPARE(pixel(s.karte(k), {5, 30}), QColor(0, 0, 128));
            QCOMPARE(s.offeneKarten(), 0);
        } else {
            QCOMPARE(s.memo.liste1(), vorher);
            QCOMPARE(pixel(s.karte(paar[0]), {5, 30}), farbeVon(Gefunden));
            QCOMPARE(s.offeneKarten(), 1);
        }
    }

    void liste() {
        FensterSpiel s;
        QWidget* datei1 = s.fenster.dateiliste();
        s.klickBild(5);
        QVERIFY(datei1->isVisible());
        s.klickBild(5);
        QVERIFY(!datei1->isVisible());
        QVERIFY(s.dialoge.gezeigt.isEmpty());
    }

    // One information window, shown and brought forward; the main window stays usable.
    void info() {
        FensterSpiel s;
        QVERIFY(!s.fenster.infofenster());
        s.klickBild(6);
        QPointer<ui::Infofenster> info = s.fenster.infofenster();
        QVERIFY(info && info->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        s.klickKarte(9);
        QCOMPARE(s.beschriftung(9), s.wort(9));
        s.klickBild(6);
        QCOMPARE(s.fenster.infofenster(), info.data());
        QVERIFY(info->isVisible());
        const QWidgetList fenster = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(fenster.begin(), fenster.end(),
                               [](QWidget* w) { return qobject_cast<ui::Infofenster*>(w); }),
                 1);
    }

    // Caption labels, the strip, the line and the background do nothing when clicked.
    void stilleFlaechen() {
        FensterSpiel s;
        for (const char* name : {"Bezeichnung19", "Bezeichnung26", "Bezeichnung27", "Bezeichnung28",
                                 "Bezeichnung29", "Bezeichnung30", "Figur1", "Linie1"})
            QTest::mouseClick(s.teil(QLatin1String(name)), Qt::LeftButton);
        QTest::mouseClick(&s.fenster, Qt::LeftButton, {}, QPoint(300, 385));
        QTest::mouseClick(s.bild(1), Qt::RightButton);
        QVERIFY(s.dialoge.gezeigt.isEmpty());
        QCOMPARE(rundeLaeuft(s.memo), false);
        QVERIFY(!s.fenster.infofenster());
        QVERIFY(!s.fenster.dateiliste()->isVisible());
    }
};

QTEST_MAIN(TstWerkzeuge)
#include "tst_werkzeuge.moc"
