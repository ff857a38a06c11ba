#pragma once

#include "ui/schaltflaeche.h"
#include "wordlist/brett.h"

#include <QFont>

namespace vun {
class Bildvorrat;
class Memo;
struct Kartenbild;
} // namespace vun

namespace vun::ui {

// One card of the board. It draws whatever the game's card looks say, listens to the game for
// changes of its own card and reports presses; it keeps no state of its own beyond its number.
class Karte : public Schaltflaeche {
    Q_OBJECT
public:
    // bilder holds the decoded pictures of the window's picture cards.
    Karte(const Memo& memo, int nummer, Eingabewache& eingabe, Bildvorrat& bilder, QWidget* eltern);
    int nummer() const { return nummer_; }

    void ausloesen() override;
    // "Karte 7, verdeckt", "Karte 7: Maus", "Karte 7: Maus, gefunden"; a picture card by its
    // picture's name, "Karte 7: Bild hund"; a sound alone "Karte 7: Klang", and a word or picture
    // with a sound "Karte 7: Hund, mit Klang".
    QString zugangsname() const override;

    // Where the caption goes, clear of the border and the focus mark.
    QRect textfeld() const;
    // The word's part of it: narrower on both sides by the mark of a sound.
    QRect wortfeld() const;
    // The mark of a word or picture with a sound, in the top right corner.
    QRect klangzeichenfeld() const;
    // The font the caption is drawn in: on a strip the card font, smaller only when the caption
    // would not fit the text field otherwise; on a square as large as fits.
    QFont beschriftungsschrift() const;
    // Where the picture of a picture card goes: the caption's field, in device pixels.
    QSize bildfeld() const;
    // Has the picture of the card's deal decoded in the background for the card's size, if the
    // card is a picture card: after a deal and whenever the card's size changes.
    void bildVorbereiten();

    // The card an arrow key leads to from card n on the board, or n itself at the edge of the
    // board or for any other key.
    static int nachbar(int nummer, int taste, Brettform form = Brettform::Streifen,
                       int paare = Paarzahl);

signals:
    void geklickt(int nummer);
    void weiter(int nummer);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    // The game changed this card: drawn anew, and told to screen readers when its name changed.
    void modellGeaendert();

    // The picture fitted into the caption's field; its name in the caption's place when the file
    // cannot be read any more.
    void bildMalen(QPainter& maler, const QString& pfad);
    // The mark of the group that found the card, if any.
    void finderMalen(QPainter& maler, int gruppe) const;
    void klangzeichenMalen(QPainter& maler, const Kartenbild& bild);

    const Memo& memo_;
    int nummer_;
    Bildvorrat& bilder_;
    QString gemeldeterName_;
    bool genau_ = false; // the next paint waits for the picture at the card's size
};

} // namespace vun::ui
