#include "ui/eingabewache.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWidget>
#include <QWindow>

namespace vun::ui {

namespace {

bool bewegt(int taste) {
    switch (taste) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

// Enter in a text line answers its box, so it acts once there too.
bool tipptInTextzeile(const QObject* empfaenger, const QKeyEvent* taste) {
    // The window sees the key before the text line with the focus does.
    if (!qobject_cast<const QLineEdit*>(empfaenger) &&
        !qobject_cast<const QLineEdit*>(QApplication::focusWidget()))
        return false;
    if (taste->key() == Qt::Key_Backspace || taste->key() == Qt::Key_Delete)
        return true;
    return !taste->text().isEmpty() && taste->text().front().isPrint();
}

// The program's widget of the window: its top-level widget.
QWidget* fensterWidget(const QWindow* fenster) {
    for (QWidget* oben : QApplication::topLevelWidgets())
        if (oben->windowHandle() == fenster)
            return oben;
    return nullptr;
}

// The widget a press at that place meets, as Qt itself will deliver it.
QWidget* getroffen(QWidget* oben, QPointF ort) {
    if (!oben)
        return nullptr;
    QWidget* kind = oben->childAt(ort.toPoint());
    return kind ? kind : oben;
}

bool eigenesFenster(const QWidget* oben) {
    return oben && !qobject_cast<const QDialog*>(oben);
}

} // namespace

Eingabewache::Eingabewache() {
    QCoreApplication::instance()->installEventFilter(this);
}

Eingabewache::~Eingabewache() {
    QCoreApplication::instance()->removeEventFilter(this);
}

void Eingabewache::tastaturBenutzen(bool benutzt) {
    if (tastaturBenutzt_ == benutzt)
        return;
    tastaturBenutzt_ = benutzt;
    if (QWidget* fokus = QApplication::focusWidget())
        fokus->update();
}

bool Eingabewache::wiederholt(const QKeyEvent* druck) const {
    return druck->isAutoRepeat() || (druck->key() == losgelasseneTaste_ &&
                                     druck->timestamp() == loslassZeit_ && loslassZeit_ != 0);
}

bool Eingabewache::zweiterDruck(const QMouseEvent* druck) const {
    return ersterDruck_ && druck->button() == ersterKnopf_ &&
           druck->timestamp() - ersteZeit_ <=
               quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval()) &&
           (druck->globalPosition() - ersterOrt_).manhattanLength() <=
               QGuiApplication::styleHints()->mouseDoubleClickDistance();
}

bool Eingabewache::druckVerwerfen(QWindow* fenster, const QMouseEvent* druck) {
    QWidget* oben = fensterWidget(fenster);
    QWidget* ziel = getroffen(oben, druck->position());
    if (zweiterDruck(druck)) {
        // A third press starts a click of its own, as Qt counts it.
        ersterDruck_ = false;
        if (ziel == ersterEmpfaenger_ && !eigenesFenster(oben))
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

// Also where Qt counts a double-click that the record above did not: its release would click.
bool Eingabewache::doppelklickVerwerfen(QWindow* fenster, const QMouseEvent* doppel) {
    if (verschluckt_ & doppel->button())
        return true;
    if (!eigenesFenster(fensterWidget(fenster)))
        return false;
    verschluckt_ |= doppel->button();
    return true;
}

bool Eingabewache::eventFilter(QObject* objekt, QEvent* ereignis) {
    const QEvent::Type art = ereignis->type();
    if (art == QEvent::KeyRelease) {
        const auto* taste = static_cast<const QKeyEvent*>(ereignis);
        losgelasseneTaste_ = taste->key();
        loslassZeit_ = taste->timestamp();
        return false;
    }
    if (art == QEvent::KeyPress || art == QEvent::ShortcutOverride) {
        auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (!wiederholt(taste) || bewegt(taste->key()) || tipptInTextzeile(objekt, taste))
            return false;
        // Taken as the focus widget's own, a repeat never reaches a shortcut (Ctrl+P); its
        // press then follows and is dropped here.
        taste->accept();
        return true;
    }
    // Mouse events are judged as the window receives them; the widgets' copies follow from that.
    if (!objekt->isWindowType())
        return false;
    if (art != QEvent::MouseButtonPress && art != QEvent::MouseButtonDblClick &&
        art != QEvent::MouseButtonRelease)
        return false;
    auto* fenster = static_cast<QWindow*>(objekt);
    const auto* maus = static_cast<const QMouseEvent*>(ereignis);
    if (art == QEvent::MouseButtonPress)
        return druckVerwerfen(fenster, maus);
    if (art == QEvent::MouseButtonDblClick)
        return doppelklickVerwerfen(fenster, maus);
    if (!(verschluckt_ & maus->button()))
        return false;
    verschluckt_ &= ~maus->button();
    return true;
}

} // namespace vun::ui
