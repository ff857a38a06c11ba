#pragma once

#include <QMargins>

class QWidget;

namespace vun::ui {

// The frame around a top-level window as far as it is known: from Qt once the window is shown
// and framed; before that from the window manager where it tells the frame of a window not yet
// shown (X11 window managers that answer _NET_REQUEST_FRAME_EXTENTS). Empty where nobody knows.
QMargins fensterrahmen(QWidget* fenster);

// The frame as Qt knows it for a shown window; empty until the window manager has told it.
QMargins bekannterRahmen(const QWidget* fenster);

} // namespace vun::ui
