#pragma once

#include <QObject>

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

} // namespace vun::ui
