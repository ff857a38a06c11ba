#pragma once

#include <QMargins>

class QWidget;

namespace vun::ui {

// The frame around a top-level window as far as it is known: what the window manager set on
// the window; for a window not shown yet, what it answers when asked (X11 window managers that
// answer _NET_REQUEST_FRAME_EXTENTS); elsewhere what Qt knows once the window is shown. Empty
// where nobody knows it yet.
QMargins fensterrahmen(QWidget* fenster);

} // namespace vun::ui
