#pragma once

#include "ui/schaltflaeche.h"

#include <QFont>

namespace vun {
class Memo;
struct Kartenbild;
} // namespace vun

namespace vun::ui {

// One card of the board. It draws whatever the game's card looks say, listens to the game for
// changes of its own card and reports presses; it keeps no state of its own beyond its number.
class Karte : public Schaltflaeche {
    Q_OBJECT
public:
    Karte(const Memo& memo, int nummer, Eingabewache& eingabe, QWidget* eltern);
    int nummer() const { return nummer_; }

    void ausloesen() override;
    // "Karte 7, verdeckt", "Karte 7: Maus", "Karte 7: Maus, gefunden".
    QString zugangsname() const override;

    // Where the caption goes, clear of the border and the focus mark.
    QRect textfeld() const;
    // The font the caption is drawn in: the card font, smaller only when the caption would not
    // fit the text field otherwise.
    QFont beschriftungsschrift() const;

    // The card an arrow key leads to from card n in the two columns of nine, or n itself at
    // the edge of the board or for any other key.
    static int nachbar(int nummer, int taste);

signals:
    void geklickt(int nummer);
    void weiter(int nummer);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    // The game changed this card: drawn anew, and told to screen readers when its name changed.
    void modellGeaendert();

    const Memo& memo_;
    int nummer_;
    QString gemeldeterName_;
};

} // namespace vun::ui
