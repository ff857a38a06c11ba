#pragma once

#include "game/memo.h"
#include "pictures/bildvorrat.h"
#include "ui/hauptfenster.h"
#include "ui/karte.h"

#include <QList>
#include <QTest>
#include <utility>

namespace vun::test {

// What the window's store of card pictures reports decoded in the background, and at which
// size, from the moment this is made: a test or benchmark waits for the pictures of the board
// rather than for a time.
class Bildmeldungen {
public:
    explicit Bildmeldungen(const ui::Hauptfenster& fenster) : fenster_(fenster) {
        QObject::connect(fenster.findChild<Bildvorrat*>(), &Bildvorrat::bereit, &empfaenger_,
                         [this](const QString& pfad, QSize feld) {
                             gemeldet_.append({pfad, feld});
                         });
    }

    // Until every picture card of the board has its picture decoded at its card's size, as
    // reported since this was made; false where that does not come within ten seconds.
    bool abwarten(const Memo& memo) const {
        return QTest::qWaitFor(
            [&] {
                for (int k = 1; k <= memo.kartenzahl(); ++k) {
                    const Karteninhalt& inhalt = memo.liste1().at(k - 1).inhalt;
                    if (inhalt.istBild() &&
                        !gemeldet_.contains(std::pair{inhalt.bild, fenster_.karte(k)->bildfeld()}))
                        return false;
                }
                return true;
            },
            10000);
    }

private:
    const ui::Hauptfenster& fenster_;
    QObject empfaenger_;
    QList<std::pair<QString, QSize>> gemeldet_;
};

} // namespace vun::test
