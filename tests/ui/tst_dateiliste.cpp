// The file list: shown and hidden, every choice loading exactly once, and what it tells about
// the lists it holds.
#include "tests/support/fensterhilfe.h"

#include <QAccessible>
#include <QToolTip>

using namespace vun;
using namespace vun::test;

namespace {

const QStringList Tiere = {"Hund",  "Katze", "Maus", "Pferd", "Kuh",
                           "Schaf", "Ziege", "Huhn", "Ente"};

// A game in a folder with more word lists: KAPUTT.TXT is too short, the others are sound.
struct ListenSpiel : FensterSpiel {
    ListenSpiel() {
        datei(QStringLiteral("KAPUTT.TXT"), {"eins", "zwei"});
        datei(QStringLiteral("TIERE.TXT"), Tiere);
        datei(QStringLiteral("klein.txt"), Tiere);
    }
    ui::Dateiliste* liste() { return fenster.dateiliste(); }
    QStringList eintraege() {
        QStringList namen;
        for (int i = 0; i < liste()->count(); ++i)
            namen.append(liste()->item(i)->text());
        return namen;
    }
    void klickEintrag(const QString& name) {
        const QList<QListWidgetItem*> treffer = liste()->findItems(name, Qt::MatchExactly);
        QVERIFY(treffer.size() == 1);
        QTest::mouseClick(liste()->viewport(), Qt::LeftButton, {},
                          liste()->visualItemRect(treffer.first()).center());
    }
    void taste(Qt::Key taste) { QTest::keyClick(liste(), taste); }
    // Every entry as a screen reader tells it, and as underlined when it is.
    QStringList ansagen() {
        QStringList texte;
        QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(liste());
        for (int i = 0; i < liste()->count(); ++i) {
            QAccessibleInterface* zeile = zugang->child(i);
            QString text = zeile->text(QAccessible::Name);
            if (!zeile->text(QAccessible::Description).isEmpty())
                text += QStringLiteral(", ") + zeile->text(QAccessible::Description);
            if (liste()->item(i)->font().underline())
                text += QStringLiteral(" (unterstrichen)");
            texte.append(text);
        }
        return texte;
    }
    // The tip a rest of the mouse over the entry brings, empty when none shows.
    QString tipp(const QString& name) {
        const QListWidgetItem* eintrag = liste()->findItems(name, Qt::MatchExactly).first();
        const QPoint p = liste()->visualItemRect(eintrag).center();
        QHelpEvent frage(QEvent::ToolTip, p, liste()->viewport()->mapToGlobal(p));
        QCoreApplication::sendEvent(liste()->viewport(), &frage);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
};

} // namespace

class TstDateiliste : public QObject {
    Q_OBJECT
private slots:
    void zeigenLaedtNichts() {
        ListenSpiel s;
        const QList<Spielkarte> vorher = s.memo.liste1();
        s.fenster.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s.fenster));
        QVERIFY(!s.liste()->isVisible());
        s.klickBild(5);
        QVERIFY(s.liste()->isVisible());
        QCOMPARE(s.eintraege(),
                 (QStringList{"KAPUTT.TXT", "klein.txt", "TIERE.TXT", "VUNMEMO.TXT"}));
        QVERIFY(!s.liste()->currentItem());
        // The keys reach the list at once, yet taking the focus chose nothing.
        QTRY_VERIFY(s.liste()->hasFocus());
        QVERIFY(!s.liste()->currentItem());
        s.klickBild(5);
        QVERIFY(!s.liste()->isVisible());
        s.klickBild(5);
        QVERIFY(s.liste()->isVisible());
        QVERIFY(s.dialoge.gezeigt.isEmpty());
        QCOMPARE(s.memo.liste1(), vorher);
        QCOMPARE(s.memo.gespielteDatei(), QStringLiteral("VUNMEMO.TXT"));
    }

    // A list's title joins its name in the tip, read for the tip alone, and for screen readers
    // once the list is played.
    void titelImTipp() {
        ListenSpiel s;
        s.datei(QStringLiteral("EINMAL6.TXT"),
                QStringList{"Einmaleins mit 6"} + nummeriertePaare(9));
        s.klickBild(5);
        QCOMPARE(s.tipp(QStringLiteral("TIERE.TXT")), QString());
        QCOMPARE(s.tipp(QStringLiteral("EINMAL6.TXT")),
                 QStringLiteral("EINMAL6.TXT – Einmaleins mit 6"));
        s.klickEintrag(QStringLiteral("EINMAL6.TXT"));
        s.klickBild(5);
        QVERIFY(s.ansagen().contains(
            QStringLiteral("EINMAL6.TXT – Einmaleins mit 6, %1 (unterstrichen)")
                .arg(ui::Dateiliste::gespieltHinweis())));
    }

    // A click on an entry loads it once; a click on the same entry later loads it again.
    void mausklick() {
        ListenSpiel s;
        s.klickKarte(1);
        s.klickBild(5);
        s.klickEintrag(QStringLiteral("TIERE.TXT"));
        QCOMPARE(s.geladen(), QStringList{"TIERE.TXT wurde geladen!"});
        QVERIFY(!s.liste()->isVisible());
        QCOMPARE(s.memo.gespielteDatei(), QStringLiteral("TIERE.TXT"));
        QCOMPARE(pixel(s.karte(1), {5, 30}), QColor(0, 0, 128));
        QVERIFY(s.beschriftung(1).isEmpty());

        s.klickBild(5);
        QCOMPARE(s.liste()->currentItem()->text(), QStringLiteral("TIERE.TXT"));
        QCOMPARE(s.geladen().size(), 1);
        s.klickEintrag(QStringLiteral("TIERE.TXT"));
        QCOMPARE(s.geladen(),
                 (QStringList{"TIERE.TXT wurde geladen!", "TIERE.TXT wurde geladen!"}));

        s.klickBild(5);
        s.klickEintrag(QStringLiteral("klein.txt"));
        QCOMPARE(s.geladen().last(), QStringLiteral("KLEIN.TXT wurde geladen!"));
        QCOMPARE(s.geladen().size(), 3);
    }

    // Right clicks and clicks beside the entries choose nothing.
    void klickDaneben() {
        ListenSpiel s;
        s.klickBild(5);
        QTest::mouseClick(s.liste()->viewport(), Qt::LeftButton, {}, QPoint(50, 200));
        const QListWidgetItem* tiere = s.liste()->findItems("TIERE.TXT", Qt::MatchExactly).first();
        QTest::mouseClick(s.liste()->viewport(), Qt::RightButton, {},
                          s.liste()->visualItemRect(tiere).center());
        QVERIFY(s.dialoge.gezeigt.isEmpty());
        QVERIFY(s.liste()->isVisible());
    }

    // Each move of the selection with the keys loads the entry it lands on, once.
    void pfeiltasten() {
        ListenSpiel s;
        s.klickBild(5);
        s.taste(Qt::Key_Down); // nothing chosen yet: the first entry
        // A faulty list: its box alone, with the reason in its details, and no word of loading.
        QCOMPARE(s.dialoge.gezeigt.size(), 1);
        QCOMPARE(s.dialoge.gezeigt.at(0).prompt,
                 QStringLiteral("Gewählte Datei ist fehlerhaft!\rEine Standardliste wird "
                                "verwendet!\r"));
        QVERIFY(s.dialoge.gezeigt.at(0).details.contains(QStringLiteral("nur 2 Einträge")));

        s.klickBild(5);
        s.taste(Qt::Key_Down);
        QCOMPARE(s.geladen().last(), QStringLiteral("KLEIN.TXT wurde geladen!"));
        s.klickBild(5);
        s.taste(Qt::Key_End);
        QCOMPARE(s.geladen().last(), QStringLiteral("VUNMEMO.TXT wurde geladen!"));
        s.klickBild(5);
        s.taste(Qt::Key_Up);
        QCOMPARE(s.geladen().last(), QStringLiteral("TIERE.TXT wurde geladen!"));
        QCOMPARE(s.geladen().size(), 3);

        // A key that does not move the selection chooses nothing.
        s.klickBild(5);
        s.taste(Qt::Key_Down);
        s.klickBild(5);
        s.taste(Qt::Key_Down); // already the last entry
        s.taste(Qt::Key_Left);
        QCOMPARE(s.geladen().size(), 4);
        QVERIFY(s.liste()->isVisible());
    }

    // A list copied into the folder during play is listed the next time the list shows.
    void neueDateiBeimNaechstenZeigen() {
        ListenSpiel s;
        s.klickBild(5);
        s.klickBild(5);
        s.datei(QStringLiteral("NEU.TXT"), Tiere);
        s.klickBild(5);
        QVERIFY(s.eintraege().contains(QStringLiteral("NEU.TXT")));
        s.klickEintrag(QStringLiteral("NEU.TXT"));
        QCOMPARE(s.geladen(), QStringList{"NEU.TXT wurde geladen!"});
    }

    // The list being played is marked beside its unchanged name; after a faulty one none is.
    // A name too long for the list is told whole on hover and to screen readers.
    void gespielteListeUndLangeNamen() {
        ListenSpiel s;
        const QString lang = QStringLiteral("Donaudampfschifffahrtsgesellschaft.TXT");
        s.datei(lang, Tiere);
        s.klickBild(5);
        const QString gespielt = QStringLiteral(", wird gerade gespielt (unterstrichen)");
        QCOMPARE(s.ansagen(), (QStringList{lang, "KAPUTT.TXT", "klein.txt", "TIERE.TXT",
                                           "VUNMEMO.TXT" + gespielt}));
        QCOMPARE(s.tipp(QStringLiteral("TIERE.TXT")), QString());
        QCOMPARE(s.tipp(lang), lang);

        s.klickEintrag(QStringLiteral("TIERE.TXT"));
        s.klickBild(5);
        QCOMPARE(s.ansagen().at(3), "TIERE.TXT" + gespielt);
        QCOMPARE(s.liste()->currentItem()->text(), QStringLiteral("TIERE.TXT"));
        s.klickEintrag(QStringLiteral("KAPUTT.TXT"));
        s.klickBild(5);
        QCOMPARE(s.ansagen(),
                 (QStringList{lang, "KAPUTT.TXT", "klein.txt", "TIERE.TXT", "VUNMEMO.TXT"}));
    }

    // A folder without a list says so where the entries would stand, in the list's own place.
    void ordnerOhneListe() {
        FensterSpiel s;
        QVERIFY(QFile::remove(s.ordner.filePath(QStringLiteral("VUNMEMO.TXT"))));
        s.klickBild(5);
        ui::Dateiliste* liste = s.fenster.dateiliste();
        QCOMPARE(liste->count(), 0);
        QCOMPARE(liste->geometry(), ui::twips(600, 720, 1815, 3630));
        QCOMPARE(liste->accessibleDescription(), ui::Dateiliste::leerHinweis());
        const auto schrift = [liste] {
            const QImage bild = liste->viewport()->grab().toImage();
            int n = 0;
            for (int y = 0; y < bild.height(); ++y)
                for (int x = 0; x < bild.width(); ++x)
                    n += bild.pixelColor(x, y) == farbeVon(Designblau);
            return n;
        };
        QVERIFY(schrift() > 50);

        s.klickBild(5);
        s.datei(QStringLiteral("TIERE.TXT"), Tiere);
        s.klickBild(5);
        QCOMPARE(liste->count(), 1);
        QVERIFY(liste->accessibleDescription().isEmpty());
    }
};

QTEST_MAIN(TstDateiliste)
#include "tst_dateiliste.moc"
