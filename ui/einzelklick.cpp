#include "ui/einzelklick.h"

#include <QMouseEvent>
#include <QWidget>

namespace vun::ui {

Einzelklick::Einzelklick(QWidget* widget) : QObject(widget) {
    widget->installEventFilter(this);
}

void Einzelklick::anwenden(QWidget* widget) {
    new Einzelklick(widget);
}

bool Einzelklick::eventFilter(QObject*, QEvent* ereignis) {
    switch (ereignis->type()) {
    case QEvent::MouseButtonDblClick:
        verschluckt_ |= static_cast<QMouseEvent*>(ereignis)->button();
        return true;
    case QEvent::MouseButtonPress:
        // A press the window system did not count as a double-click starts a click of its own.
        verschluckt_ &= ~static_cast<QMouseEvent*>(ereignis)->button();
        return false;
    case QEvent::MouseButtonRelease: {
        const Qt::MouseButton knopf = static_cast<QMouseEvent*>(ereignis)->button();
        if (!(verschluckt_ & knopf))
            return false;
        verschluckt_ &= ~knopf;
        return true;
    }
    default:
        return false;
    }
}

} // namespace vun::ui
