#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>

class QKeyEvent;
class QMouseEvent;
class QWidget;
class QWindow;

namespace vun::ui {

// The program's one guard on the player's input. Children hold keys and double-click, and each
// of these must act once, on the cards and buttons, in the boxes and for the window's own keys
// alike. The guard sees every event of the program before any widget does, and keeps one record
// of the key let go last and one of the last press of a mouse button:
// - A held key acts once. The window system repeats a held key, marked as repeated or, on X11, as
//   a release and a press at one moment that Qt does not always mark. Such a repeat is dropped,
//   except for the keys whose repeating is what they are for: the keys that move (arrows, Tab,
//   Home, End, the page keys) and, in a text line, the keys that type or delete. Shortcuts go
//   through the same rule.
// - A double-click is one click. A second press that the window system counts as a double-click
//   is dropped with its double-click event and its release where it meets another widget than
//   the first press did (that press opened a box under the pointer, whose button the second one
//   would answer unseen), and in the program's own windows, whose widgets act on single clicks.
//   Qt's dialogs keep their double-clicks, which select a word or open a folder there.
// It also keeps whether the player is using the keyboard, which decides the focus mark.
class Eingabewache : public QObject {
    Q_OBJECT
public:
    Eingabewache();
    ~Eingabewache() override;

    // From the first key that moves or presses until the next mouse click: a game played with
    // the mouse never shows the focus mark.
    bool tastaturBenutzt() const { return tastaturBenutzt_; }
    // Repaints the widget with the focus when the mark comes or goes.
    void tastaturBenutzen(bool benutzt);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    bool wiederholt(const QKeyEvent* druck) const;
    bool druckVerwerfen(QWindow* fenster, const QMouseEvent* druck);
    bool doppelklickVerwerfen(QWindow* fenster, const QMouseEvent* doppel);
    bool zweiterDruck(const QMouseEvent* druck) const;

    int losgelasseneTaste_ = 0;
    quint64 loslassZeit_ = 0;

    // A press that a second one may follow as a double-click, cleared when one did.
    bool ersterDruck_ = false;
    QPointer<QWidget> ersterEmpfaenger_;
    QPointF ersterOrt_;
    quint64 ersteZeit_ = 0;
    Qt::MouseButton ersterKnopf_ = Qt::NoButton;
    Qt::MouseButtons verschluckt_; // buttons whose release belongs to a dropped press

    bool tastaturBenutzt_ = false;
};

} // namespace vun::ui
