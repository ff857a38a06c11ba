// The real Qt dialogs, opened and answered as a player would.
#include "boxes/qtdialoge.h"

#include "tests/support/dialoghilfe.h"

#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <qpa/qwindowsysteminterface.h>

using namespace vun;
using namespace vun::test;

namespace {

// A key event as the X server delivers it, with its time stamp, to the box's window: the window
// sees it before the widget with the focus does.
void taste(QWidget* box, QEvent::Type art, int key, quint64 zeit, bool wiederholt = false) {
    QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::SynchronousDelivery>(
        box->windowHandle(), ulong(zeit), art, key, Qt::NoModifier,
        key == Qt::Key_Return ? "\r" : " ", wiederholt);
}

} // namespace

class TstQtDialoge : public QObject {
    Q_OBJECT
    // The program's guard, through which every box's input goes.
    ui::Eingabewache wache;

private slots:
    void nurOk() {
        QtDialoge dialoge;
        bool geprueft = false;
        beimDialog([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            QCOMPARE(box->windowTitle(), QStringLiteral("VUN-Memory"));
            QCOMPARE(box->text(), QStringLiteral("Immer zwei\njedes <b>Feld</b> & mehr\n"));
            QCOMPARE(box->textFormat(), Qt::PlainText);
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->windowModality(), Qt::ApplicationModal);
            QCOMPARE(knopftexte(box), QStringList{"OK"});
            QCOMPARE(box->defaultButton(), knopf(box, "OK"));
            geprueft = true;
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QCOMPARE(dialoge.MsgBox(QStringLiteral("Immer zwei\rjedes <b>Feld</b> & mehr\r"), NurOk,
                                QStringLiteral("VUN-Memory")),
                 int(AntwortOk));
        QVERIFY(geprueft);
    }

    // Yes/No with the question mark and No as default; Escape and the close box say No.
    void jaNein_data() {
        QTest::addColumn<QString>("wie");
        QTest::addColumn<int>("antwort");
        QTest::newRow("Ja geklickt") << "Ja" << int(AntwortJa);
        QTest::newRow("Nein geklickt") << "Nein" << int(AntwortNein);
        QTest::newRow("Eingabetaste") << "Return" << int(AntwortNein);
        QTest::newRow("Escape") << "Escape" << int(AntwortNein);
        QTest::newRow("Schliessfeld") << "schliessen" << int(AntwortNein);
    }
    void jaNein() {
        QFETCH(QString, wie);
        QFETCH(int, antwort);
        QtDialoge dialoge;
        bool geprueft = false;
        beimDialog([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            QCOMPARE(box->windowTitle(), QStringLiteral("VUN-Memospiel"));
            QCOMPARE(box->text(), QStringLiteral("  Dieses Programm jetzt beenden?\n"));
            QCOMPARE(box->icon(), QMessageBox::Question);
            QCOMPARE(box->windowModality(), Qt::ApplicationModal);
            QCOMPARE(knopftexte(box), (QStringList{"Ja", "Nein"}));
            QCOMPARE(box->defaultButton(), knopf(box, "Nein"));
            geprueft = true;
            if (wie == QLatin1String("Return"))
                QTest::keyClick(box, Qt::Key_Return);
            else if (wie == QLatin1String("Escape"))
                QTest::keyClick(box, Qt::Key_Escape);
            else if (wie == QLatin1String("schliessen"))
                box->close();
            else
                knopf(box, wie)->click();
        });
        QCOMPARE(dialoge.MsgBox(QStringLiteral("  Dieses Programm jetzt beenden?\r"), JaNeinFrage,
                                QStringLiteral("VUN-Memospiel")),
                 antwort);
        QVERIFY(geprueft);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void eingabe_data() {
        QTest::addColumn<QString>("tippen");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("Vorgabe mit OK") << QString() << true << "Freund und Gast";
        QTest::newRow("Name mit OK") << "  <i>Lea</i> " << true << "  <i>Lea</i> ";
        QTest::newRow("Abbrechen") << "Lea" << false << QString();
    }
    void eingabe() {
        QFETCH(QString, tippen);
        QFETCH(bool, ok);
        QFETCH(QString, ergebnis);
        QtDialoge dialoge;
        bool geprueft = false;
        beimDialog([&](QWidget* w) {
            auto* box = qobject_cast<QInputDialog*>(w);
            QVERIFY(box);
            QCOMPARE(box->windowTitle(), QStringLiteral("VUN-Memory"));
            QCOMPARE(box->labelText(), QStringLiteral("Neuer Benutzer:"));
            QCOMPARE(box->windowModality(), Qt::ApplicationModal);
            QCOMPARE(knopftexte(box), (QStringList{"Abbrechen", "OK"}));
            for (QLabel* label : box->findChildren<QLabel*>())
                QCOMPARE(label->textFormat(), Qt::PlainText);
            auto* feld = box->findChild<QLineEdit*>();
            QCOMPARE(feld->text(), QStringLiteral("Freund und Gast"));
            if (!tippen.isEmpty()) {
                feld->clear();
                QTest::keyClicks(feld, tippen);
            }
            geprueft = true;
            knopf(box, ok ? "OK" : "Abbrechen")->click();
        });
        QCOMPARE(dialoge.InputBox(QStringLiteral("Neuer Benutzer:"), QStringLiteral("VUN-Memory"),
                                  QStringLiteral("Freund und Gast")),
                 ergebnis);
        QVERIFY(geprueft);
    }

    // A box opened by a held key sees the key's repeats, marked by Qt or as release and press at
    // one moment: none of them answers it, a fresh press does. A held Space types blanks.
    void gehalteneTasteAntwortetNicht() {
        QtDialoge dialoge;
        bool geprueft = false;
        beimDialog([&](QWidget* box) {
            QVERIFY(QTest::qWaitForWindowActive(box));
            taste(box, QEvent::KeyPress, Qt::Key_Return, 10, true);
            taste(box, QEvent::KeyRelease, Qt::Key_Return, 20);
            taste(box, QEvent::KeyPress, Qt::Key_Return, 20);
            taste(box, QEvent::KeyPress, Qt::Key_Space, 30);
            taste(box, QEvent::KeyRelease, Qt::Key_Space, 40);
            taste(box, QEvent::KeyPress, Qt::Key_Space, 40);
            taste(box, QEvent::KeyPress, Qt::Key_Space, 50, true);
            taste(box, QEvent::KeyRelease, Qt::Key_Space, 60);
            QVERIFY(box->isVisible());
            geprueft = true;
            taste(box, QEvent::KeyRelease, Qt::Key_Return, 70);
            taste(box, QEvent::KeyPress, Qt::Key_Return, 90);
        });
        QCOMPARE(dialoge.InputBox(QStringLiteral("Neuer Benutzer:"), QStringLiteral("VUN-Memory"),
                                  QStringLiteral("Lea")),
                 QStringLiteral("   ")); // the first blank is typed over the selected default
        QVERIFY(geprueft);
    }

    // The boxes belong to the main window once it shows, and stand alone before.
    void eltern() {
        QtDialoge dialoge;
        QWidget fenster;
        dialoge.setzeEltern(&fenster);
        QWidget* gesehen = &fenster;
        beimDialog([&](QWidget* box) {
            gesehen = box->parentWidget();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        dialoge.MsgBox(QStringLiteral("a"), NurOk, QStringLiteral("b"));
        QCOMPARE(gesehen, nullptr);
        fenster.show();
        beimDialog([&](QWidget* box) {
            gesehen = box->parentWidget();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        dialoge.MsgBox(QStringLiteral("a"), NurOk, QStringLiteral("b"));
        QCOMPARE(gesehen, &fenster);
    }

    // Qt's German texts are read with the first box, not at start, and leave with the dialogs.
    void qtTexteMitDemErstenDialog() {
        const auto kopieren = [] { return QCoreApplication::translate("QLineEdit", "&Copy"); };
        {
            QtDialoge dialoge;
            QCOMPARE(kopieren(), QStringLiteral("&Copy"));
            QString imDialog;
            beimDialog([&](QWidget* box) {
                imDialog = kopieren();
                QTest::keyClick(box, Qt::Key_Escape);
            });
            dialoge.InputBox(QStringLiteral("Neuer Benutzer:"), QStringLiteral("VUN-Memory"),
                             QString());
            QCOMPARE(imDialog, QStringLiteral("&Kopieren"));
            beimDialog([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
            dialoge.MsgBox(QStringLiteral("a"), NurOk, QStringLiteral("b"));
            QCOMPARE(kopieren(), QStringLiteral("&Kopieren"));
        }
        QCOMPARE(kopieren(), QStringLiteral("&Copy"));
    }
};

QTEST_MAIN(TstQtDialoge)
#include "tst_qtdialoge.moc"
