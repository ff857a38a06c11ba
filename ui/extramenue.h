#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class QMenu;
class QTimer;
class QWidget;

namespace vun::ui {

class Hauptfenster;

// The menu of the extras that otherwise only keys reach: a right click or a long press of a
// finger anywhere on the main window but on a card opens it at that place, each entry with its
// key. Its entries are the window's actions of the extras (ui/extras.h), which the keys trigger
// too. A touch board has no keyboard at hand, and a child finds F11 nowhere else. The menu is one
// of the program's windows: the input guard sees its keys and clicks as it sees all others.
class Extramenue : public QObject {
    Q_OBJECT
public:
    explicit Extramenue(Hauptfenster& fenster);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    // At a place of the window; nothing on a card, whose press is the game's.
    void oeffnen(QPoint imFenster);
    void beruehrt(QEvent* ereignis);
    QMenu* bauen();

    Hauptfenster& fenster_;
    QPointer<QMenu> menue_;
    QTimer* halten_;   // runs while a finger rests on the window
    QPoint fingerOrt_; // where it came down, in the window
};

} // namespace vun::ui
