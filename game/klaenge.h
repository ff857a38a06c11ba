#pragma once

#include "seams/klangspieler.h"

#include <QObject>
#include <QSet>
#include <QString>
#include <functional>
#include <memory>

namespace vun {

class Dialoge;
class Memo;

// The cards' own sounds: a card's sound plays as the card turns, and again at a click on it while
// it shows; whatever card turns next cuts it off. Nothing of sound is made until a deal holds a
// card with a sound, so a list of words starts and plays as it always has.
class Klaenge : public QObject {
    Q_OBJECT
public:
    // Makes the player for the first deal with sounds; null where none can be made at all.
    using Spielerquelle = std::function<std::unique_ptr<Klangspieler>()>;

    Klaenge(Memo& memo, Dialoge& dialoge, Spielerquelle quelle);
    ~Klaenge() override;

private:
    void gemischt();
    void karteAufgedeckt(int karte);
    void karteAngetippt(int karte);
    void vorbereitet(const QList<Klanghindernis>& hindernisse);

    Memo& memo_;
    Dialoge& dialoge_;
    Spielerquelle quelle_;
    std::unique_ptr<Klangspieler> spieler_;
    bool ohneSpieler_ = false;      // the source could make none: the game stays silent
    QSet<Klanghindernis> gemeldet_; // each told once a run, not at every deal
};

// The box shown where cards' sounds cannot be heard: for each thing in the way why, in the
// player's words, and the package to install.
QString klanghindernistext(const QList<Klanghindernis>& hindernisse);

} // namespace vun
