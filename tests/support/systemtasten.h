#pragma once

#include <QWidget>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

namespace vun::test {

// Keys through a window as the window system delivers them: shortcuts are tried first, then the
// key goes to the widget with the focus. Each event has a time of its own, as QtTest's may
// repeat and a key let go and pressed again at one moment is a held key.
inline ulong tastenzeit = 1000;

inline void tastenereignis(QWidget& fenster, QEvent::Type art, Qt::Key k,
                           Qt::KeyboardModifiers mod = Qt::NoModifier, bool wiederholt = false,
                           ulong zeit = 0) {
    QWindowSystemInterface::handleKeyEvent(fenster.windowHandle(), zeit ? zeit : tastenzeit += 10,
                                           art, k, mod, QString(), wiederholt);
    QWindowSystemInterface::flushWindowSystemEvents();
}

inline void taste(QWidget& fenster, Qt::Key k, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    tastenereignis(fenster, QEvent::KeyPress, k, mod);
    tastenereignis(fenster, QEvent::KeyRelease, k, mod);
}

// A key held down: its repeats as Qt marks them, then as X11 sends them, let go and pressed
// again at one moment; then let go.
inline void halten(QWidget& fenster, Qt::Key k, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    tastenereignis(fenster, QEvent::KeyPress, k, mod);
    tastenereignis(fenster, QEvent::KeyPress, k, mod, true);
    for (int i = 0; i < 2; ++i) {
        tastenzeit += 10;
        tastenereignis(fenster, QEvent::KeyRelease, k, mod, false, tastenzeit);
        tastenereignis(fenster, QEvent::KeyPress, k, mod, false, tastenzeit);
    }
    tastenereignis(fenster, QEvent::KeyRelease, k, mod);
}

} // namespace vun::test
