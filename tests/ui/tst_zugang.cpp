// What screen readers learn through Qt's accessibility interfaces: names, states, the press
// action, and the announcements when cards change.
#include "tests/support/tastenhilfe.h"

#include <QAccessible>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

using namespace vun;
using namespace vun::test;

namespace {

// The name changes announced so far, as "Karte n" -> the name it had then.
QList<QPair<QObject*, QString>> angesagt;

void mitschreiben(QAccessibleEvent* ereignis) {
    if (ereignis->type() != QAccessible::NameChanged)
        return;
    QAccessibleInterface* zugang = ereignis->accessibleInterface();
    angesagt.append({ereignis->object(), zugang ? zugang->text(QAccessible::Name) : QString()});
}

QAccessibleInterface* zugang(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w);
}

QString name(QWidget* w) {
    QAccessibleInterface* z = zugang(w);
    return z ? z->text(QAccessible::Name) : QStringLiteral("(keine Schnittstelle)");
}

QStringList ansagenVon(QWidget* w) {
    QStringList namen;
    for (const auto& [objekt, text] : angesagt)
        if (objekt == w)
            namen.append(text);
    return namen;
}

} // namespace

class TstZugang : public QObject {
    Q_OBJECT
private slots:
    // As when a screen reader is listening: Qt passes events on only then.
    void initTestCase() {
        QPlatformAccessibility* plattform =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(plattform);
        plattform->setActive(true);
        QVERIFY(QAccessible::isActive());
        QAccessible::installUpdateHandler(mitschreiben);
    }
    void init() { angesagt.clear(); }

    void knoepfeHeissenWieIhreBeschriftung() {
        FensterSpiel s;
        const QStringList namen{"Ende", "Name", "Hilfe", "Neues Spiel", "Liste", "Info"};
        for (int n = 1; n <= 6; ++n) {
            QAccessibleInterface* z = zugang(s.bild(n));
            QVERIFY(z);
            QCOMPARE(z->role(), QAccessible::Button);
            QCOMPARE(z->text(QAccessible::Name), namen.at(n - 1));
            QVERIFY(z->state().focusable);
        }
        s.klickBild(6);
        QCOMPARE(name(s.fenster.infofenster()->findChild<QWidget*>(QStringLiteral("Bild1"))),
                 QStringLiteral("Schließen"));
    }

    // Names from the game: covered, open, found; covered again after a miss and on a new board.
    void kartenNamenUndAnsagen() {
        TastenSpiel s;
        const int x = 7, y = s.andereKarte(7), p = s.partner(7);
        const QString wx = s.wort(x), wy = s.wort(y);
        QCOMPARE(name(s.karte(x)), QStringLiteral("Karte 7, verdeckt"));
        QCOMPARE(zugang(s.karte(x))->role(), QAccessible::Button);

        s.klick(x);
        s.klick(y);
        QCOMPARE(name(s.karte(x)), QStringLiteral("Karte 7: ") + wx);
        QCOMPARE(name(s.karte(y)), QStringLiteral("Karte %1: ").arg(y) + wy);
        s.klick(p); // covers the miss, opens the partner
        QCOMPARE(name(s.karte(y)), QStringLiteral("Karte %1, verdeckt").arg(y));
        s.klick(x);
        QCOMPARE(name(s.karte(x)), QStringLiteral("Karte 7: %1, gefunden").arg(wx));
        QCOMPARE(name(s.karte(p)), QStringLiteral("Karte %1: %2, gefunden").arg(p).arg(wx));

        // Each change announced once, in order, with the name it brought.
        QCOMPARE(ansagenVon(s.karte(x)),
                 (QStringList{QStringLiteral("Karte 7: ") + wx, QStringLiteral("Karte 7, verdeckt"),
                              QStringLiteral("Karte 7: ") + wx,
                              QStringLiteral("Karte 7: %1, gefunden").arg(wx)}));
        QCOMPARE(ansagenVon(s.karte(p)).last(),
                 QStringLiteral("Karte %1: %2, gefunden").arg(p).arg(wx));
        for (int k = 1; k <= 18; ++k)
            if (k != x && k != y && k != p)
                QVERIFY(ansagenVon(s.karte(k)).isEmpty());

        angesagt.clear();
        s.dialoge.antworten = {AntwortJa};
        s.klickBild(4);
        for (int k = 1; k <= 18; ++k)
            QCOMPARE(name(s.karte(k)), QStringLiteral("Karte %1, verdeckt").arg(k));
        QCOMPARE(ansagenVon(s.karte(x)), QStringList{QStringLiteral("Karte 7, verdeckt")});
        QVERIFY(ansagenVon(s.karte(y)).isEmpty()); // covered already: nothing to say
    }

    // The focus is part of the state: the card the arrow keys reach is the focused one.
    void zustandMitFokus() {
        TastenSpiel s;
        QAccessible::State eins = zugang(s.karte(1))->state();
        QVERIFY(eins.focusable && eins.focused);
        s.taste(Qt::Key_Down);
        QVERIFY(!zugang(s.karte(1))->state().focused);
        QVERIFY(zugang(s.karte(2))->state().focused);
        QVERIFY(!zugang(s.karte(2))->state().disabled);
    }

    // A screen reader's press action turns a card, as a click does.
    void druckAktion() {
        FensterSpiel s;
        QAccessibleActionInterface* aktion = zugang(s.karte(4))->actionInterface();
        QVERIFY(aktion);
        QVERIFY(aktion->actionNames().contains(QAccessibleActionInterface::pressAction()));
        aktion->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(s.memo.zustand(4), Kartenzustand::Offen);
        QCOMPARE(name(s.karte(4)), QStringLiteral("Karte 4: ") + s.wort(4));
        s.dialoge.antworten = {AntwortNein};
        zugang(s.bild(4))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(s.dialoge.gezeigt.size(), 1);
        QCOMPARE(s.dialoge.gezeigt.first().prompt,
                 QStringLiteral("Mit einem neuen Spiel beginnen?\r"));
    }
};

QTEST_MAIN(TstZugang)
#include "tst_zugang.moc"
