#pragma once

#include <QWidget>

namespace vun {
class Memo;
}

namespace vun::ui {

// The strip below the board while groups play: whose turn it is and the pairs each group holds,
// each in its group's colour with its symbol. It draws from its size alone, as the window's
// layout gives it, and takes no input. Screen readers see it as the window's status bar, its
// text "Blau ist dran. Rot 2 · Blau 1 · Gelb 0", and are told when the turn passes.
class Gruppenstreifen : public QWidget {
    Q_OBJECT
public:
    Gruppenstreifen(const Memo& memo, QWidget* eltern);

    // The text a screen reader reads: the turn, then the pairs.
    QString zugangstext() const;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    void folgen();
    void zugMelden();

    const Memo& memo_;
};

} // namespace vun::ui
