#include "ui/extramenue.h"

#include "ui/extras.h"
#include "ui/hauptfenster.h"
#include "ui/karte.h"
#include "ui/massstab.h"
#include "ui/vergroesserung.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QStyleHints>
#include <QTimer>
#include <QTouchEvent>
#include <QWindow>

namespace vun::ui {

Extramenue::Extramenue(Hauptfenster& fenster)
    : QObject(&fenster), fenster_(fenster), halten_(new QTimer(this)) {
    halten_->setSingleShot(true);
    connect(halten_, &QTimer::timeout, this, [this] { oeffnen(fingerOrt_); });
    fenster_.installEventFilter(this);
}

QMenu* Extramenue::bauen() {
    auto* menue = new QMenu(&fenster_);
    menue->setObjectName(QStringLiteral("Extras"));
    menue->setAttribute(Qt::WA_DeleteOnClose);
    menue->setFont(skaliert(QApplication::font(menue), fenster_.groesse().faktor()));
    // The window's own actions: an entry is its key, and shows its mark; one of choices opens
    // them beside it.
    const Extras& extras = fenster_.extras();
    for (QAction* eintrag : extras.menueeintraege()) {
        const QList<QAction*> wahl = extras.auswahl(eintrag);
        if (wahl.isEmpty()) {
            menue->addAction(eintrag);
            continue;
        }
        QMenu* unter = menue->addMenu(eintrag->text());
        unter->setFont(menue->font());
        unter->addActions(wahl);
    }
    return menue;
}

void Extramenue::oeffnen(QPoint imFenster) {
    for (QWidget* w = fenster_.childAt(imFenster); w; w = w->parentWidget())
        if (qobject_cast<Karte*>(w))
            return;
    if (menue_)
        menue_->close();
    menue_ = bauen();
    menue_->popup(fenster_.mapToGlobal(imFenster));
}

// A finger resting on the window for the time the platform gives a press and hold, without
// moving away, opens the menu; the touch itself goes on to the widgets as always.
void Extramenue::beruehrt(QEvent* ereignis) {
    const auto* touch = static_cast<QTouchEvent*>(ereignis);
    if (touch->type() != QEvent::TouchBegin && touch->type() != QEvent::TouchUpdate) {
        halten_->stop();
        return;
    }
    if (touch->points().size() != 1) {
        halten_->stop();
        return;
    }
    const QPoint ort = touch->points().first().position().toPoint();
    if (touch->type() == QEvent::TouchBegin) {
        fingerOrt_ = ort;
        halten_->start(QGuiApplication::styleHints()->mousePressAndHoldInterval());
    } else if ((ort - fingerOrt_).manhattanLength() >
               QGuiApplication::styleHints()->startDragDistance()) {
        halten_->stop();
    }
}

bool Extramenue::eventFilter(QObject* objekt, QEvent* ereignis) {
    switch (ereignis->type()) {
    case QEvent::ContextMenu:
        if (objekt == &fenster_) {
            oeffnen(static_cast<QContextMenuEvent*>(ereignis)->pos());
            return true;
        }
        return false;
    case QEvent::Show:
        // Touches reach the window handle, which exists once the window is shown.
        if (objekt == &fenster_ && fenster_.windowHandle())
            fenster_.windowHandle()->installEventFilter(this);
        return false;
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        if (objekt == fenster_.windowHandle())
            beruehrt(ereignis);
        return false;
    default:
        return false;
    }
}

} // namespace vun::ui
