// The main window as laid out, drawn and started; its close box.
#include "tests/support/fensterhilfe.h"

#include <QScreen>
#include <QSignalSpy>

using namespace vun;
using namespace vun::test;

namespace {
const QColor Fensterfarbe(192, 255, 255);
const QColor Cyan(0, 255, 255);
const QColor Linienfarbe(0, 192, 192);
} // namespace

class TstHauptfenster : public QObject {
    Q_OBJECT
private slots:
    void fenster() {
        FensterSpiel s;
        QCOMPARE(s.fenster.size(), QSize(507, 386));
        QCOMPARE(s.fenster.minimumSize(), s.fenster.maximumSize());
        const Qt::WindowFlags f = s.fenster.windowFlags();
        QVERIFY(!(f & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(f & Qt::WindowMaximizeButtonHint));
        QVERIFY(f & Qt::WindowCloseButtonHint);
        QCOMPARE(s.fenster.windowTitle(), QStringLiteral("VUN-Memospiel: Freund und Gast"));
        QVERIFY(!s.fenster.windowIcon().isNull());
        QCOMPARE(s.fenster.font().pixelSize(), 11);
        QVERIFY(s.fenster.font().bold());
    }

    // Every control at its place in twips, 15 to a pixel.
    void geometrie_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        for (int n = 1; n <= 18; ++n)
            QTest::addRow("Karte %d", n)
                << QStringLiteral("Bezeichnung%1").arg(n)
                << QRect(n <= 9 ? 960 : 4200, 240 + 600 * ((n - 1) % 9), 3135, 495);
        const QStringList beschriftungen = {"Bezeichnung19", "Bezeichnung26", "Bezeichnung27",
                                            "Bezeichnung28", "Bezeichnung29", "Bezeichnung30"};
        for (int i = 0; i < 6; ++i) {
            QTest::addRow("Bild%d", i + 1)
                << QStringLiteral("Bild%1").arg(i + 1) << QRect(120, 120 + 960 * i, 495, 495);
            QTest::addRow("%s", qPrintable(beschriftungen[i]))
                << beschriftungen[i] << QRect(120, 600 + 960 * i, 495, 255);
        }
        QTest::newRow("Figur1") << QStringLiteral("Figur1") << QRect(0, 0, 735, 5895);
        QTest::newRow("Datei1") << QStringLiteral("Datei1") << QRect(600, 720, 1815, 3630);
    }
    void geometrie() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        FensterSpiel s;
        s.fenster.dateiliste(); // made when first needed
        QWidget* w = s.teil(name);
        QVERIFY2(w, qPrintable(name));
        QCOMPARE(w->geometry(),
                 QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
    }

    // The line from (720, 0) to (720, 5760), two pixels wide, closes the strip on the right.
    void linie() {
        FensterSpiel s;
        QCOMPARE(s.teil(QStringLiteral("Linie1"))->geometry(), QRect(47, 0, 2, 384));
        for (int x : {47, 48})
            QCOMPARE(pixel(&s.fenster, {x, 200}), Linienfarbe);
        QCOMPARE(pixel(&s.fenster, {46, 200}), Cyan);
        QCOMPARE(pixel(&s.fenster, {49, 200}), Fensterfarbe);
        QCOMPARE(pixel(&s.fenster, {47, 384}), Cyan);
    }

    void farbenUndSchriften() {
        FensterSpiel s;
        QCOMPARE(pixel(&s.fenster, {300, 385}), Fensterfarbe);
        QCOMPARE(pixel(&s.fenster, {60, 100}), Fensterfarbe);
        QCOMPARE(pixel(&s.fenster, {2, 380}), Cyan);
        // Picture buttons: the picture in the top-left 32 x 32, background beside it.
        QCOMPARE(pixel(s.bild(4), {32, 32}), Cyan);
        QVERIFY(pixel(s.bild(1), {16, 16}) != Cyan);
        for (int i = 0; i < 6; ++i) {
            auto* label = qobject_cast<QLabel*>(
                s.teil(QStringList{"Bezeichnung19", "Bezeichnung26", "Bezeichnung27",
                                   "Bezeichnung28", "Bezeichnung29", "Bezeichnung30"}[i]));
            QCOMPARE(label->text(),
                     (QStringList{"Ende", "Name", "Hilfe", "N e u", "Liste", "Info"}[i]));
            QCOMPARE(label->palette().color(QPalette::Window), Cyan);
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
            QCOMPARE(label->font().pixelSize(), 11);
            QVERIFY(label->font().bold());
            QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
            QCOMPARE(label->frameShape(), QFrame::NoFrame);
        }
        ui::Karte* karte = s.karte(1);
        QCOMPARE(karte->font().pixelSize(), 18);
        QVERIFY(karte->font().bold());
        QCOMPARE(pixel(karte, {0, 0}), QColor(Qt::black));
        QCOMPARE(pixel(karte, {208, 32}), QColor(Qt::black));
        QCOMPARE(pixel(karte, {1, 1}), farbeVon(Designblau));
        QWidget* datei1 = s.fenster.dateiliste();
        QCOMPARE(datei1->font().pixelSize(), 13);
        QVERIFY(datei1->font().bold());
        QCOMPARE(datei1->palette().color(QPalette::Base), QColor(128, 255, 255));
        QCOMPARE(datei1->palette().color(QPalette::Text), QColor(0, 0, 192));
    }

    // Strip at the bottom; the full screen's caption, labels, the loudspeaker, cards and line
    // above it; buttons and file list on top.
    void stapelung() {
        FensterSpiel s;
        s.fenster.dateiliste(); // made when first needed
        QList<QWidget*> reihe;
        for (QObject* o : s.fenster.children())
            if (auto* w = qobject_cast<QWidget*>(o))
                reihe.append(w);
        QCOMPARE(reihe.first()->objectName(), QStringLiteral("Figur1"));
        qsizetype obersteUntere = 0, untersteObere = reihe.size();
        for (qsizetype i = 0; i < reihe.size(); ++i) {
            const QString n = reihe[i]->objectName();
            if (n.startsWith(QLatin1String("Bild")) || n == QLatin1String("Datei1"))
                untersteObere = qMin(untersteObere, i);
            else
                obersteUntere = qMax(obersteUntere, i);
        }
        QVERIFY(obersteUntere < untersteObere);
        QCOMPARE(reihe.size(), 1 + 1 + 1 + 18 + 6 + 1 + 6 + 1);

        // Shown, the file list covers the left parts of cards 2 to 7 and card 1's lowest row.
        QCOMPARE(s.fenster.childAt(100, 70), s.karte(2));
        s.klickBild(5);
        for (QPoint p : {QPoint(100, 70), QPoint(100, 280), QPoint(100, 48), QPoint(47, 100)})
            QVERIFY(s.fenster.dateiliste()->isAncestorOf(s.fenster.childAt(p)));
        QCOMPARE(s.fenster.childAt(100, 47), s.karte(1));
        QCOMPARE(s.fenster.childAt(100, 300), s.karte(8));
    }

    // Centred, then the start-up list (its message before the window shows), seed, deal.
    void starten() {
        QTemporaryDir ordner; // no VUNMEMO.TXT: the start-up message comes
        SkriptDialoge dialoge;
        SkriptZufall zufall;
        ui::Programm programm(ui::Startort{QDir(ordner.path()), {}},
                              {.dialoge = &dialoge, .zufall = &zufall});
        Memo& memo = programm.memo();
        ui::Hauptfenster& fenster = programm.fenster();
        bool warSichtbar = true;
        dialoge.beimZeigen = [&](const Gezeigt&) { warSichtbar = fenster.isVisible(); };
        programm.starten();
        QCOMPARE(dialoge.gezeigt.size(), 1);
        QVERIFY(!warSichtbar);
        QVERIFY(fenster.isVisible());
        QCOMPARE(zufall.randomizeAufrufe, 1);
        QCOMPARE(memo.liste1().size(), 18);
        QCOMPARE(rundeLaeuft(memo), false);
        for (int k = 1; k <= 18; ++k)
            QCOMPARE(pixel(fenster.karte(k), {5, 5}), farbeVon(Designblau));
        // Start-up does not make the file list; it is made hidden when first asked for.
        QVERIFY(!fenster.findChild<ui::Dateiliste*>());
        QVERIFY(!fenster.dateiliste()->isVisible());

        const QRect schirm = fenster.screen()->geometry();
        const QSize aussen = fenster.frameGeometry().size();
        QCOMPARE(fenster.pos(), QPoint((schirm.width() - aussen.width()) / 2,
                                       (schirm.height() - aussen.height()) / 2));
        QVERIFY(!fenster.infofenster());
    }

    // The close box ends the program, the information window included, and asks nothing.
    void schliessfeld() {
        FensterSpiel s;
        QSignalSpy ende(&s.fenster, &ui::Hauptfenster::programmEnde);
        s.klickBild(6);
        QVERIFY(s.fenster.infofenster()->isVisible());
        s.fenster.close();
        QCOMPARE(ende.size(), 1);
        QVERIFY(!s.fenster.isVisible());
        QVERIFY(!s.fenster.infofenster()->isVisible());
        QVERIFY(s.dialoge.gezeigt.isEmpty());
    }
};

QTEST_MAIN(TstHauptfenster)
#include "tst_hauptfenster.moc"
