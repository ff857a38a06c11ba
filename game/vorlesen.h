#pragma once

#include "seams/sprecher.h"
#include "wordlist/kartenmischen.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace vun {

class Dialoge;
class Memo;

// Reading aloud for children who cannot read yet: while it is on, a card speaks when the player
// turns it (vorzulesen) and the win message speaks as its box appears; everything else stays
// silent. It starts off, and nothing of speech is made until it is first
// switched on, so a missing or slow speech service never holds up the game.
class Vorlesen : public QObject {
    Q_OBJECT
public:
    // Makes the voice on the first switch-on; null where none can be made at all.
    using Sprecherquelle = std::function<std::unique_ptr<Sprecher>()>;
    // True while a screen reader announces the cards already.
    using Bildschirmleser = std::function<bool()>;

    Vorlesen(Memo& memo, Dialoge& dialoge, Sprecherquelle quelle,
             Bildschirmleser bildschirmleser = {});
    ~Vorlesen() override;

    // On once the voice is ready: the first switch-on gets it ready in the background, and the
    // card turned last meanwhile speaks when it is.
    bool an() const { return zustand_ == Zustand::An; }
    // Switched on by the player, whether the voice is ready yet or not.
    bool eingeschaltet() const { return zustand_ == Zustand::Wartet || zustand_ == Zustand::An; }
    // Where no German voice can speak, one box tells why and what to install, and it stays
    // off. Off stops the word being spoken, and a voice still being got ready stays unused.
    void einschalten();
    void ausschalten();
    void umschalten() { eingeschaltet() ? ausschalten() : einschalten(); }

signals:
    // On once the voice speaks, off when switched off or no voice could be had.
    void geschaltet(bool an);

private:
    enum class Zustand {
        Aus,      // off without a voice, or with one that could not speak: made afresh when on
        Wartet,   // on, the voice being got ready
        Abgesagt, // off again while the voice is being got ready, which it is left to finish
        Bereit,   // off, the voice ready
        An,       // on and speaking
    };

    void vorbereitet(std::optional<Sprachhindernis> hindernis);
    void karteAufgedeckt(int karte);
    void zugGewechselt();
    void sagen(const QString& text);

    Memo& memo_;
    Dialoge& dialoge_;
    Sprecherquelle quelle_;
    Bildschirmleser bildschirmleser_;
    std::unique_ptr<Sprecher> sprecher_;
    Zustand zustand_ = Zustand::Aus;
    QString ausstehend_; // to say once the voice is ready
    QString gesagt_;     // the word of the card turned last
};

// What card karte (1..Kartenzahl) of the deal says when it is turned: a word its text; a picture
// the word of its pair's other half, so a child hears "Hund" as the dog turns; a picture whose
// pair has no word its file's name where that is a plain word, letters and blanks only
// ("Mein Hund.JPG" says "Mein Hund"); else nothing ("IMG_2345.jpg" is no word to hear).
QString vorzulesen(const QList<Spielkarte>& liste1, int karte);

// The box shown where no German voice can speak: why, in the player's words, and the package to
// install.
QString vorlesenHindernistext(Sprachhindernis hindernis);

} // namespace vun
