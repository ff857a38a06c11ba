// Where the main window stands: centred on the screen with its frame, as far as the window
// manager tells it.
#include "ui/hauptfenster.h"

#include "ui/fensterrahmen.h"
#include "ui/vergroesserung.h"

#include <QScreen>

namespace vun::ui {

void Hauptfenster::starten() {
    rahmenErfragen(this);
    // Full screen is laid out for the screen already, so that the start-up's boxes come at its
    // scale.
    if (groesse_->vollbild()) {
        memo_.Form_Load();
        showFullScreen();
        return;
    }
    mittigSetzen();
    memo_.Form_Load();
    show();
    rahmenAbwarten();
}

void Hauptfenster::rahmenAbwarten() {
    // Where the window manager tells the frame only once the window is shown, the window moves
    // as soon as the frame is known. A busy machine may take its time; the listener costs
    // nothing while it waits.
    beiRahmen(this, 5000, [this] { rahmenPruefen(); });
}

void Hauptfenster::mittigNeuSetzen() {
    mittigSetzen();
    // Back from full screen the window manager gives the frame back only after this.
    rahmenAbwarten();
}

void Hauptfenster::mittigSetzen() {
    const QMargins rahmen = fensterrahmen(this);
    const QRect bildschirm = screen()->geometry();
    const QSize aussen = size().grownBy(rahmen);
    const QPoint ecke = bildschirm.topLeft() + QPoint((bildschirm.width() - aussen.width()) / 2,
                                                      (bildschirm.height() - aussen.height()) / 2);
    // Placed by its inner rectangle, which the window manager leaves where it is asked to put it.
    setGeometry(QRect(ecke + QPoint(rahmen.left(), rahmen.top()), size()));
    gesetzterRahmen_ = rahmen;
    gesetzteEcke_ = geometry().topLeft();
}

void Hauptfenster::rahmenPruefen() {
    if (groesse_->vollbild())
        return;
    const QMargins rahmen = fensterrahmen(this);
    // A window the player has moved since, or that came back from full screen to its place,
    // stays where it is.
    if (!rahmen.isNull() && rahmen != gesetzterRahmen_ && geometry().topLeft() == gesetzteEcke_)
        mittigSetzen();
}

} // namespace vun::ui
