// A faulty list chosen in the real window: Qt's own box tells why, on request, in German.
#include "tests/support/dialoghilfe.h"

#include <QMessageBox>
#include <QTextEdit>

using namespace vun;
using namespace vun::test;

namespace {

void leertaste(QWidget* ziel, bool wiederholt) {
    QKeyEvent druck(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                    wiederholt);
    QApplication::sendEvent(ziel, &druck);
    QKeyEvent los(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                  wiederholt);
    QApplication::sendEvent(ziel, &los);
}

} // namespace

class TstFehlerdetails : public QObject {
    Q_OBJECT
private slots:
    // The box keeps its text, title and OK; the details name the broken line. The program's lock
    // on held keys leaves the details button to the mouse and to a fresh key press, and lets a
    // held key toggle it once.
    void detailsNennenDieZeile() {
        EchtesSpiel s;
        QVERIFY(dateiSchreiben(s.ordner.filePath(QStringLiteral("FALSCH.TXT")),
                               alsUtf8(paarlisteMitFehler())));
        bool geprueft = false;
        beimDialog([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            QCOMPARE(box->windowTitle(), QStringLiteral("VUN-Memory"));
            QCOMPARE(box->text(), QStringLiteral("Gewählte Datei ist fehlerhaft!\nEine "
                                                 "Standardliste wird verwendet!\n"));
            QCOMPARE(knopftexte(box), (QStringList{"Details einblenden...", "OK"}));
            QCOMPARE(box->defaultButton(), knopf(box, "OK"));
            auto* details = box->findChild<QTextEdit*>();
            QVERIFY(details);
            QVERIFY(!details->isVisible());

            QAbstractButton* einblenden = knopf(box, "Details einblenden...");
            QTest::mouseClick(einblenden, Qt::LeftButton);
            QVERIFY(details->isVisible());
            QVERIFY(details->toPlainText().contains(
                QStringLiteral("Zeile 2: kein Gleichheitszeichen")));
            QCOMPARE(einblenden->text(), QStringLiteral("Details ausblenden..."));
            einblenden->setFocus();
            leertaste(einblenden, false);
            QVERIFY(!details->isVisible());
            leertaste(einblenden, false);
            leertaste(einblenden, true); // a held key toggles once, not back and forth
            QVERIFY(details->isVisible());
            QCOMPARE(box->defaultButton(), knopf(box, "OK"));
            geprueft = true;
            knopf(box, "OK")->click();
        });
        QVERIFY(s.waehlen(QStringLiteral("FALSCH.TXT")));
        QVERIFY(geprueft);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(s.memo.gespielteDatei().isEmpty());
    }
};

QTEST_MAIN(TstFehlerdetails)
#include "tst_fehlerdetails.moc"
