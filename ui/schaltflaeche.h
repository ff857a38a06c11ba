#pragma once

#include <QWidget>

class QPainter;

namespace vun::ui {

class Eingabewache;

// A flat widget the player presses: with a left click, or with Space or Enter once Tab has
// brought the focus to it. Screen readers see it as a button with a name and a press action.
class Schaltflaeche : public QWidget {
    Q_OBJECT
public:
    // The guard tells whether the player uses the keyboard, which decides the focus mark.
    Schaltflaeche(Eingabewache& eingabe, QWidget* eltern);

    // What a press does; the same for the mouse, the keys and a screen reader.
    virtual void ausloesen() = 0;
    // The name a screen reader speaks.
    virtual QString zugangsname() const { return accessibleName(); }

    // The focus mark: a 2 pixel frame whose outer edge is the given rectangle, yellow dashes on
    // black, which stands out on dark and on light backgrounds alike.
    static void fokusrahmenMalen(QPainter& maler, QRect aussen);
    // Whether the focus mark shows: from the first key that moves or presses until the next
    // mouse click, so a game played with the mouse never shows it.
    bool fokusSichtbar() const;

    // The zoom of the window, which the widget's own margins and pictures follow.
    double massstab() const { return massstab_; }
    void setzeMassstab(double faktor);

protected:
    void tastaturBenutzen(bool benutzt);
    void focusInEvent(QFocusEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    // Tells screen readers that the name changed.
    void nameGeaendert();

private:
    Eingabewache& eingabe_;
    double massstab_ = 1.0;
};

} // namespace vun::ui
