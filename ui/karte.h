#pragma once

#include <QWidget>

namespace vun {
class Memo;
}

namespace vun::ui {

// One card of the board. It draws whatever the game's card looks say and reports clicks;
// it keeps no state of its own beyond its number.
class Karte : public QWidget {
    Q_OBJECT
public:
    Karte(const Memo& memo, int nummer, QWidget* eltern);
    int nummer() const { return nummer_; }

signals:
    void geklickt(int nummer);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;

private:
    const Memo& memo_;
    int nummer_;
};

} // namespace vun::ui
