#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>

class QMouseEvent;
class QWidget;

namespace vun::ui {

// Makes a double-click the one click it is for a widget: Qt turns the second press of a
// double-click into a double-click event, which a widget by default takes for a press, so the
// release after it clicked a second time. Here that event and its release never reach the
// widget. Qt starts counting anew after a double-click, so a third press is a new click.
class Einzelklick : public QObject {
public:
    // Watches the widget for as long as it lives.
    static void anwenden(QWidget* widget);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    explicit Einzelklick(QWidget* widget);

    Qt::MouseButtons verschluckt_; // buttons whose release still belongs to a double-click
};

// The first click of a double-click may open a box right under the pointer: the win message,
// the help, the name box. Its second press then met the box's button and answered the box before
// anyone saw it. While it lives, a press that the window system counts as the second of a
// double-click, but that meets another widget than the first press did, is dropped in the whole
// program, with its double-click event and its release. The widget is looked up in the window
// the press goes to, as Qt itself delivers it, before any widget sees the press.
class Doppelklicksperre : public QObject {
public:
    explicit Doppelklicksperre(QObject* eltern);
    ~Doppelklicksperre() override;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    bool zweiterDruck(const QMouseEvent* druck) const;

    bool ersterDruck_ = false; // a press is on record that a second one may follow
    QPointer<QWidget> ersterEmpfaenger_;
    QPointF ersterOrt_;
    quint64 ersteZeit_ = 0;
    Qt::MouseButton ersterKnopf_ = Qt::NoButton;
    Qt::MouseButtons verschluckt_;
};

} // namespace vun::ui
