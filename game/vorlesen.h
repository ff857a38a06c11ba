#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace vun {

class Dialoge;
class Memo;
class Sprecher;

// Reading aloud for children who cannot read yet: while it is on, a word card speaks its text
// when the player turns it and the win message speaks as its box appears; picture cards and
// everything else stay silent. It starts off, and nothing of speech is made until it is first
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

    bool an() const { return an_; }
    // On where a German voice is ready; where none is, one box tells why and what to install,
    // and it stays off. Off stops the word being spoken.
    void einschalten();
    void ausschalten();
    void umschalten() { an_ ? ausschalten() : einschalten(); }

    void setzeSprecherquelle(Sprecherquelle quelle) { quelle_ = std::move(quelle); }

signals:
    void geschaltet(bool an);

private:
    void karteAufgedeckt(int karte);
    void sagen(const QString& text);

    Memo& memo_;
    Dialoge& dialoge_;
    Sprecherquelle quelle_;
    Bildschirmleser bildschirmleser_;
    std::unique_ptr<Sprecher> sprecher_;
    bool an_ = false;
};

// The box shown where no German voice can speak.
QString vorlesenHindernistext(const QString& grund, const QString& paket);

} // namespace vun
