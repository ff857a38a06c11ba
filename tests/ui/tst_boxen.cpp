// The boxes over the zoomed and the full-screen window on a screen of 1920 x 1080 (the platform's
// screen is set where the test is registered).
#include "boxes/qtdialoge.h"
#include "tests/support/dialoghilfe.h"
#include "ui/vergroesserung.h"

#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QTextEdit>

using namespace vun;
using namespace vun::test;

namespace {

void aufGroesse(ui::Hauptfenster& fenster, bool vollbild) {
    if (vollbild) {
        fenster.groesse().vollbildSetzen(true);
        QTRY_COMPARE_WITH_TIMEOUT(fenster.geometry(), QRect(0, 0, 1920, 1080), 5000);
        return;
    }
    for (int i = 0; i < 4; ++i)
        fenster.groesse().stufeWechseln(1);
    QCOMPARE(fenster.groesse().stufe(), 250);
}

// Centred over the window to the pixel, as Qt puts a box at 100 %.
void mittigPruefen(const QWidget* box, const QWidget* fenster) {
    const QRect ueber = fenster->frameGeometry(), aussen = box->frameGeometry();
    QCOMPARE(aussen.topLeft(), ueber.topLeft() + QPoint((ueber.width() - aussen.width()) / 2,
                                                        (ueber.height() - aussen.height()) / 2));
}

} // namespace

class TstBoxen : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(1920, 1080)); }

    // A faulty list's box, the help and the name input: centred over the window, the box still
    // after its details are shown, each line of its text unbroken, and the details shown whole,
    // with no line to scroll to.
    void ganzUndMittig_data() {
        QTest::addColumn<int>("werkzeug");
        QTest::addColumn<bool>("vollbild");
        QTest::newRow("Fehler 250 %") << 0 << false;
        QTest::newRow("Fehler Vollbild") << 0 << true;
        QTest::newRow("Name 250 %") << 2 << false;
        QTest::newRow("Hilfe Vollbild") << 3 << true;
    }
    void ganzUndMittig() {
        QFETCH(int, werkzeug);
        QFETCH(bool, vollbild);
        EchtesSpiel s;
        aufGroesse(s.fenster, vollbild);
        bool geprueft = false;
        beimDialog([&](QWidget* box) {
            mittigPruefen(box, &s.fenster);
            if (auto* text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
                for (const QString& zeile : text->text().split('\n'))
                    QVERIFY2(text->fontMetrics().horizontalAdvance(zeile) <=
                                 text->contentsRect().width(),
                             qPrintable(zeile));
            if (auto* details = box->findChild<QTextEdit*>()) {
                QTest::mouseClick(knopf(box, "Details einblenden..."), Qt::LeftButton);
                QVERIFY(details->isVisible());
                QVERIFY(details->toPlainText().contains("Zeile 2: kein Gleichheitszeichen"));
                QCOMPARE(details->verticalScrollBar()->maximum(), 0);
                QVERIFY(details->document()->size().height() <= details->viewport()->height());
                mittigPruefen(box, &s.fenster);
            }
            geprueft = true;
            box->close();
        });
        if (werkzeug == 0) {
            QVERIFY(dateiSchreiben(s.ordner.filePath(QStringLiteral("FALSCH.TXT")),
                                   alsUtf8(paarlisteMitFehler())));
            QVERIFY(s.waehlen(QStringLiteral("FALSCH.TXT")));
        } else {
            s.klickBild(werkzeug);
        }
        QVERIFY(geprueft);
    }

    // Details taller than the screen: the box fits it, and the field scrolls.
    void langeDetailsRollen() {
        EchtesSpiel s;
        aufGroesse(s.fenster, true);
        QStringList zeilen;
        for (int i = 1; i <= 80; ++i)
            zeilen.append(QStringLiteral("Zeile %1: kein Gleichheitszeichen").arg(i));
        bool geprueft = false;
        beimDialog([&](QWidget* box) {
            QTest::mouseClick(knopf(box, "Details einblenden..."), Qt::LeftButton);
            auto* details = box->findChild<QTextEdit*>();
            QVERIFY(details->verticalScrollBar()->isVisible());
            QVERIFY(details->verticalScrollBar()->maximum() > 0);
            QVERIFY(details->height() > 10 * details->fontMetrics().lineSpacing());
            QVERIFY(QRect(0, 0, 1920, 1080).contains(box->frameGeometry()));
            mittigPruefen(box, &s.fenster);
            geprueft = true;
            box->close();
        });
        // More lines than a list's box names: Qt's boxes as the program's, over the window.
        QtDialoge boxen;
        boxen.setzeEltern(&s.fenster, [&] { return s.fenster.groesse().faktor(); });
        boxen.MsgBox(QStringLiteral("Fehler"), NurOk, QStringLiteral("VUN-Memory"),
                     zeilen.join('\n'));
        QVERIFY(geprueft);
    }

    // A line longer than Qt lets a box grow, in full screen: it wraps inside the box, cut off
    // at its right by nothing.
    void langeZeileBricht() {
        EchtesSpiel s;
        aufGroesse(s.fenster, true);
        bool geprueft = false;
        beimDialog([&](QWidget* box) {
            auto* text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            QVERIFY(text);
            QVERIFY2(box->rect().contains(text->geometry()),
                     qPrintable(QStringLiteral("text %1 px wide in a box of %2")
                                    .arg(text->width())
                                    .arg(box->width())));
            geprueft = true;
            box->close();
        });
        QtDialoge boxen;
        boxen.setzeEltern(&s.fenster, [&] { return s.fenster.groesse().faktor(); });
        boxen.MsgBox(QStringLiteral("Klänge gehen hier nicht: AAC-Klänge (.m4a) können nicht "
                                    "abgespielt werden, und dazu noch etwas mehr."),
                     NurOk, QStringLiteral("VUN-Memory"), QString());
        QVERIFY(geprueft);
    }
};

QTEST_MAIN(TstBoxen)
#include "tst_boxen.moc"
