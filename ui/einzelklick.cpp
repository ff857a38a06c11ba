#include "ui/einzelklick.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWidget>
#include <QWindow>

namespace vun::ui {

namespace {

// The release of a button whose press went unseen goes unseen too.
bool freigabeVerschlucken(Qt::MouseButtons& verschluckt, const QEvent* ereignis) {
    const Qt::MouseButton knopf = static_cast<const QMouseEvent*>(ereignis)->button();
    if (!(verschluckt & knopf))
        return false;
    verschluckt &= ~knopf;
    return true;
}

} // namespace

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
    case QEvent::MouseButtonRelease:
        return freigabeVerschlucken(verschluckt_, ereignis);
    default:
        return false;
    }
}

namespace {

// The widget of the program that a press into the window meets.
QWidget* getroffen(const QWindow* fenster, QPointF ort) {
    for (QWidget* oben : QApplication::topLevelWidgets()) {
        if (oben->windowHandle() != fenster)
            continue;
        QWidget* kind = oben->childAt(ort.toPoint());
        return kind ? kind : oben;
    }
    return nullptr;
}

} // namespace

Doppelklicksperre::Doppelklicksperre(QObject* eltern) : QObject(eltern) {
    QCoreApplication::instance()->installEventFilter(this);
}

Doppelklicksperre::~Doppelklicksperre() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool Doppelklicksperre::zweiterDruck(const QMouseEvent* druck) const {
    return ersterDruck_ && druck->button() == ersterKnopf_ &&
           druck->timestamp() - ersteZeit_ <=
               quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval()) &&
           (druck->globalPosition() - ersterOrt_).manhattanLength() <=
               QGuiApplication::styleHints()->mouseDoubleClickDistance();
}

bool Doppelklicksperre::eventFilter(QObject* objekt, QEvent* ereignis) {
    // Only the window's copy: the widgets' copies follow it, or do not where it was dropped.
    if (!objekt->isWindowType())
        return false;
    switch (ereignis->type()) {
    case QEvent::MouseButtonPress: {
        const auto* druck = static_cast<const QMouseEvent*>(ereignis);
        QWidget* ziel = getroffen(static_cast<QWindow*>(objekt), druck->position());
        if (zweiterDruck(druck)) {
            // A third press starts a click of its own, as Qt counts it.
            ersterDruck_ = false;
            if (ziel == ersterEmpfaenger_)
                return false;
            verschluckt_ |= druck->button();
            return true;
        }
        ersterDruck_ = true;
        ersterEmpfaenger_ = ziel;
        ersterOrt_ = druck->globalPosition();
        ersteZeit_ = druck->timestamp();
        ersterKnopf_ = druck->button();
        verschluckt_ &= ~druck->button();
        return false;
    }
    case QEvent::MouseButtonDblClick:
        return bool(verschluckt_ & static_cast<const QMouseEvent*>(ereignis)->button());
    case QEvent::MouseButtonRelease:
        return freigabeVerschlucken(verschluckt_, ereignis);
    default:
        return false;
    }
}

} // namespace vun::ui
