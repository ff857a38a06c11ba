// The file list: shown and hidden, and every choice loading exactly once.
#include "tests/ui/fensterhilfe.h"

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
    ui::Dateiliste* liste() const { return fenster.dateiliste(); }
    QStringList eintraege() const {
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
};

} // namespace

class TstDateiliste : public QObject {
    Q_OBJECT
private slots:
    void zeigenLaedtNichts() {
        ListenSpiel s;
        const QStringList woerter = s.memo.liste2().eintraege();
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
        QCOMPARE(s.memo.liste2().eintraege(), woerter);
    }

    // A click on an entry loads it once; a click on the same entry later loads it again.
    void mausklick() {
        ListenSpiel s;
        s.klickKarte(1);
        s.klickBild(5);
        s.klickEintrag(QStringLiteral("TIERE.TXT"));
        QCOMPARE(s.geladen(), QStringList{"TIERE.TXT wurde geladen!"});
        QVERIFY(!s.liste()->isVisible());
        QVERIFY(s.memo.liste2().eintraege().contains(QStringLiteral("Katze")));
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
        QCOMPARE(s.dialoge.gezeigt.size(), 2);
        QCOMPARE(s.dialoge.gezeigt.at(0).prompt,
                 QStringLiteral("Gewählte Datei ist fehlerhaft!\rEine Standardliste wird "
                                "verwendet!\r"));
        QCOMPARE(s.geladen(), QStringList{"KAPUTT.TXT wurde geladen!"});

        s.klickBild(5);
        s.taste(Qt::Key_Down);
        QCOMPARE(s.geladen().last(), QStringLiteral("KLEIN.TXT wurde geladen!"));
        s.klickBild(5);
        s.taste(Qt::Key_End);
        QCOMPARE(s.geladen().last(), QStringLiteral("VUNMEMO.TXT wurde geladen!"));
        s.klickBild(5);
        s.taste(Qt::Key_Up);
        QCOMPARE(s.geladen().last(), QStringLiteral("TIERE.TXT wurde geladen!"));
        QCOMPARE(s.geladen().size(), 4);

        // A key that does not move the selection chooses nothing.
        s.klickBild(5);
        s.taste(Qt::Key_Down);
        s.klickBild(5);
        s.taste(Qt::Key_Down); // already the last entry
        s.taste(Qt::Key_Left);
        QCOMPARE(s.geladen().size(), 5);
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
};

QTEST_MAIN(TstDateiliste)
#include "tst_dateiliste.moc"
