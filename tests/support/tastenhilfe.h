#pragma once

#include "tests/support/fensterhilfe.h"
#include "ui/bildknopf.h"

#include <QApplication>

namespace vun::test {

// A game in its real main window, active, played with key presses on whatever has the focus.
struct TastenSpiel : FensterSpiel {
    explicit TastenSpiel(const QStringList& woerter = standardWoerter()) : FensterSpiel(woerter) {
        fenster.activateWindow();
        if (!QTest::qWaitForWindowActive(&fenster))
            qWarning("the window did not become active");
    }

    static QWidget* fokus() { return QApplication::focusWidget(); }
    // The card with the focus, 0 when the focus is elsewhere.
    static int fokuskarte() {
        auto* k = qobject_cast<ui::Karte*>(fokus());
        return k ? k->nummer() : 0;
    }
    static void taste(int taste, Qt::KeyboardModifiers mod = Qt::NoModifier) {
        QTest::keyClick(fokus(), Qt::Key(taste), mod);
    }

    // Walks the focus to a card with the arrow keys, across first, then up or down.
    void gehZu(int karte) {
        for (int schritte = 0; fokuskarte() != karte && schritte < 20; ++schritte) {
            const int jetzt = fokuskarte();
            if (jetzt == 0)
                return;
            const bool links = jetzt <= 9, zielLinks = karte <= 9;
            if (links != zielLinks)
                taste(zielLinks ? Qt::Key_Left : Qt::Key_Right);
            else
                taste((karte - 1) % 9 < (jetzt - 1) % 9 ? Qt::Key_Up : Qt::Key_Down);
        }
    }
    void dreheMitTasten(int karte, int drehTaste = Qt::Key_Space) {
        gehZu(karte);
        taste(drehTaste);
    }
};

} // namespace vun::test
