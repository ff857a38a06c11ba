#pragma once

#include <QMargins>
#include <functional>

class QWidget;

namespace vun::ui {

// The frame around a top-level window as far as it is known: what the window manager set on
// the window (X11), elsewhere what Qt knows once the window is shown. Empty where nobody knows
// it yet.
QMargins fensterrahmen(QWidget* fenster);

// Before the window is first shown: asks an X11 window manager that answers such requests for
// the frame it will put around the window, and waits for its answer, a tenth of a second at
// most, so that the window is placed with its frame from the start. Input waits meanwhile.
void rahmenErfragen(QWidget* fenster);

// Calls `bekannt` each time the window manager tells the frame of the shown window, on X11 as it
// sets the frame, elsewhere once as the window is first exposed; for `frist` milliseconds at most.
void beiRahmen(QWidget* fenster, int frist, std::function<void()> bekannt);

} // namespace vun::ui
