#include "ui/tastensperre.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace vun::ui {

namespace {

bool drueckt(const QKeyEvent* ereignis, const QObject* empfaenger) {
    switch (ereignis->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    case Qt::Key_Space:
        // The window sees the key before the text line with the focus does.
        return !qobject_cast<const QLineEdit*>(empfaenger) &&
               !qobject_cast<const QLineEdit*>(QApplication::focusWidget());
    default:
        return false;
    }
}

} // namespace

bool istWiederholung(const QKeyEvent* druck, int losgelasseneTaste, quint64 loslassZeit) {
    return druck->isAutoRepeat() || (druck->key() == losgelasseneTaste &&
                                     druck->timestamp() == loslassZeit && loslassZeit != 0);
}

Wiederholungssperre::Wiederholungssperre() {
    QCoreApplication::instance()->installEventFilter(this);
}

Wiederholungssperre::~Wiederholungssperre() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool Wiederholungssperre::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::KeyRelease) {
        const auto* taste = static_cast<const QKeyEvent*>(ereignis);
        losgelasseneTaste_ = taste->key();
        loslassZeit_ = taste->timestamp();
    } else if (ereignis->type() == QEvent::KeyPress) {
        const auto* taste = static_cast<const QKeyEvent*>(ereignis);
        if (drueckt(taste, objekt) && istWiederholung(taste, losgelasseneTaste_, loslassZeit_))
            return true;
    }
    return false;
}

} // namespace vun::ui
